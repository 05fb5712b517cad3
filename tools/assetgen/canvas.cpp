#include "canvas.h"

#include <cmath>
#include <stdexcept>

Canvas::Canvas(int width, int height, bool smooth)
    : Canvas(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), width, height) {
    cairo_set_antialias(context, smooth ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

Canvas::Canvas(cairo_surface_t* surface, int width, int height)
    : w(width), h(height), target(surface), context(cairo_create(target)) {
    if (cairo_status(context) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(context);
        cairo_surface_destroy(target);
        throw std::runtime_error("cannot create a cairo surface");
    }
    cairo_set_line_join(context, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
    cairo_destroy(context);
    cairo_surface_destroy(target);
}

void Canvas::colour(rgba c) const {
    cairo_set_source_rgba(context, c.r / 255.0, c.g / 255.0, c.b / 255.0, c.a / 255.0);
}

void Canvas::fillEdge(rgba fill, rgba edge, double edgeWidth) const {
    colour(fill);
    cairo_fill_preserve(context);
    colour(edge);
    cairo_set_line_width(context, edgeWidth);
    cairo_stroke(context);
}

void Canvas::fill(rgba c) const {
    colour(c);
    cairo_fill(context);
}

void Canvas::stroke(rgba c, double lineWidth) const {
    colour(c);
    cairo_set_line_width(context, lineWidth);
    cairo_stroke(context);
}

void Canvas::roundedBox(double x, double y, double width, double height, double radius) const {
    const double r = std::fmin(radius, std::fmin(width, height) / 2);
    cairo_new_sub_path(context);
    cairo_arc(context, x + width - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(context, x + width - r, y + height - r, r, 0, M_PI / 2);
    cairo_arc(context, x + r, y + height - r, r, M_PI / 2, M_PI);
    cairo_arc(context, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(context);
}

void Canvas::ellipse(double cx, double cy, double rx, double ry) const {
    cairo_save(context);
    cairo_translate(context, cx, cy);
    cairo_scale(context, rx, ry);
    cairo_new_sub_path(context);
    cairo_arc(context, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(context);
    cairo_restore(context);
}

void Canvas::capsule(double x0, double y0, double x1, double y1, double thickness, rgba c) const {
    cairo_move_to(context, x0, y0);
    cairo_line_to(context, x1, y1);
    stroke(c, thickness);
}

void Canvas::paste(const Picture& picture, double x, double y) const {
    cairo_surface_t* source = surfaceOf(picture);
    cairo_set_source_surface(context, source, x, y);
    cairo_paint(context);
    cairo_surface_destroy(source);
}

cairo_surface_t* surfaceOf(const Picture& picture) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width(), picture.height());
    cairo_surface_flush(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < picture.width(); ++x) {
            const rgba p = picture.at(x, y);
            auto pre = [&p](uint8_t c) { return uint32_t((c * p.a + 127) / 255); };
            row[x] = uint32_t(p.a) << 24 | pre(p.r) << 16 | pre(p.g) << 8 | pre(p.b);
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}
