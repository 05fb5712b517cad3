#include "maze.h"

#include "palette.h"
#include "rng.h"

#include <readingsLayout.h>

#include <cmath>

namespace maze {
namespace {

constexpr int brick = mazeLayout::brickSize;
constexpr double cornerRadiusPx = 9;
constexpr double facePx = 12;    // height of a wall's sunlit front face
constexpr double shadowDxPx = 5; // walls throw their shadow down and to the right
constexpr double shadowDyPx = 6;
constexpr uint64_t groundSeed = 1849;

int valueAt(int x, int y) {
    if (x < 0 || y < 0 || x >= mazeLayout::columns || y >= mazeLayout::rows)
        return mazeLayout::wall;
    return mazeLayout::bricks[y][x];
}

// The cabin around the house is built of logs, the rest of the maze of adobe.
bool isCabin(int x, int y) {
    return isWall(x, y) && x >= 8 && x <= 10 && y >= 4 && y <= 6;
}

// A wall brick with its convex corners rounded; adding every brick gives the rock mass.
void addWallBrick(const Canvas& canvas, int bx, int by) {
    cairo_t* cr = canvas.cr();
    const double x = bx * brick, y = by * brick;
    auto rounded = [&](int dx, int dy) {
        return !isWall(bx + dx, by) && !isWall(bx, by + dy) ? cornerRadiusPx : 0.0;
    };
    const double tl = rounded(-1, -1), tr = rounded(1, -1), br = rounded(1, 1), bl = rounded(-1, 1);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + brick - tr, y + tr, tr, -M_PI / 2, 0);
    cairo_arc(cr, x + brick - br, y + brick - br, br, 0, M_PI / 2);
    cairo_arc(cr, x + bl, y + brick - bl, bl, M_PI / 2, M_PI);
    cairo_arc(cr, x + tl, y + tl, tl, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void addAllWalls(const Canvas& canvas) {
    for (int y = 0; y < mazeLayout::rows; ++y)
        for (int x = 0; x < mazeLayout::columns; ++x)
            if (isWall(x, y))
                addWallBrick(canvas, x, y);
}

void drawGround(const Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    canvas.colour(palette::sand);
    cairo_paint(cr);
    Rng rng(groundSeed);
    constexpr int pebbles = 700;
    for (int i = 0; i < pebbles; ++i) {
        const double x = rng.range(0, widthPx), y = rng.range(0, heightPx);
        const double r = rng.range(0.8, 2.0);
        canvas.ellipse(x, y, r * 1.3, r);
        canvas.fill(rng.unit() < 0.5 ? palette::pebble : palette::sandLight);
    }
    constexpr int tufts = 90;
    for (int i = 0; i < tufts; ++i) {
        const double x = rng.range(0, widthPx), y = rng.range(0, heightPx);
        for (int blade = -1; blade <= 1; ++blade) {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + blade * 2.2, y - 3.5 - (blade == 0 ? 1.5 : 0));
        }
        canvas.stroke(shade(palette::cactus, -0.25), 1.0);
    }
}

void drawShadows(const Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_translate(cr, shadowDxPx, shadowDyPx);
    addAllWalls(canvas);
    cairo_set_source_rgba(cr, 0.45, 0.30, 0.15, 0.28);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawAdobeTop(const Canvas& canvas, int bx, int by, Rng& rng) {
    const double x = bx * brick, y = by * brick;
    constexpr double courseHeightPx = 10, blockWidthPx = 20;
    for (int course = 0; course < 4; ++course) {
        const double cy = y + course * courseHeightPx;
        const double offset = ((bx + by + course) % 2) * blockWidthPx / 2;
        for (double cx = x - offset; cx < x + brick; cx += blockWidthPx) {
            canvas.roundedBox(cx + 1.5, cy + 1.5, blockWidthPx - 3, courseHeightPx - 3, 2.5);
            const double t = rng.range(-0.06, 0.08);
            canvas.fill(shade(palette::rockTop, t));
        }
    }
}

void drawLogTop(const Canvas& canvas, int bx, int by) {
    const double x = bx * brick, y = by * brick;
    constexpr double logPx = 8;
    cairo_rectangle(canvas.cr(), x, y, brick, brick);
    canvas.fill(palette::wood);
    for (int i = 0; i < 5; ++i) {
        const double ly = y + i * logPx;
        canvas.capsule(x - 1, ly + 2.5, x + brick + 1, ly + 2.5, 1.4, palette::woodLight);
        canvas.capsule(x - 1, ly + logPx - 0.5, x + brick + 1, ly + logPx - 0.5, 1.2,
                       palette::woodDark);
    }
}

void drawFace(const Canvas& canvas, int bx, int by) {
    cairo_t* cr = canvas.cr();
    const double x = bx * brick, y = (by + 1) * brick - facePx;
    const bool cabin = isCabin(bx, by);
    cairo_rectangle(cr, x - 1, y, brick + 2, facePx);
    canvas.fill(cabin ? palette::woodDark : palette::rockFace);
    for (double sx = x + (bx % 2) * 7 + 4; sx < x + brick; sx += 14) {
        cairo_move_to(cr, sx, y + 3);
        cairo_line_to(cr, sx + 1, y + facePx - 2);
    }
    canvas.stroke(cabin ? palette::woodDeep : palette::rockDark, 1.2);
    canvas.capsule(x - 1, y + 0.5, x + brick + 1, y + 0.5, 1.6, palette::ink);
}

void drawHighlight(const Canvas& canvas, int bx, int by) {
    const double x = bx * brick, y = by * brick;
    const double inset = isWall(bx - 1, by) ? 0 : cornerRadiusPx;
    const double end = isWall(bx + 1, by) ? 0 : cornerRadiusPx;
    canvas.capsule(x + inset, y + 2, x + brick - end, y + 2, 2.0,
                   isCabin(bx, by) ? palette::woodLight : palette::rockTopLight);
}

void drawWalls(const Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    addAllWalls(canvas);
    canvas.colour(palette::ink);
    cairo_set_line_width(cr, 3.0);
    cairo_stroke_preserve(cr);
    canvas.colour(palette::rockSeam);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    Rng rng(groundSeed + 1);
    for (int y = 0; y < mazeLayout::rows; ++y)
        for (int x = 0; x < mazeLayout::columns; ++x) {
            if (!isWall(x, y))
                continue;
            if (isCabin(x, y))
                drawLogTop(canvas, x, y);
            else
                drawAdobeTop(canvas, x, y, rng);
        }
    for (int y = 0; y < mazeLayout::rows; ++y)
        for (int x = 0; x < mazeLayout::columns; ++x) {
            if (!isWall(x, y))
                continue;
            if (!isWall(x, y - 1))
                drawHighlight(canvas, x, y);
            if (!isWall(x, y + 1))
                drawFace(canvas, x, y);
        }
    cairo_restore(cr);
}

// A round straw mat marks each mug corner; it stays when the mug is gone.
void drawMat(const Canvas& canvas, mazeLayout::brickIndex at) {
    const double cx = at.x * brick + brick / 2.0, cy = at.y * brick + brick / 2.0;
    const rgba straw{248, 230, 168, 255}, weave{200, 146, 78, 255};
    canvas.circle(cx, cy, matRadiusPx + 1.2);
    canvas.fillEdge(weave, palette::ink, 1.2);
    canvas.circle(cx, cy, matRadiusPx - 0.5);
    canvas.fill(straw);
    for (double r = 4; r < matRadiusPx - 1; r += 4) {
        canvas.circle(cx, cy, r);
        canvas.stroke(weave, 1.0);
    }
}

void drawPorch(const Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double x = 8 * brick, y = 3 * brick;
    cairo_rectangle(cr, x + 2, y + 4, 3 * brick - 4, brick - 6);
    canvas.fillEdge(rgba{226, 204, 170, 255}, palette::woodDark, 1.2); // weathered boards
    for (int i = 1; i < 9; ++i) {
        const double px = x + 2 + i * (3 * brick - 4) / 9.0;
        canvas.capsule(px, y + 5, px, y + brick - 3, 1.0, palette::wood);
    }
}

void drawHouseFloor(const Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double x = 9 * brick, y = 4 * brick;
    cairo_rectangle(cr, x, y, brick, 2 * brick);
    // Boards of pale pine, kept well away from the colour key since the gate repaints them.
    canvas.fill(rgba{242, 216, 174, 255});
    for (int i = 1; i < 8; ++i)
        canvas.capsule(x, y + i * 10, x + brick, y + i * 10, 1.0, rgba{196, 140, 90, 255});
    // A sheriff's star on the floor marks the goal.
    const double cx = x + brick / 2.0, cy = y + 1.5 * brick;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 13 : 6;
        const double a = -M_PI / 2 + i * M_PI / 5;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
    canvas.fillEdge(palette::gold, palette::ink, 1.5);
}

// A dark board with tin nails in its corners, for the light glyphs of the wall's readings.
void drawBoard(const Canvas& canvas, double x, double y, double w, double h) {
    canvas.roundedBox(x, y, w, h, 4);
    canvas.fillEdge(palette::woodDeep, palette::ink, 2.0);
    canvas.roundedBox(x + 2.5, y + 2.5, w - 5, h - 5, 2.5);
    canvas.stroke(palette::woodDark, 1.0);
    for (double nx : {x + 3.5, x + w - 3.5})
        for (double ny : {y + 3.5, y + h - 3.5}) {
            canvas.circle(nx, ny, 1.2);
            canvas.fill(palette::tin);
        }
}

void drawClockBoard(const Canvas& canvas) {
    constexpr double marginPx = 5;
    drawBoard(canvas, mazeLayout::clockX - marginPx, mazeLayout::clockY - marginPx,
              mazeLayout::clockWidth + 2 * marginPx, mazeLayout::clockHeight + 2 * marginPx - 2);
}

// The boards of the goods left and of the super form's time, with the bar's empty trough.
void drawReadingsBoards(const Canvas& canvas) {
    using readingsLayout::box;
    for (const box& b : {readingsLayout::goodsBoard, readingsLayout::superBoard})
        drawBoard(canvas, b.x, b.y, b.width, b.height);
    const box& bar = readingsLayout::superBar;
    cairo_rectangle(canvas.cr(), bar.x - 1, bar.y - 1, bar.width + 2, bar.height + 2);
    canvas.fillEdge(rgba{40, 24, 16, 255}, palette::woodDark, 1.0);
}

} // namespace

bool isWall(int x, int y) {
    return valueAt(x, y) == mazeLayout::wall;
}

void drawMaze(const Canvas& canvas) {
    drawGround(canvas);
    drawPorch(canvas);
    drawHouseFloor(canvas);
    drawShadows(canvas);
    drawWalls(canvas);
    for (const mazeLayout::brickIndex& at : mazeLayout::mugBricks)
        drawMat(canvas, at);
    drawClockBoard(canvas);
    drawReadingsBoards(canvas);
}

void drawReadingIcons(const Canvas& canvas, const Picture& products, const Picture& mugs) {
    using readingsLayout::box;
    constexpr double iconScale = 0.55;
    const auto icon = [&](const Picture& part, const box& board) {
        cairo_t* cr = canvas.cr();
        cairo_save(cr);
        cairo_translate(cr, board.x + 7, board.y + (board.height - part.height() * iconScale) / 2);
        cairo_scale(cr, iconScale, iconScale);
        canvas.paste(part, 0, 0);
        cairo_restore(cr);
    };
    icon(products.crop(mazeLayout::productX[0], 0, mazeLayout::productWidth[0],
                       mazeLayout::productHeight),
         readingsLayout::goodsBoard);
    icon(mugs.crop(0, 0, mazeLayout::brickSize, mazeLayout::brickSize), readingsLayout::superBoard);
}

} // namespace maze
