#include "kuImages.h"

#include "kuExceptions.h"
#include "kuPlatform.h"
#include "kuScreen.h"
#include "kuVideo.h"

#include <vector>

namespace {

constexpr int cubeColours = 256;

// The library's rectangle format: 16-bit position and extent.
SDL_Rect sdlRect(const kuRectangle& rect) {
    SDL_Rect result;
    result.x = Sint16(rect.x);
    result.y = Sint16(rect.y);
    result.w = Uint16(rect.width);
    result.h = Uint16(rect.height);
    return result;
}

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
    SDL_Surface* copy =
        kuSurfaces::createLike(screen->getSDLSurface(), int(area.width), int(area.height));
    if (copy == nullptr)
        kuE::kuRaiseGeneric("MEMORY", "Out of memory!");
    SDL_Rect from = sdlRect(area);
    SDL_BlitSurface(screen->getSDLSurface(), &from, copy, nullptr);
    if (isOpen())
        close();
    surface = copy;
    sizeManip::init(size, area.width, area.height);
}

void kuImage::copyTranslucent(kuImage& source, uint8_t opacity) {
    SDL_Surface* from = source.getSDLSurface();
    SDL_Surface* copy = kuSurfaces::translucentCopy(from, opacity);
    if (copy == nullptr)
        kuE::kuRaiseGeneric("MEMORY", "Out of memory!");
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
    kuSurfaces::setColours(screen->getSDLSurface(), colours.data(), int(colours.size()));
}

void kuImage::drawOnto(kuImage& target, const kuRectangle& source, const pt& at) {
    SDL_Rect from = sdlRect(source);
    kuRectangle placed;
    rectManip::init(placed, at.x, at.y, source.width, source.height);
    SDL_Rect to = sdlRect(placed);
    SDL_UpperBlit(getSDLSurface(), &from, target.getSDLSurface(), &to);
}
