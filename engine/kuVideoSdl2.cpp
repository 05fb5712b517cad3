// The output on SDL 2: one window, resizable, whose surface is shown by rectangles. SDL 2 backs
// a window surface with an OpenGL texture by default, which costs a software renderer a copy of
// the whole window every frame; without that acceleration SDL_UpdateWindowSurfaceRects sends
// only the rectangles (on X11 through shared memory), as SDL 1.2 did.
#include "kuVideo.h"

#include "kuPlatformSdl.h"

namespace {

// Pictures are kept in the format window surfaces have on X11 and most other drivers.
constexpr Uint32 displayFormat = SDL_PIXELFORMAT_RGB888;

} // namespace

struct kuVideoOutput::state {
    SDL_Window* window = nullptr;
    SDL_Surface* surface = nullptr; // the window's
    std::string title;
};

kuVideoOutput::kuVideoOutput() : my(std::make_unique<state>()) {}

kuVideoOutput::~kuVideoOutput() {
    close();
}

SDL_Surface* kuVideoOutput::open(const sz& size, const sz& smallest, bool fullScreen, bool exact) {
    kuPlatform::setHints(); // the window's surface without OpenGL
    const int width = int(size.width);
    const int height = int(size.height);
    // A new window for every mode, as SDL 1.2 made a new video mode: switching a window that
    // is shown to full screen needs a window manager that obeys, which a bare X server has not.
    close();
    const Uint32 flags = SDL_WINDOW_ALLOW_HIGHDPI |
                         (fullScreen && !exact ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) |
                         (fullScreen ? 0 : SDL_WINDOW_RESIZABLE);
    my->window = SDL_CreateWindow(my->title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                  width, height, flags);
    if (my->window == nullptr)
        return nullptr;
    SDL_SetWindowMinimumSize(my->window, int(smallest.width), int(smallest.height));
    my->surface = SDL_GetWindowSurface(my->window);
    return my->surface;
}

void kuVideoOutput::close() {
    if (my->window != nullptr)
        SDL_DestroyWindow(my->window);
    my->window = nullptr;
    my->surface = nullptr;
}

void kuVideoOutput::show(const SDL_Rect* areas, int count) {
    SDL_UpdateWindowSurfaceRects(my->window, areas, count);
}

void kuVideoOutput::showAll() {
    SDL_UpdateWindowSurface(my->window);
}

bool kuVideoOutput::resized() const {
    if (my->surface == nullptr)
        return false;
    int width = 0;
    int height = 0;
    SDL_GetWindowSizeInPixels(my->window, &width, &height);
    return width != my->surface->w || height != my->surface->h;
}

SDL_Surface* kuVideoOutput::surfaceAfterResize() {
    my->surface = SDL_GetWindowSurface(my->window);
    return my->surface;
}

void kuVideoOutput::setTitle(const std::string& title) {
    my->title = title;
    if (my->window != nullptr)
        SDL_SetWindowTitle(my->window, title.c_str());
}

sz kuVideoOutput::desktopSize() {
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0 || mode.w <= 0 || mode.h <= 0)
        return sizeManip::zeroSize;
    return {uint32_t(mode.w), uint32_t(mode.h)};
}

namespace kuSurfaces {

SDL_Surface* createLike(const SDL_Surface* like, int width, int height) {
    return SDL_CreateRGBSurfaceWithFormat(0, width, height, like->format->BitsPerPixel,
                                          like->format->format);
}

bool isPlain(const SDL_Surface* picture) {
    SDL_BlendMode blending = SDL_BLENDMODE_NONE;
    SDL_GetSurfaceBlendMode(const_cast<SDL_Surface*>(picture), &blending);
    return !SDL_HasColorKey(const_cast<SDL_Surface*>(picture)) && blending == SDL_BLENDMODE_NONE;
}

void setColourKey(SDL_Surface* picture, Uint8 red, Uint8 green, Uint8 blue) {
    SDL_SetColorKey(picture, SDL_TRUE, SDL_MapRGB(picture->format, red, green, blue));
    SDL_SetSurfaceRLE(picture, 1);
}

void setColours(SDL_Surface* surface, const SDL_Color* colours, int count) {
    if (surface->format->palette != nullptr)
        SDL_SetPaletteColors(surface->format->palette, colours, 0, count);
}

SDL_Surface* inDisplayFormat(SDL_Surface* picture) {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0)
        return nullptr;
    return SDL_ConvertSurfaceFormat(picture, displayFormat, 0);
}

SDL_Surface* translucentCopy(SDL_Surface* picture, Uint8 opacity) {
    SDL_Surface* copy = SDL_ConvertSurface(picture, picture->format, 0);
    if (copy == nullptr)
        return nullptr;
    SDL_SetSurfaceAlphaMod(copy, opacity);
    SDL_SetSurfaceBlendMode(copy, SDL_BLENDMODE_BLEND);
    return copy;
}

} // namespace kuSurfaces
