#include "picture.h"

#include <stdexcept>

Picture::Picture(int width, int height) : w(width), h(height), pixels(width * height) {}

Picture Picture::fromSurface(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const cairo_format_t format = cairo_image_surface_get_format(surface);
    if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24)
        throw std::runtime_error("unsupported cairo surface format");
    Picture picture(cairo_image_surface_get_width(surface),
                    cairo_image_surface_get_height(surface));
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < picture.h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < picture.w; ++x) {
            const uint32_t argb = row[x];
            const int a = format == CAIRO_FORMAT_RGB24 ? 255 : int(argb >> 24);
            rgba& p = picture.at(x, y);
            p.a = uint8_t(a);
            if (a == 0)
                continue;
            auto unpremultiply = [a](uint32_t c) { return uint8_t((c * 255 + a / 2) / a); };
            p.r = unpremultiply((argb >> 16) & 0xff);
            p.g = unpremultiply((argb >> 8) & 0xff);
            p.b = unpremultiply(argb & 0xff);
        }
    }
    return picture;
}

void Picture::snapAlpha() {
    constexpr int halfAlpha = 128;
    for (rgba& p : pixels)
        p = p.a >= halfAlpha ? rgba{p.r, p.g, p.b, 255} : rgba{};
}

void Picture::outline(rgba colour, int rings) {
    colour.a = 255;
    for (int ring = 0; ring < rings; ++ring) {
        std::vector<bool> touches(pixels.size(), false);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (opaqueAt(x, y))
                    continue;
                for (int dy = -1; dy <= 1 && !touches[y * w + x]; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx >= 0 && ny >= 0 && nx < w && ny < h && opaqueAt(nx, ny)) {
                            touches[y * w + x] = true;
                            break;
                        }
                    }
            }
        for (size_t i = 0; i < pixels.size(); ++i)
            if (touches[i])
                pixels[i] = colour;
    }
}

void Picture::fillPinholes(rgba colour) {
    colour.a = 255;
    std::vector<size_t> holes;
    for (int y = 1; y + 1 < h; ++y)
        for (int x = 1; x + 1 < w; ++x) {
            bool enclosed = !opaqueAt(x, y);
            for (int dy = -1; dy <= 1 && enclosed; ++dy)
                for (int dx = -1; dx <= 1 && enclosed; ++dx)
                    enclosed = (dx == 0 && dy == 0) || opaqueAt(x + dx, y + dy);
            if (enclosed)
                holes.push_back(size_t(y) * w + x);
        }
    for (size_t i : holes)
        pixels[i] = colour;
}

void Picture::overlay(const Picture& source, int x, int y) {
    for (int sy = 0; sy < source.h; ++sy)
        for (int sx = 0; sx < source.w; ++sx) {
            const int tx = x + sx, ty = y + sy;
            if (tx < 0 || ty < 0 || tx >= w || ty >= h || !source.opaqueAt(sx, sy))
                continue;
            at(tx, ty) = source.at(sx, sy);
        }
}

Picture Picture::crop(int x, int y, int width, int height) const {
    Picture part(width, height);
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i)
            part.at(i, j) = at(x + i, y + j);
    return part;
}
