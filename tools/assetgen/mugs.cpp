// The four foaming mugs, each standing on the straw mat of its maze corner.
#include "maze.h"
#include "palette.h"
#include "props.h"

#include <mazeLayout.h>

#include <cmath>

namespace props {
namespace {

constexpr int mugFrames = 10;
constexpr int mugKinds = 4;
// Only the mat is repeated under each mug, so that every frame covers the same disc.
constexpr double discRadiusPx = maze::matRadiusPx - 1;

struct MugLook {
    rgba body;
    rgba band;
    bool glass;
};

constexpr MugLook looks[mugKinds] = {
    {{180, 188, 200, 255}, {120, 126, 140, 255}, false}, // pewter
    {{200, 130, 66, 255}, {92, 96, 108, 255}, false},    // wooden tankard
    {{214, 92, 62, 255}, {250, 236, 200, 255}, false},   // glazed clay
    {{196, 230, 240, 255}, {150, 200, 220, 255}, true},  // glass
};

void drawMug(const Canvas& c, const MugLook& look, int frame) {
    cairo_t* cr = c.cr();
    const double t = 2 * M_PI * frame / mugFrames;
    // handle
    cairo_move_to(cr, 25, 20);
    cairo_curve_to(cr, 32, 20, 32, 29, 25, 29);
    c.stroke(palette::ink, 4.2);
    cairo_move_to(cr, 25, 20);
    cairo_curve_to(cr, 32, 20, 32, 29, 25, 29);
    c.stroke(look.band, 2.0);
    // body
    c.ellipse(19, 32, 7, 2.2);
    cairo_rectangle(cr, 12, 17, 14, 15);
    c.fillEdge(look.body, palette::ink, 1.0);
    if (look.glass) {
        cairo_rectangle(cr, 13.5, 19, 11, 12);
        c.fill(palette::rootBeer);
        c.capsule(14.5, 20, 14.5, 29, 1.4, palette::white);
    } else {
        c.capsule(12.5, 21, 25.5, 21, 1.6, look.band);
        c.capsule(12.5, 28.5, 25.5, 28.5, 1.6, look.band);
        c.capsule(14.5, 18, 14.5, 31, 1.3, shade(look.body, -0.35));
    }
    // foam: a head of bubbles that swell and settle in turn, and a drip running down
    const double dripY = 18 + 9 * std::fmod(frame / double(mugFrames) * 1.0, 1.0);
    c.capsule(13, 17, 13, dripY, 2.6, palette::ink);
    c.capsule(13, 17, 13, dripY, 1.4, palette::foam);
    const double bubbles[][2] = {{13.5, 15.5}, {17, 13.5}, {21, 13}, {24.5, 15.5}, {19, 16}};
    for (int i = 0; i < 5; ++i) {
        const double r = 3.2 + 0.7 * std::sin(t + i * 1.9);
        c.circle(bubbles[i][0], bubbles[i][1], r);
        c.fillEdge(palette::foam, palette::ink, 1.0);
    }
    for (int i = 0; i < 5; ++i) {
        const double r = 3.2 + 0.7 * std::sin(t + i * 1.9) - 1.1;
        c.circle(bubbles[i][0], bubbles[i][1], r);
        c.fill(palette::foam);
    }
    const double rise = std::fmod(frame * 1.0, 5.0);
    c.circle(18 + (frame % 2), 10.5 - rise, 1.0 + 0.15 * rise);
    c.fillEdge(palette::foam, palette::ink, 0.8);
    c.circle(16, 13, 1.0);
    c.fill(palette::white);
}

} // namespace

Picture mugs(const Picture& mazePicture) {
    Picture sheet(mugFrames * framePx, mugKinds * framePx);
    constexpr double centre = framePx / 2.0;
    for (int kind = 0; kind < mugKinds; ++kind) {
        const mazeLayout::brickIndex at = mazeLayout::mugBricks[kind];
        const Picture mat = mazePicture.crop(at.x * framePx, at.y * framePx, framePx, framePx);
        for (int frame = 0; frame < mugFrames; ++frame) {
            Picture cell(framePx, framePx);
            for (int y = 0; y < framePx; ++y)
                for (int x = 0; x < framePx; ++x)
                    if (std::hypot(x + 0.5 - centre, y + 0.5 - centre) <= discRadiusPx)
                        cell.at(x, y) = mat.at(x, y);
            Canvas canvas(framePx, framePx);
            drawMug(canvas, looks[kind], frame);
            Picture mug = canvas.picture();
            mug.snapAlpha();
            mug.outline(palette::ink);
            for (int y = 0; y < framePx; ++y)
                for (int x = 0; x < framePx; ++x)
                    if (std::hypot(x + 0.5 - centre, y + 0.5 - centre) > discRadiusPx)
                        mug.at(x, y) = rgba{};
            cell.overlay(mug, 0, 0);
            sheet.overlay(cell, frame * framePx, kind * framePx);
        }
    }
    return sheet;
}

} // namespace props
