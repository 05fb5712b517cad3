// A picture in memory: straight (not premultiplied) RGBA pixels, row by row from the top.
// Keyed pictures use alpha 0 for the transparent ground and 255 for every figure pixel; the
// BMP writer turns the former into the colour key.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

struct rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const rgba& o) const { return !(*this == o); }
};

class Picture {
public:
    Picture(int width, int height);

    // Copies a cairo ARGB32 or RGB24 surface, undoing cairo's premultiplied alpha.
    static Picture fromSurface(cairo_surface_t* surface);

    int width() const { return w; }
    int height() const { return h; }
    rgba& at(int x, int y) { return pixels[y * w + x]; }
    const rgba& at(int x, int y) const { return pixels[y * w + x]; }
    bool opaqueAt(int x, int y) const { return at(x, y).a != 0; }

    // Makes every pixel either transparent or opaque, so that no edge blends into the key.
    void snapAlpha();
    // Paints `colour` on every transparent pixel that touches an opaque one (8 neighbours),
    // `rings` times: a hard outline around every figure.
    void outline(rgba colour, int rings = 1);
    // Fills every transparent pixel whose eight neighbours are all opaque with `colour`:
    // a pinhole in a figure reads as a speck of dirt, not as a gap.
    void fillPinholes(rgba colour);
    // Copies `source` with its top-left corner at (x, y); transparent source pixels are
    // skipped, the rest replace what lies here. Parts outside this picture are cut off.
    void overlay(const Picture& source, int x, int y);
    // The part (x, y, width, height) of this picture.
    Picture crop(int x, int y, int width, int height) const;

private:
    int w;
    int h;
    std::vector<rgba> pixels;
};
