// The output on SDL 1.2: the video mode is the output, and SDL_UpdateRects shows its parts.
#include "kuVideo.h"

struct kuVideoOutput::state {
    SDL_Surface* surface = nullptr; // the library's
    std::string title;
};

kuVideoOutput::kuVideoOutput() : my(std::make_unique<state>()) {}

kuVideoOutput::~kuVideoOutput() = default;

// A video mode has the size asked for, so neither a smallest size nor `exact` changes anything.
SDL_Surface* kuVideoOutput::open(const sz& size, const sz&, bool fullScreen, bool) {
    constexpr int bitsPerPixel = 32;
    my->surface = SDL_SetVideoMode(int(size.width), int(size.height), bitsPerPixel,
                                   fullScreen ? SDL_FULLSCREEN : 0);
    if (my->surface != nullptr && !my->title.empty())
        SDL_WM_SetCaption(my->title.c_str(), my->title.c_str());
    return my->surface;
}

// The video mode stays set until SDL shuts down.
void kuVideoOutput::close() {
    my->surface = nullptr;
}

void kuVideoOutput::show(const SDL_Rect* areas, int count) {
    SDL_UpdateRects(my->surface, count, const_cast<SDL_Rect*>(areas));
}

void kuVideoOutput::showAll() {
    SDL_UpdateRect(my->surface, 0, 0, 0, 0);
}

// A video mode never changes its size by itself.
bool kuVideoOutput::resized() const {
    return false;
}

SDL_Surface* kuVideoOutput::surfaceAfterResize() {
    return my->surface;
}

void kuVideoOutput::setTitle(const std::string& title) {
    my->title = title;
    if (my->surface != nullptr)
        SDL_WM_SetCaption(title.c_str(), title.c_str());
}

sz kuVideoOutput::desktopSize() {
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (info == nullptr || info->current_w <= 0 || info->current_h <= 0)
        return sizeManip::zeroSize;
    return {uint32_t(info->current_w), uint32_t(info->current_h)};
}

namespace kuSurfaces {

SDL_Surface* createLike(const SDL_Surface* like, int width, int height) {
    const SDL_PixelFormat* format = like->format;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, format->BitsPerPixel, format->Rmask,
                                format->Gmask, format->Bmask, format->Amask);
}

bool isPlain(const SDL_Surface* picture) {
    return (picture->flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA)) == 0;
}

void setColourKey(SDL_Surface* picture, Uint8 red, Uint8 green, Uint8 blue) {
    SDL_SetColorKey(picture, SDL_SRCCOLORKEY | SDL_RLEACCEL,
                    SDL_MapRGB(picture->format, red, green, blue));
}

void setColours(SDL_Surface* surface, const SDL_Color* colours, int count) {
    SDL_SetColors(surface, const_cast<SDL_Color*>(colours), 0, count);
}

SDL_Surface* inDisplayFormat(SDL_Surface* picture) {
    if (SDL_GetVideoSurface() == nullptr)
        return nullptr;
    return SDL_DisplayFormat(picture);
}

SDL_Surface* translucentCopy(SDL_Surface* picture, Uint8 opacity) {
    SDL_Surface* copy = SDL_ConvertSurface(picture, picture->format, picture->flags);
    if (copy != nullptr)
        SDL_SetAlpha(copy, SDL_SRCALPHA, opacity);
    return copy;
}

} // namespace kuSurfaces
