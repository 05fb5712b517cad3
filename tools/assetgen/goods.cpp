// The six goods and the signpost arrow.
#include "palette.h"
#include "props.h"

#include <mazeLayout.h>

#include <cmath>
#include <functional>

namespace props {
namespace {

void flourSack(const Canvas& c) {
    cairo_t* cr = c.cr();
    const rgba cloth{248, 244, 230, 255};
    c.ellipse(12, 8, 3.5, 3);
    c.ellipse(20, 8, 3.5, 3);
    c.fillEdge(cloth, palette::ink, 1.0);
    cairo_move_to(cr, 10, 12);
    cairo_curve_to(cr, 2, 18, 2, 35, 8, 35.5);
    cairo_line_to(cr, 24, 35.5);
    cairo_curve_to(cr, 30, 35, 30, 18, 22, 12);
    cairo_close_path(cr);
    c.fillEdge(cloth, palette::ink, 1.0);
    cairo_rectangle(cr, 4.2, 22, 23.6, 5);
    c.fill(palette::blue);
    c.circle(16, 29.5, 3);
    c.fill(palette::red);
    c.capsule(10, 12, 22, 12, 2.2, palette::woodDark);
    c.capsule(7, 33, 25, 33, 1.0, shade(cloth, 0.15));
}

void beanCan(const Canvas& c) {
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 4, 11, 19, 22);
    c.ellipse(13.5, 33, 9.5, 2.8);
    c.fillEdge(palette::tin, palette::ink, 1.0);
    cairo_rectangle(cr, 4.5, 15, 18, 13);
    c.fill(palette::red);
    c.ellipse(13.5, 21.5, 5.5, 4);
    c.fill(palette::white);
    for (int i = 0; i < 3; ++i) {
        c.ellipse(11 + i * 2.5, 21.5 + (i % 2 ? -1 : 1), 1.5, 1.1);
        c.fill(palette::woodDark);
    }
    c.capsule(7, 13, 7, 31, 1.6, palette::tinLight);
    c.ellipse(13.5, 11, 9.5, 2.8);
    c.fillEdge(palette::tinLight, palette::ink, 1.0);
    c.ellipse(13.5, 11, 6.5, 1.6);
    c.stroke(palette::tin, 0.8);
}

void coffeePot(const Canvas& c) {
    cairo_t* cr = c.cr();
    const rgba enamel = palette::blue;
    cairo_move_to(cr, 10, 19);
    cairo_curve_to(cr, 6, 22, 4, 16, 2.5, 12);
    cairo_line_to(cr, 5, 11.5);
    cairo_curve_to(cr, 7, 15, 8, 17, 11, 16);
    c.fillEdge(enamel, palette::ink, 1.0);
    cairo_move_to(cr, 21, 16);
    cairo_curve_to(cr, 28, 16, 28, 28, 21, 29);
    c.stroke(palette::ink, 3.2);
    cairo_move_to(cr, 21, 16);
    cairo_curve_to(cr, 28, 16, 28, 28, 21, 29);
    c.stroke(palette::blueDark, 1.4);
    cairo_move_to(cr, 11, 12);
    cairo_line_to(cr, 19, 12);
    cairo_line_to(cr, 22.5, 34);
    cairo_line_to(cr, 7.5, 34);
    cairo_close_path(cr);
    c.fillEdge(enamel, palette::ink, 1.0);
    for (auto [x, y] :
         {std::pair{12.0, 20.0}, {17.0, 24.0}, {11.0, 29.0}, {18.5, 31.0}, {15.0, 16.0}}) {
        c.circle(x, y, 0.9);
        c.fill(palette::white);
    }
    c.capsule(10.5, 14, 9, 32, 1.2, shade(enamel, -0.3));
    c.ellipse(15, 12, 5, 2);
    c.fillEdge(palette::blueDark, palette::ink, 1.0);
    c.circle(15, 8.5, 2);
    c.fillEdge(palette::tin, palette::ink, 1.0);
}

void tonicBottle(const Canvas& c) {
    cairo_t* cr = c.cr();
    const rgba glass{60, 170, 90, 255};
    cairo_move_to(cr, 5.5, 6);
    cairo_line_to(cr, 9.5, 6);
    cairo_line_to(cr, 9.5, 13);
    cairo_curve_to(cr, 13, 15, 13, 17, 13, 19);
    cairo_line_to(cr, 13, 34);
    cairo_line_to(cr, 2, 34);
    cairo_line_to(cr, 2, 19);
    cairo_curve_to(cr, 2, 17, 2, 15, 5.5, 13);
    cairo_close_path(cr);
    c.fillEdge(glass, palette::ink, 1.0);
    cairo_rectangle(cr, 2.5, 22, 10, 7);
    c.fill(palette::white);
    c.capsule(5, 24.5, 10, 24.5, 1.0, palette::red);
    c.capsule(4.2, 18, 4.2, 32, 1.2, shade(glass, -0.45));
    cairo_rectangle(cr, 5.5, 2.5, 4, 4);
    c.fillEdge(palette::woodLight, palette::ink, 1.0);
}

void lantern(const Canvas& c) {
    cairo_t* cr = c.cr();
    cairo_arc(cr, 13.5, 11, 6, M_PI, 2 * M_PI);
    c.stroke(palette::ink, 2.6);
    cairo_arc(cr, 13.5, 11, 6, M_PI, 2 * M_PI);
    c.stroke(palette::iron, 1.0);
    c.ellipse(13.5, 22.5, 7, 8.5);
    c.fillEdge(rgba{255, 246, 196, 255}, palette::ink, 1.0);
    cairo_move_to(cr, 13.5, 16.5);
    cairo_curve_to(cr, 17, 21, 16, 26, 13.5, 26);
    cairo_curve_to(cr, 11, 26, 10, 21, 13.5, 16.5);
    c.fillEdge(palette::yellow, rgba{240, 120, 30, 255}, 1.0);
    for (double x : {9.0, 13.5, 18.0})
        c.capsule(x, 14.5, x, 30.5, 0.9, palette::iron);
    c.roundedBox(8, 11, 11, 4, 1.5);
    c.fillEdge(palette::red, palette::ink, 1.0);
    c.roundedBox(5, 30, 17, 5, 1.5);
    c.fillEdge(palette::red, palette::ink, 1.0);
}

void cheeseWheel(const Canvas& c) {
    cairo_t* cr = c.cr();
    const rgba rind{250, 196, 60, 255};
    const rgba inside{255, 226, 120, 255};
    constexpr double cx = 19.5, top = 17, depth = 10, rx = 17.5, ry = 8;
    constexpr double cutFrom = -0.35, cutTo = 0.55; // the missing wedge, radians
    cairo_save(cr);
    cairo_translate(cr, cx, top + depth);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, M_PI);
    cairo_restore(cr);
    cairo_line_to(cr, cx - rx, top);
    cairo_line_to(cr, cx + rx, top);
    cairo_close_path(cr);
    c.fillEdge(shade(rind, 0.12), palette::ink, 1.0);
    auto rim = [&](double a, double dy) {
        return std::pair{cx + rx * std::cos(a), top + dy + ry * std::sin(a)};
    };
    auto [bx, by] = rim(cutTo, 0);
    auto [bx2, by2] = rim(cutTo, depth);
    cairo_move_to(cr, cx, top);
    cairo_line_to(cr, bx, by);
    cairo_line_to(cr, bx2, by2);
    cairo_line_to(cr, cx, top + depth);
    cairo_close_path(cr);
    c.fillEdge(inside, palette::ink, 1.0);
    cairo_move_to(cr, cx, top);
    cairo_save(cr);
    cairo_translate(cr, cx, top);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, cutTo, cutFrom + 2 * M_PI);
    cairo_restore(cr);
    cairo_close_path(cr);
    c.fillEdge(rind, palette::ink, 1.0);
    for (auto [x, y, r] : {std::tuple{11.0, 15.0, 1.6},
                           {18.0, 20.5, 1.2},
                           {24.0, 13.5, 1.3},
                           {9.0, 22.0, 1.0},
                           {15.5, 12.0, 0.9}}) {
        c.ellipse(x, y, r * 1.3, r);
        c.fill(shade(rind, 0.2));
    }
}

// The goods are drawn small and soft, so that the characters stand out among them at a glance:
// at three quarters of their size, their colours a third of the way to the sand, edged in
// brown instead of ink.
constexpr double goodsScale = 0.75;
constexpr double towardsSand = 0.33;
constexpr rgba goodsEdge{132, 92, 60, 255};

void soften(Picture& good) {
    const auto mix = [](uint8_t from, uint8_t to) {
        return uint8_t(from + (to - from) * towardsSand + 0.5);
    };
    for (int y = 0; y < good.height(); ++y)
        for (int x = 0; x < good.width(); ++x) {
            rgba& c = good.at(x, y);
            if (c.a == 0)
                continue;
            c = {mix(c.r, palette::sand.r), mix(c.g, palette::sand.g), mix(c.b, palette::sand.b),
                 c.a};
        }
}

} // namespace

Picture products() {
    const std::function<void(const Canvas&)> drawers[mazeLayout::productKinds] = {
        flourSack, beanCan, coffeePot, tonicBottle, lantern, cheeseWheel};
    int sheetWidth = 0;
    for (int w : mazeLayout::productWidth)
        sheetWidth += w;
    Picture sheet(sheetWidth, mazeLayout::productHeight);
    for (int kind = 0; kind < mazeLayout::productKinds; ++kind) {
        const int width = mazeLayout::productWidth[kind], height = mazeLayout::productHeight;
        Canvas canvas(width, height);
        cairo_t* cr = canvas.cr();
        cairo_translate(cr, width / 2.0, height / 2.0);
        cairo_scale(cr, goodsScale, goodsScale);
        cairo_translate(cr, -width / 2.0, -height / 2.0);
        drawers[kind](canvas);
        Picture good = canvas.picture();
        good.snapAlpha();
        good.fillPinholes(palette::ink);
        soften(good);
        good.outline(goodsEdge);
        good.fillPinholes(goodsEdge);
        sheet.overlay(good, mazeLayout::productX[kind], 0);
    }
    return sheet;
}

Picture arrow() {
    constexpr int directions = 8;
    Picture sheet(directions * framePx, framePx);
    for (int frame = 0; frame < directions; ++frame) {
        Canvas canvas(framePx, framePx);
        cairo_t* cr = canvas.cr();
        cairo_translate(cr, framePx / 2.0, framePx / 2.0);
        canvas.circle(0, 2, 5);
        canvas.fillEdge(palette::woodDark, palette::ink, 1.2);
        cairo_rotate(cr, frame * M_PI / 4);
        const double board[][2] = {{0, -18},  {10, -6},   {4.5, -6},    {4.5, 11.5}, {6.5, 15},
                                   {0, 12.5}, {-6.5, 15}, {-4.5, 11.5}, {-4.5, -6},  {-10, -6}};
        for (const auto& p : board)
            cairo_line_to(cr, p[0], p[1]);
        cairo_close_path(cr);
        canvas.fillEdge(palette::woodLight, palette::ink, 1.4);
        cairo_move_to(cr, 0, -17);
        cairo_line_to(cr, 9, -6.5);
        cairo_line_to(cr, -9, -6.5);
        cairo_close_path(cr);
        canvas.fill(palette::red);
        canvas.capsule(-1.5, -3, -1.5, 11, 1.0, palette::wood);
        canvas.capsule(2, -1, 2, 9, 1.0, palette::wood);
        canvas.circle(0, 2, 2);
        canvas.fillEdge(palette::tin, palette::ink, 1.0);
        Picture picture = canvas.picture();
        picture.snapAlpha();
        picture.outline(palette::ink);
        sheet.overlay(picture, frame * framePx, 0);
    }
    return sheet;
}

} // namespace props
