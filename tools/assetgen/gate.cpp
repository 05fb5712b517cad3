// The ranch gate of the house: two leaves between log posts under a crossbeam, swinging
// inwards over nine frames.
#include "maze.h"
#include "palette.h"
#include "props.h"

#include <mazeLayout.h>

#include <cmath>
#include <vector>

namespace props {
namespace {

constexpr int brick = mazeLayout::brickSize;
constexpr double groundY = 4 * brick;    // the gate stands on the top edge of (9, 4)
constexpr double hingeLeftX = 9 * brick; // the posts stand at the gateway's sides
constexpr double hingeRightX = 10 * brick;
constexpr double leafPx = brick / 2.0; // each leaf closes half the gateway
constexpr double leafHeightPx = 22;
constexpr double depthScale = 0.9; // how much a step into the picture shows
constexpr double postHeightPx = 32;
constexpr int gateRowFrames = 10;
constexpr int gateWidthPx = 3 * brick;

struct Leaf {
    double hingeX;
    double side; // +1 swings from the left post, -1 from the right one
};

void drawPost(const Canvas& c, double x) {
    c.roundedBox(x - 3.5, groundY - postHeightPx, 7, postHeightPx + 3, 2);
    c.fillEdge(palette::wood, palette::ink, 1.4);
    c.capsule(x - 1.5, groundY - postHeightPx + 3, x - 1.5, groundY, 1.0, palette::woodLight);
}

void drawCrossbeam(const Canvas& c) {
    const double y = groundY - postHeightPx - 4;
    c.roundedBox(hingeLeftX - 8, y, hingeRightX - hingeLeftX + 16, 6, 3);
    c.fillEdge(palette::wood, palette::ink, 1.4);
    c.capsule(hingeLeftX - 5, y + 2, hingeRightX + 5, y + 2, 1.0, palette::woodLight);
    // a horseshoe for luck over the middle of the gateway
    cairo_t* cr = c.cr();
    const double cx = (hingeLeftX + hingeRightX) / 2;
    cairo_arc(cr, cx, y + 9, 3.5, -0.2, M_PI + 0.2);
    c.stroke(palette::ink, 3.2);
    cairo_arc(cr, cx, y + 9, 3.5, -0.2, M_PI + 0.2);
    c.stroke(palette::tin, 1.6);
}

// A leaf opened by `angle` radians: its far end swings into the house, so it narrows and
// slides down the picture.
void drawLeaf(const Canvas& c, const Leaf& leaf, double angle) {
    cairo_t* cr = c.cr();
    const double farX = leaf.hingeX + leaf.side * leafPx * std::cos(angle);
    const double farY = groundY + depthScale * leafPx * std::sin(angle);
    const double thick = 2.5;
    auto quad = [&](double lowFrom, double lowTo) {
        cairo_move_to(cr, leaf.hingeX, groundY - lowFrom);
        cairo_line_to(cr, farX, farY - lowFrom);
        cairo_line_to(cr, farX, farY - lowTo);
        cairo_line_to(cr, leaf.hingeX, groundY - lowTo);
        cairo_close_path(cr);
    };
    // the leaf's edge, seen as it turns away
    cairo_move_to(cr, farX, farY - 2);
    cairo_line_to(cr, farX + leaf.side * thick * std::sin(angle), farY - 2);
    cairo_line_to(cr, farX + leaf.side * thick * std::sin(angle), farY - leafHeightPx);
    cairo_line_to(cr, farX, farY - leafHeightPx);
    c.fillEdge(palette::redDark, palette::ink, 1.0);
    for (double rail : {3.5, 11.0, 18.5}) {
        quad(rail - 2.4, rail + 2.4);
        c.fillEdge(palette::red, palette::ink, 1.0);
    }
    // the stile at the far end and the brace across the rails
    cairo_move_to(cr, farX, farY - 1);
    cairo_line_to(cr, farX, farY - leafHeightPx);
    c.stroke(palette::ink, 3.4);
    cairo_move_to(cr, farX, farY - 1);
    cairo_line_to(cr, farX, farY - leafHeightPx);
    c.stroke(palette::white, 1.6);
    cairo_move_to(cr, leaf.hingeX, groundY - 2);
    cairo_line_to(cr, farX, farY - leafHeightPx + 2);
    c.stroke(palette::ink, 3.0);
    cairo_move_to(cr, leaf.hingeX, groundY - 2);
    cairo_line_to(cr, farX, farY - leafHeightPx + 2);
    c.stroke(palette::white, 1.4);
}

double openAngle(int frame) {
    const double t = frame / double(gateRowFrames - 1);
    const double eased = t * t * (3 - 2 * t);
    return eased * M_PI / 2 * 0.96;
}

} // namespace

void drawGate(const Canvas& canvas, int frame) {
    const double angle = openAngle(frame);
    drawLeaf(canvas, {hingeLeftX, +1}, angle);
    drawLeaf(canvas, {hingeRightX, -1}, angle);
    drawPost(canvas, hingeLeftX);
    drawPost(canvas, hingeRightX);
    drawCrossbeam(canvas);
}

Picture withGate(const Picture& mazePicture, int frame) {
    Canvas canvas(mazePicture.width(), mazePicture.height());
    canvas.paste(mazePicture, 0, 0);
    drawGate(canvas, frame);
    return canvas.picture();
}

Picture gate(const Picture& mazePicture) {
    constexpr int rows = 2;
    const int left = mazeLayout::gateBricks[0].x * brick - brick;
    std::vector<Picture> frames;
    for (int frame = 0; frame < gateRowFrames; ++frame)
        frames.push_back(withGate(mazePicture, frame));
    Picture sheet(gateRowFrames * gateWidthPx, rows * brick);
    for (int row = 0; row < rows; ++row) {
        const int top = mazeLayout::gateBricks[row].y * brick;
        for (int y = 0; y < brick; ++y)
            for (int x = 0; x < gateWidthPx; ++x) {
                bool changes = false;
                for (const Picture& f : frames)
                    changes =
                        changes || f.at(left + x, top + y) != mazePicture.at(left + x, top + y);
                if (!changes)
                    continue;
                for (int frame = 0; frame < gateRowFrames; ++frame)
                    sheet.at(frame * gateWidthPx + x, row * brick + y) =
                        frames[frame].at(left + x, top + y);
            }
    }
    return sheet;
}

} // namespace props
