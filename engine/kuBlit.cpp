#include "kuBlit.h"

#include "kuVideo.h"

#include <cstring>

namespace {

// Pictures whose every pixel is copied as it is.
bool copiesPlainly(const SDL_Surface* src, const SDL_Surface* dst) {
    const SDL_PixelFormat* a = src->format;
    const SDL_PixelFormat* b = dst->format;
    return kuSurfaces::isPlain(src) && a->BitsPerPixel == 32 && b->BitsPerPixel == 32 &&
           a->Rmask == b->Rmask && a->Gmask == b->Gmask && a->Bmask == b->Bmask &&
           !SDL_MUSTLOCK(src) && !SDL_MUSTLOCK(dst);
}

void copyRows(SDL_Surface* src, const SDL_Rect& from, SDL_Surface* dst, const SDL_Rect& to) {
    const size_t rowBytes = size_t(from.w) * 4;
    const Uint8* source = static_cast<const Uint8*>(src->pixels) + from.y * src->pitch + from.x * 4;
    Uint8* target = static_cast<Uint8*>(dst->pixels) + to.y * dst->pitch + to.x * 4;
    for (int row = 0; row < from.h; ++row) {
        std::memcpy(target, source, rowBytes);
        source += src->pitch;
        target += dst->pitch;
    }
}

} // namespace

void kuBlit(SDL_Surface* src, const SDL_Rect& from, SDL_Surface* dst, SDL_Rect& to) {
    // The source part clipped to the picture, moving the destination along.
    int x = from.x;
    int y = from.y;
    int w = from.w;
    int h = from.h;
    if (x < 0) {
        w += x;
        to.x = Sint16(to.x - x);
        x = 0;
    }
    if (w > src->w - x)
        w = src->w - x;
    if (y < 0) {
        h += y;
        to.y = Sint16(to.y - y);
        y = 0;
    }
    if (h > src->h - y)
        h = src->h - y;

    // Then the destination clipped to the target's clip rectangle.
    const SDL_Rect& clip = dst->clip_rect;
    if (const int dx = clip.x - to.x; dx > 0) {
        w -= dx;
        to.x = Sint16(to.x + dx);
        x += dx;
    }
    if (const int dx = to.x + w - clip.x - clip.w; dx > 0)
        w -= dx;
    if (const int dy = clip.y - to.y; dy > 0) {
        h -= dy;
        to.y = Sint16(to.y + dy);
        y += dy;
    }
    if (const int dy = to.y + h - clip.y - clip.h; dy > 0)
        h -= dy;

    if (w <= 0 || h <= 0) {
        to.w = 0;
        to.h = 0;
        return;
    }
    SDL_Rect part;
    part.x = Sint16(x);
    part.y = Sint16(y);
    part.w = Uint16(w);
    part.h = Uint16(h);
    to.w = Uint16(w);
    to.h = Uint16(h);
    if (copiesPlainly(src, dst))
        copyRows(src, part, dst, to);
    else
        SDL_LowerBlit(src, &part, dst, &to);
}
