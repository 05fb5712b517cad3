// Reads the generated pictures back as SDL sees them, for the checks of the asset generator.
#pragma once

#include "headlessSdl.h"

#include <string>
#include <vector>

constexpr rgb keyRgb = {220, 188, 108};

// A picture loaded with SDL_LoadBMP and converted to plain RGB pixels.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<rgb> pixels;

    bool loaded() const { return width > 0; }
    const rgb& at(int x, int y) const { return pixels[size_t(y) * width + x]; }
    bool isKey(int x, int y) const { return at(x, y) == keyRgb; }
};

// The path of a generated file, given relative to the build tree where the game finds it.
std::string assetPath(const std::string& relative);

// Empty (0 x 0) when the file cannot be loaded.
Bitmap loadBitmap(const std::string& path);

double luminance(const rgb& c);
// Mean luminance of the rectangle.
double meanLuminance(const Bitmap& picture, int x, int y, int width, int height);
// True when the cells (x0, y0) and (x1, y1) of size w x h have the same transparent pixels.
bool sameMask(const Bitmap& picture, int x0, int y0, int x1, int y1, int w, int h);
// Number of pixels that differ between the two cells.
int differingPixels(const Bitmap& picture, int x0, int y0, int x1, int y1, int w, int h);
