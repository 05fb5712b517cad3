#include "fontSheet.h"

#include "palette.h"

#include <algorithm>
#include <initializer_list>
#include <string>

namespace fontSheet {
namespace {

constexpr double sizePx = 21.5;
constexpr double baselinePx = 18.5;
constexpr double outlinePx = 2.0; // the outline needs a pixel each side

void fillGlyphPath(const Canvas& c) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 4, 0, baselinePx);
    auto stop = [gradient](double at, rgba colour) {
        cairo_pattern_add_color_stop_rgb(gradient, at, colour.r / 255.0, colour.g / 255.0,
                                         colour.b / 255.0);
    };
    stop(0, palette::glyphTop);
    stop(1, palette::glyphBottom);
    cairo_set_source(c.cr(), gradient);
    cairo_fill(c.cr());
    cairo_pattern_destroy(gradient);
}

// One glyph in the lettering, centred in the first `widthPx` pixels of its cell and narrowed
// where needed to leave room for its outline.
Picture letterGlyph(const TypeFace& face, const std::string& text, int widthPx = glyphWidthPx) {
    Canvas c(glyphWidthPx, glyphHeightPx);
    cairo_t* cr = c.cr();
    face.use(cr, sizePx);
    cairo_text_extents_t ink;
    cairo_text_extents(cr, text.c_str(), &ink);
    const double squeeze = std::min(1.0, (widthPx - outlinePx) / ink.width);
    cairo_translate(cr, widthPx / 2.0, 0);
    cairo_scale(cr, squeeze, 1);
    cairo_move_to(cr, -ink.x_bearing - ink.width / 2, baselinePx);
    cairo_text_path(cr, text.c_str());
    cairo_identity_matrix(cr);
    fillGlyphPath(c);
    return c.picture();
}

// The cursor: a bar under the place where the next letter goes.
Picture cursorGlyph() {
    Canvas c(glyphWidthPx, glyphHeightPx);
    cairo_rectangle(c.cr(), 1.5, 19, glyphWidthPx - 3, 3.5);
    fillGlyphPath(c);
    return c.picture();
}

// Square dots at the given heights, centred in the first `widthPx` pixels of the cell: two
// make the clock's separator and the colon, one the middle dot.
Picture dotsGlyph(std::initializer_list<double> tops, int widthPx = glyphWidthPx) {
    Canvas c(glyphWidthPx, glyphHeightPx);
    for (double top : tops)
        cairo_rectangle(c.cr(), widthPx / 2.0 - 2, top, 4, 4);
    fillGlyphPath(c);
    return c.picture();
}

constexpr double upperDotTop = 7, lowerDotTop = 14.5, middleDotTop = 10.5;

Picture signGlyph(const TypeFace& face, const fontLayout::sign& sign) {
    if (sign.code == ':')
        return dotsGlyph({upperDotTop, lowerDotTop}, sign.width);
    if (sign.code == fontLayout::middleDot)
        return dotsGlyph({middleDotTop}, sign.width);
    return letterGlyph(face, std::string(1, sign.code), sign.width);
}

void place(Picture& sheet, Picture glyph, int column, int row) {
    glyph.snapAlpha();
    glyph.fillPinholes(palette::ink);
    glyph.outline(palette::ink);
    glyph.fillPinholes(palette::ink);
    sheet.overlay(glyph, column * glyphWidthPx, row * glyphHeightPx);
}

} // namespace

Picture glyphs(const TypeFace& face) {
    using namespace fontLayout;
    Picture sheet(cellsPerRow * glyphWidthPx, rowCount * glyphHeightPx);
    for (int i = 0; i < 26; ++i) {
        place(sheet, letterGlyph(face, std::string(1, char('a' + i))), i, letterRow);
        place(sheet, letterGlyph(face, std::string(1, char('A' + i))), i, capitalRow);
    }
    for (int i = 0; i < 10; ++i)
        place(sheet, letterGlyph(face, std::string(1, char('0' + i))), i, digitRow);
    place(sheet, cursorGlyph(), 0, counterRow);
    place(sheet, dotsGlyph({upperDotTop, lowerDotTop}), 1, counterRow);
    const char* umlauts[] = {"\xc3\xa4", "\xc3\xb6", "\xc3\xbc"}; // a, o, u with umlauts
    for (int i = 0; i < 3; ++i)
        place(sheet, letterGlyph(face, umlauts[i]), 2 + i, counterRow);
    for (int i = 0; i < signCount; ++i)
        place(sheet, signGlyph(face, signs[i]), i, signRow);
    return sheet;
}

} // namespace fontSheet
