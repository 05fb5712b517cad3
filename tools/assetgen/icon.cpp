#include "icon.h"

#include "canvas.h"
#include "characters.h"
#include "palette.h"

#include <cairo-svg.h>

#include <stdexcept>

namespace icon {
namespace {

// The drawing is made on a 64-unit square and scaled to the size asked for.
constexpr double designUnits = 64;
constexpr double tileMargin = 2;
constexpr double tileRadius = 12;
constexpr double edgeWidth = 2.5;
// The standing kid, his feet far below the tile so that his head and hat fill it.
constexpr double feetX = 32, feetY = 103, figureScale = 2.6;

void drawTile(const Canvas& c) {
    cairo_t* cr = c.cr();
    const double side = designUnits - 2 * tileMargin;
    c.roundedBox(tileMargin, tileMargin, side, side, tileRadius);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, tileMargin, 0, tileMargin + side);
    for (auto [offset, colour] : {std::pair{0.0, palette::skyTop}, {1.0, palette::skyLow}})
        cairo_pattern_add_color_stop_rgb(sky, offset, colour.r / 255.0, colour.g / 255.0,
                                         colour.b / 255.0);
    cairo_set_source(cr, sky);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(sky);
    cairo_save(cr);
    cairo_clip(cr);
    c.circle(50, 14, 8);
    c.fill(palette::sun);
    characters::drawPortrait(c, characters::who::kid, characters::portrait::standing, feetX, feetY,
                             figureScale);
    cairo_restore(cr);
    c.roundedBox(tileMargin, tileMargin, side, side, tileRadius);
    c.stroke(palette::ink, edgeWidth);
}

void drawScaled(const Canvas& canvas, int sizePx) {
    cairo_scale(canvas.cr(), sizePx / designUnits, sizePx / designUnits);
    drawTile(canvas);
}

} // namespace

Picture picture(int sizePx) {
    Canvas canvas(sizePx, sizePx);
    drawScaled(canvas, sizePx);
    return canvas.picture();
}

void writePng(const std::string& file, int sizePx) {
    Canvas canvas(sizePx, sizePx);
    drawScaled(canvas, sizePx);
    if (cairo_surface_write_to_png(canvas.surface(), file.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + file);
}

void writeSvg(const std::string& file, int sizePx) {
    cairo_surface_t* svg = cairo_svg_surface_create(file.c_str(), sizePx, sizePx);
    cairo_svg_surface_set_document_unit(svg, CAIRO_SVG_UNIT_PX);
    Canvas canvas(svg, sizePx, sizePx);
    drawScaled(canvas, sizePx);
    cairo_surface_finish(canvas.surface());
    if (cairo_surface_status(canvas.surface()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + file);
}

} // namespace icon
