#include "generatedAssets.h"

#include <SDL.h>

std::string assetPath(const std::string& relative) {
    return std::string(QUARO_ASSET_DIR) + "/" + relative;
}

Bitmap loadBitmap(const std::string& path) {
    Bitmap picture;
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (loaded == nullptr)
        return picture;
    SDL_Surface* rgbSurface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, loaded->w, loaded->h, 24, 0xff, 0xff00, 0xff0000, 0);
    SDL_BlitSurface(loaded, nullptr, rgbSurface, nullptr);
    picture.width = loaded->w;
    picture.height = loaded->h;
    picture.pixels.resize(size_t(loaded->w) * loaded->h);
    SDL_LockSurface(rgbSurface);
    for (int y = 0; y < loaded->h; ++y) {
        const auto* row = static_cast<const Uint8*>(rgbSurface->pixels) + y * rgbSurface->pitch;
        for (int x = 0; x < loaded->w; ++x)
            picture.pixels[size_t(y) * loaded->w + x] = {row[3 * x], row[3 * x + 1],
                                                         row[3 * x + 2]};
    }
    SDL_UnlockSurface(rgbSurface);
    SDL_FreeSurface(rgbSurface);
    SDL_FreeSurface(loaded);
    return picture;
}

double luminance(const rgb& c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

double meanLuminance(const Bitmap& picture, int x, int y, int width, int height) {
    double sum = 0;
    for (int j = y; j < y + height; ++j)
        for (int i = x; i < x + width; ++i)
            sum += luminance(picture.at(i, j));
    return sum / (width * height);
}

bool sameMask(const Bitmap& picture, int x0, int y0, int x1, int y1, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (picture.isKey(x0 + x, y0 + y) != picture.isKey(x1 + x, y1 + y))
                return false;
    return true;
}

int differingPixels(const Bitmap& picture, int x0, int y0, int x1, int y1, int w, int h) {
    int count = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            count += picture.at(x0 + x, y0 + y) != picture.at(x1 + x, y1 + y);
    return count;
}
