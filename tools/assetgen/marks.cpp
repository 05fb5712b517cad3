#include "marks.h"

#include "canvas.h"
#include "characters.h"
#include "palette.h"

#include <readingsLayout.h>

#include <cmath>

namespace marks {
namespace {

using readingsLayout::box;

// Keyed pictures need hard edges: every pixel opaque or transparent, the figure edged in ink.
Picture hardEdged(const Canvas& canvas) {
    Picture picture = canvas.picture();
    picture.snapAlpha();
    picture.fillPinholes(palette::ink);
    return picture;
}

// A ring behind the hero, the width of a brick: an ink rim, red, then white inside, so that it
// reads on the sand, on the goods and on the super form's own gold, in any colour vision.
Picture glow() {
    const box& at = readingsLayout::glowMark;
    Canvas c(at.width, at.height);
    cairo_set_fill_rule(c.cr(), CAIRO_FILL_RULE_EVEN_ODD);
    const double cx = at.width / 2.0, cy = at.height / 2.0, outer = at.width / 2.0 - 0.5;
    const auto band = [&](double from, double to, rgba colour) {
        c.circle(cx, cy, outer - from);
        c.circle(cx, cy, outer - to);
        c.fill(colour);
    };
    band(0, 1.5, palette::ink);
    band(1.5, 4.5, palette::red);
    band(4.5, 6.5, palette::white);
    return hardEdged(c);
}

// A speech bubble saying "wait", its tail pointing down at the hero.
Picture waitBubble(const TypeFace& face) {
    const box& at = readingsLayout::waitMark;
    Canvas c(at.width, at.height);
    cairo_t* cr = c.cr();
    c.roundedBox(1, 1, at.width - 2, at.height - 6, 4);
    cairo_move_to(cr, at.width / 2.0 - 4, at.height - 6);
    cairo_line_to(cr, at.width / 2.0, at.height - 1);
    cairo_line_to(cr, at.width / 2.0 + 3, at.height - 6);
    c.fillEdge(palette::white, palette::ink, 1.5);
    Lettering look;
    look.sizePx = 10.5;
    look.top = look.bottom = palette::ink;
    look.edgePx = 0.6;
    letter(c, face, "wait", at.width / 2.0, at.height - 8.5, align::centre, look);
    return hardEdged(c);
}

// A loudspeaker crossed out in red, on a dark disc that reads on the bricks.
Picture muteMark() {
    const box& at = readingsLayout::muteMarkPicture;
    Canvas c(at.width, at.height);
    cairo_t* cr = c.cr();
    const double cx = at.width / 2.0, cy = at.height / 2.0;
    c.circle(cx, cy, at.width / 2.0 - 0.5);
    c.fillEdge(palette::woodDeep, palette::ink, 1.5);
    cairo_rectangle(cr, cx - 7, cy - 3, 4, 6);
    cairo_move_to(cr, cx - 3, cy - 3);
    cairo_line_to(cr, cx + 2, cy - 7);
    cairo_line_to(cr, cx + 2, cy + 7);
    cairo_line_to(cr, cx - 3, cy + 3);
    cairo_close_path(cr);
    c.fill(palette::white);
    c.capsule(cx + 4, cy - 4, cx + 9, cy + 4, 2.4, palette::red);
    c.capsule(cx + 4, cy + 4, cx + 9, cy - 4, 2.4, palette::red);
    return hardEdged(c);
}

// The kid, small: one life.
Picture life() {
    const box& at = readingsLayout::lifeMark;
    Canvas c(at.width, at.height);
    characters::drawPortrait(c, characters::who::kid, characters::portrait::standing,
                             at.width / 2.0, at.height - 0.5, 0.5);
    Picture picture = hardEdged(c);
    picture.outline(palette::ink);
    return picture;
}

// The super bar's fill: the super form's gold, lit along the top.
Picture barFill() {
    const box& at = readingsLayout::barFill;
    Canvas c(at.width, at.height);
    cairo_rectangle(c.cr(), 0, 0, at.width, at.height);
    c.fill(palette::gold);
    cairo_rectangle(c.cr(), 0, 0, at.width, 3);
    c.fill(palette::white);
    cairo_rectangle(c.cr(), 0, at.height - 3, at.width, 3);
    c.fill(rgba{236, 150, 20, 255});
    return hardEdged(c);
}

// A signboard of light wood with the words in the game's lettering.
Picture banner(const TypeFace& face, const box& at, const char* words, double sizePx) {
    Canvas c(at.width, at.height);
    cairo_t* cr = c.cr();
    c.roundedBox(2, 2, at.width - 4, at.height - 4, 8);
    cairo_pattern_t* wood = cairo_pattern_create_linear(0, 2, 0, at.height - 2);
    cairo_pattern_add_color_stop_rgb(wood, 0, palette::woodLight.r / 255.0,
                                     palette::woodLight.g / 255.0, palette::woodLight.b / 255.0);
    cairo_pattern_add_color_stop_rgb(wood, 1, palette::wood.r / 255.0, palette::wood.g / 255.0,
                                     palette::wood.b / 255.0);
    cairo_set_source(cr, wood);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(wood);
    c.stroke(palette::ink, 3);
    c.roundedBox(6, 6, at.width - 12, at.height - 12, 5);
    c.stroke(palette::woodDark, 1.2);
    Lettering look;
    look.sizePx = sizePx;
    look.edgePx = 3;
    letter(c, face, words, at.width / 2.0, at.height / 2.0 + sizePx * 0.34, align::centre, look);
    return hardEdged(c);
}

void place(Picture& sheet, const Picture& part, const box& at) {
    sheet.overlay(part, at.x, at.y);
}

} // namespace

Picture marks(const TypeFace& face) {
    Picture sheet(readingsLayout::marksWidth, readingsLayout::marksHeight);
    place(sheet, glow(), readingsLayout::glowMark);
    place(sheet, waitBubble(face), readingsLayout::waitMark);
    place(sheet, muteMark(), readingsLayout::muteMarkPicture);
    place(sheet, life(), readingsLayout::lifeMark);
    place(sheet, barFill(), readingsLayout::barFill);
    return sheet;
}

Picture banners(const TypeFace& face) {
    Picture sheet(readingsLayout::bannersWidth, readingsLayout::bannersHeight);
    place(sheet, banner(face, readingsLayout::readyBanner, "ready!", 27),
          readingsLayout::readyBanner);
    place(sheet, banner(face, readingsLayout::gateBanner, "the gate is open!", 25),
          readingsLayout::gateBanner);
    return sheet;
}

} // namespace marks
