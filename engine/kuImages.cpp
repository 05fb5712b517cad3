#include "kuImages.h"

#include "kuExceptions.h"
#include "kuPlatform.h"
#include "kuScreen.h"

#include <vector>

namespace {
constexpr int cubeColours = 256;
} // namespace

kuImage::kuImage() : screen(nullptr), surface(nullptr), size(sizeManip::zeroSize) {}

kuImage::~kuImage() {
    if (isOpen())
        close();
}

void kuImage::loadBMP(const char* fileName) {
    if (isOpen())
        close();
    surface = kuPlatform::loadPicture(fileName);
    sizeManip::init(size, uint32_t(surface->w), uint32_t(surface->h));
}

void kuImage::grab(const kuRectangle& area) {
    if (screen == nullptr)
        kuE::kuRaiseBug("No screenobject set in kuImage::grab");
    const SDL_PixelFormat* format = screen->getSDLSurface()->format;
    SDL_Surface* copy =
        SDL_CreateRGBSurface(SDL_SWSURFACE, int(area.width), int(area.height), format->BitsPerPixel,
                             format->Rmask, format->Gmask, format->Bmask, format->Amask);
    if (copy == nullptr)
        kuE::kuRaiseGeneric("MEMORY", "Out of memory!");
    SDL_Rect from = {Sint16(area.x), Sint16(area.y), Uint16(area.width), Uint16(area.height)};
    SDL_BlitSurface(screen->getSDLSurface(), &from, copy, nullptr);
    if (isOpen())
        close();
    surface = copy;
    sizeManip::init(size, area.width, area.height);
}

void kuImage::copyTranslucent(kuImage& source, uint8_t opacity) {
    SDL_Surface* from = source.getSDLSurface();
    SDL_Surface* copy = SDL_ConvertSurface(from, from->format, from->flags);
    if (copy == nullptr)
        kuE::kuRaiseGeneric("MEMORY", "Out of memory!");
    SDL_SetAlpha(copy, SDL_SRCALPHA, opacity);
    if (isOpen())
        close();
    surface = copy;
    size = source.size;
    screen = source.screen;
}

void kuImage::close() {
    if (!isOpen())
        kuE::kuRaiseBug("Image object is not open in kuImage::close");
    SDL_FreeSurface(surface);
    surface = nullptr;
}

SDL_Surface* kuImage::getSDLSurface() {
    if (!isOpen())
        kuE::kuRaiseBug("Image object is not open in kuImage::getSDLSurface");
    return surface;
}

void kuImage::display(const kuRectangle& source, const pt& at) {
    if (screen == nullptr)
        kuE::kuRaiseBug("No screenobject set in kuImage::display");
    screen->display(this, source, at);
}

void kuImage::checkColorMap() {
    if (screen == nullptr || surface == nullptr)
        return;
    std::vector<SDL_Color> colours;
    const SDL_Palette* palette = surface->format->palette;
    if (palette != nullptr) {
        colours.assign(palette->colors, palette->colors + palette->ncolors);
    } else {
        colours.resize(cubeColours);
        for (int r = 0; r < 8; ++r)
            for (int g = 0; g < 8; ++g)
                for (int b = 0; b < 4; ++b) {
                    SDL_Color& colour = colours[(r << 5) | (g << 2) | b];
                    colour.r = Uint8(r << 5);
                    colour.g = Uint8(g << 5);
                    colour.b = Uint8(b << 6);
                }
    }
    SDL_SetColors(screen->getSDLSurface(), colours.data(), 0, int(colours.size()));
}
