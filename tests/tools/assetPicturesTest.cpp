// The generated pictures: the geometry the game cuts from them, the colour key, the maze
// against the brick layout, the masks of the props painted over themselves, and the places
// the menus and the high-score screens rely on.
#include "generatedAssets.h"

#include <fontLayout.h>
#include <mazeLayout.h>
#include <readingsLayout.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int brickPx = mazeLayout::brickSize;
constexpr int sheetWidthPx = 880;
constexpr int sheetHeightPx = 160;

struct PictureSpec {
    const char* file;
    int width;
    int height;
    bool atLeast; // the game reads only a part, so a larger picture would do
    bool keyed;
    bool cutFromMaze = false; // its figures are pieces of the anti-aliased maze picture
};

std::ostream& operator<<(std::ostream& out, const PictureSpec& spec) {
    return out << spec.file;
}

const PictureSpec pictureSpecs[] = {
    {"GFX/Misc/Level_Map.bmp", 760, 520, false, false},
    {"GFX/Misc/Products.bmp", 169, 40, false, true},
    {"GFX/Misc/Mugs.bmp", 400, 160, false, true},
    {"GFX/Misc/Arrow.bmp", 320, 40, false, true},
    {"GFX/Misc/Gate.bmp", 1200, 80, false, true, true},
    {"GFX/Misc/Font.bmp", 390, 125, false, true},
    {"GFX/Misc/Marks.bmp", 120, 50, false, true},
    {"GFX/Misc/Banners.bmp", 260, 80, false, true},
    {"GFX/Quaro/Quaro_Walk.bmp", sheetWidthPx, sheetHeightPx, true, true},
    {"GFX/Quaro/Quaro_Drinking.bmp", sheetWidthPx, sheetHeightPx, true, true},
    {"GFX/Quaro/Quaro_KnockOut.bmp", sheetWidthPx, sheetHeightPx, true, true},
    {"GFX/Quaro/Quaro_SuperWalk.bmp", sheetWidthPx, sheetHeightPx, true, true},
    {"GFX/Quaro/Quaro_SuperDrinking.bmp", sheetWidthPx, sheetHeightPx, true, true},
    {"GFX/Indian/Indian_Walk.bmp", sheetWidthPx, sheetHeightPx, true, true},
    {"GFX/Indian/Indian_KnockOut.bmp", sheetWidthPx, sheetHeightPx, true, true},
    {"GFX/Indian/Indian_Frightened.bmp", sheetWidthPx, sheetHeightPx, true, true},
    {"GFX/Misc/StartScreen_01.bmp", 760, 520, false, false},
    {"GFX/Misc/StartScreen_02.bmp", 760, 520, false, false},
    {"GFX/Misc/StartScreen_03.bmp", 760, 520, false, false},
    {"GFX/Misc/GameOver.bmp", 760, 520, false, false},
    {"GFX/Misc/Congrat1.bmp", 760, 520, false, false},
    {"GFX/Misc/Congrat2.bmp", 760, 520, false, false},
    {"GFX/Misc/HighScore.bmp", 760, 520, false, false},
    {"GFX/Misc/Credits.bmp", 760, 520, false, false},
    {"GFX/Misc/RunMark.bmp", 20, 20, false, true},
};

Bitmap load(const std::string& file) {
    Bitmap picture = loadBitmap(assetPath(file));
    EXPECT_TRUE(picture.loaded()) << file << " does not load with SDL_LoadBMP";
    return picture;
}

class GeneratedPicture : public ::testing::TestWithParam<PictureSpec> {};

TEST_P(GeneratedPicture, LoadsWithTheGeometryTheGameCuts) {
    const PictureSpec spec = GetParam();
    const Bitmap picture = load(spec.file);
    if (spec.atLeast) {
        EXPECT_GE(picture.width, spec.width);
        EXPECT_GE(picture.height, spec.height);
    } else {
        EXPECT_EQ(picture.width, spec.width);
        EXPECT_EQ(picture.height, spec.height);
    }
}

// Keyed pictures: the key is their ground, and their figures have hard edges (no pixel
// blended half-way towards the key) and no holes of the key's colour. The gate's frames are
// pieces of the maze picture, whose own blends may come near the key anywhere.
TEST_P(GeneratedPicture, KeyedPicturesUseTheKeyOnlyAsGround) {
    const PictureSpec spec = GetParam();
    const Bitmap picture = load(spec.file);
    if (!spec.keyed || !picture.loaded())
        return;
    int keyPixels = 0, holes = 0, fringe = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const rgb c = picture.at(x, y);
            if (c == keyRgb) {
                ++keyPixels;
                bool enclosed = x > 0 && y > 0 && x + 1 < picture.width && y + 1 < picture.height;
                for (int dy = -1; dy <= 1 && enclosed; ++dy)
                    for (int dx = -1; dx <= 1 && enclosed; ++dx)
                        enclosed = (dx == 0 && dy == 0) || !picture.isKey(x + dx, y + dy);
                holes += enclosed;
                continue;
            }
            const bool edge = (x > 0 && picture.isKey(x - 1, y)) ||
                              (x + 1 < picture.width && picture.isKey(x + 1, y)) ||
                              (y > 0 && picture.isKey(x, y - 1)) ||
                              (y + 1 < picture.height && picture.isKey(x, y + 1));
            const double distance = std::hypot(c.r - keyRgb.r, c.g - keyRgb.g, c.b - keyRgb.b);
            fringe += edge && distance < 40 && !spec.cutFromMaze;
        }
    EXPECT_GT(keyPixels, picture.width * picture.height / 5) << "the key is not the ground";
    EXPECT_EQ(holes, 0) << "figure pixels of the key's colour";
    EXPECT_EQ(fringe, 0) << "pixels blended towards the key";
}

INSTANTIATE_TEST_SUITE_P(AllPictures, GeneratedPicture, ::testing::ValuesIn(pictureSpecs));

TEST(MazePicture, WallBricksLookLikeWallAndTheOthersLikeGround) {
    const Bitmap maze = load("GFX/Misc/Level_Map.bmp");
    ASSERT_TRUE(maze.loaded());
    constexpr int insetPx = 10, samplePx = 20;
    double darkestGround = 255, brightestWall = 0;
    std::string darkest, brightest;
    for (int y = 0; y < mazeLayout::rows; ++y)
        for (int x = 0; x < mazeLayout::columns; ++x) {
            const double l = meanLuminance(maze, x * brickPx + insetPx, y * brickPx + insetPx,
                                           samplePx, samplePx);
            const std::string brick = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
            if (mazeLayout::bricks[y][x] == mazeLayout::wall && l > brightestWall) {
                brightestWall = l;
                brightest = brick;
            }
            if (mazeLayout::bricks[y][x] != mazeLayout::wall && l < darkestGround) {
                darkestGround = l;
                darkest = brick;
            }
        }
    EXPECT_LT(brightestWall + 30, darkestGround)
        << "brightest wall " << brightest << ", darkest ground " << darkest;
}

TEST(MazePicture, TheBoardsOfTheClockAndTheReadingsAreDarkForTheLightGlyphs) {
    const Bitmap maze = load("GFX/Misc/Level_Map.bmp");
    ASSERT_TRUE(maze.loaded());
    EXPECT_LT(meanLuminance(maze, mazeLayout::clockX, mazeLayout::clockY, mazeLayout::clockWidth,
                            mazeLayout::clockHeight),
              80);
    EXPECT_LT(meanLuminance(maze, readingsLayout::goodsDigitsX, readingsLayout::lineY,
                            readingsLayout::goodsDigits * 15, 25),
              80);
    const readingsLayout::box& bar = readingsLayout::superBar;
    EXPECT_LT(meanLuminance(maze, bar.x, bar.y, bar.width, bar.height), 80)
        << "the empty trough of the super bar";
}

// The share of a figure's pixels next to the key whose luminance lies in [low, high). With a
// cell size, only the key inside the pixel's own square cell counts: a figure may fill its
// frame to the edge, where the next frame's ground begins.
double edgeShare(const Bitmap& picture, double low, double high, int cell = 0) {
    const auto keyBeside = [&](int x, int y, int dx, int dy) {
        if (cell > 0 && ((x + dx) / cell != x / cell || (y + dy) / cell != y / cell))
            return false;
        return picture.isKey(x + dx, y + dy);
    };
    int edge = 0, inRange = 0;
    for (int y = 1; y + 1 < picture.height; ++y)
        for (int x = 1; x + 1 < picture.width; ++x) {
            if (picture.isKey(x, y))
                continue;
            if (keyBeside(x, y, -1, 0) || keyBeside(x, y, 1, 0) || keyBeside(x, y, 0, -1) ||
                keyBeside(x, y, 0, 1)) {
                ++edge;
                const double l = luminance(picture.at(x, y));
                inRange += l >= low && l < high;
            }
        }
    return edge > 0 ? double(inRange) / edge : 0;
}

// How figures meet the ground: the props and the glyphs in ink; the goods in a soft brown, so
// that they recede; the characters in a ring of light around their ink, so that they stand out
// among the goods; the super form in its shimmer of gold and white.
struct EdgeSpec {
    const char* file;
    double low, high; // the luminance of at least 97% of the edge
    int cell = 0;     // the frames' size, for sheets of frames
};

std::ostream& operator<<(std::ostream& out, const EdgeSpec& spec) {
    return out << spec.file;
}

constexpr double ink = 80, brown = 130, light = 180, white = 256;
const EdgeSpec edgeSpecs[] = {
    {"GFX/Misc/Arrow.bmp", 0, ink},
    {"GFX/Misc/Font.bmp", 0, ink},
    {"GFX/Misc/Products.bmp", ink, brown},
    {"GFX/Quaro/Quaro_Walk.bmp", light, white, brickPx},
    {"GFX/Quaro/Quaro_Drinking.bmp", light, white, brickPx},
    {"GFX/Quaro/Quaro_KnockOut.bmp", light, white, brickPx},
    {"GFX/Quaro/Quaro_SuperWalk.bmp", light, white, brickPx},
    {"GFX/Quaro/Quaro_SuperDrinking.bmp", light, white, brickPx},
    {"GFX/Indian/Indian_Walk.bmp", light, white, brickPx},
    {"GFX/Indian/Indian_KnockOut.bmp", light, white, brickPx},
    {"GFX/Indian/Indian_Frightened.bmp", light, white, brickPx},
};

class EdgedFigures : public ::testing::TestWithParam<EdgeSpec> {};

TEST_P(EdgedFigures, MeetTheGroundAsTheirKindDoes) {
    const EdgeSpec spec = GetParam();
    const Bitmap picture = load(spec.file);
    ASSERT_TRUE(picture.loaded());
    EXPECT_GT(edgeShare(picture, spec.low, spec.high, spec.cell), 0.97);
}

INSTANTIATE_TEST_SUITE_P(Keyed, EdgedFigures, ::testing::ValuesIn(edgeSpecs));

// Every frame the game shows holds a figure on the key.
class CharacterSheet : public ::testing::TestWithParam<const char*> {};

TEST_P(CharacterSheet, EveryShownFrameHoldsAFigure) {
    const Bitmap sheet = load(GetParam());
    ASSERT_TRUE(sheet.loaded());
    for (int row = 0; row < 4; ++row)
        for (int frame = 0; frame < 22; ++frame) {
            int figure = 0;
            for (int y = 0; y < brickPx; ++y)
                for (int x = 0; x < brickPx; ++x)
                    figure += !sheet.isKey(frame * brickPx + x, row * brickPx + y);
            EXPECT_GT(figure, 200) << "row " << row << " frame " << frame;
            EXPECT_TRUE(sheet.isKey(frame * brickPx, row * brickPx)) << row << ", " << frame;
        }
}

TEST_P(CharacterSheet, TheFourDirectionsLookDifferent) {
    const Bitmap sheet = load(GetParam());
    ASSERT_TRUE(sheet.loaded());
    constexpr int frame = 9 * brickPx;
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
            EXPECT_GT(
                differingPixels(sheet, frame, a * brickPx, frame, b * brickPx, brickPx, brickPx),
                150)
                << "rows " << a << " and " << b;
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, CharacterSheet,
    ::testing::Values("GFX/Quaro/Quaro_Walk.bmp", "GFX/Quaro/Quaro_Drinking.bmp",
                      "GFX/Quaro/Quaro_KnockOut.bmp", "GFX/Quaro/Quaro_SuperWalk.bmp",
                      "GFX/Quaro/Quaro_SuperDrinking.bmp", "GFX/Indian/Indian_Walk.bmp",
                      "GFX/Indian/Indian_KnockOut.bmp", "GFX/Indian/Indian_Frightened.bmp"));

int distinctFrames(const Bitmap& sheet, int row, int first, int last) {
    std::vector<int> kept;
    for (int f = first; f <= last; ++f) {
        bool seen = false;
        for (int k : kept)
            seen = seen || differingPixels(sheet, f * brickPx, row * brickPx, k * brickPx,
                                           row * brickPx, brickPx, brickPx) == 0;
        if (!seen)
            kept.push_back(f);
    }
    return int(kept.size());
}

struct Sequence {
    const char* file;
    int first, last; // frames that must all move
};

std::ostream& operator<<(std::ostream& out, const Sequence& s) {
    return out << s.file << " " << s.first << "-" << s.last;
}

class AnimatedSequence : public ::testing::TestWithParam<Sequence> {};

TEST_P(AnimatedSequence, MovesFromFrameToFrame) {
    const Sequence s = GetParam();
    const Bitmap sheet = load(s.file);
    ASSERT_TRUE(sheet.loaded());
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(distinctFrames(sheet, row, s.first, s.last), s.last - s.first + 1)
            << "row " << row;
}

INSTANTIATE_TEST_SUITE_P(Loops, AnimatedSequence,
                         ::testing::Values(Sequence{"GFX/Quaro/Quaro_Walk.bmp", 3, 8},
                                           Sequence{"GFX/Indian/Indian_Walk.bmp", 3, 8},
                                           Sequence{"GFX/Quaro/Quaro_Drinking.bmp", 15, 21},
                                           Sequence{"GFX/Quaro/Quaro_KnockOut.bmp", 13, 21},
                                           Sequence{"GFX/Indian/Indian_KnockOut.bmp", 13, 21}));

// The game draws each frame of a mug or of a gate half over the last without clearing, so
// every frame of a row must paint exactly the same pixels.
void expectOneMaskPerRow(const Bitmap& sheet, int frameWidth, int frames, int rows) {
    for (int row = 0; row < rows; ++row) {
        int moving = 0;
        for (int f = 1; f < frames; ++f) {
            EXPECT_TRUE(sameMask(sheet, 0, row * brickPx, f * frameWidth, row * brickPx, frameWidth,
                                 brickPx))
                << "row " << row << " frame " << f;
            moving += differingPixels(sheet, 0, row * brickPx, f * frameWidth, row * brickPx,
                                      frameWidth, brickPx) > 0;
        }
        EXPECT_GT(moving, 0) << "row " << row << " does not animate";
    }
}

TEST(MugsPicture, EveryFrameOfARowCoversTheSamePixels) {
    const Bitmap mugs = load("GFX/Misc/Mugs.bmp");
    ASSERT_TRUE(mugs.loaded());
    expectOneMaskPerRow(mugs, brickPx, 10, 4);
}

TEST(GatePicture, EveryFrameOfARowCoversTheSamePixels) {
    const Bitmap gate = load("GFX/Misc/Gate.bmp");
    ASSERT_TRUE(gate.loaded());
    expectOneMaskPerRow(gate, 3 * brickPx, 10, 2);
}

// The gate paints only around the gateway: closed, its leaves stand across the middle of the
// gateway; open, the maze's passage shows there again.
TEST(GatePicture, ClosesTheGatewayInTheFirstFrameAndOpensItInTheLast) {
    const Bitmap gate = load("GFX/Misc/Gate.bmp");
    const Bitmap maze = load("GFX/Misc/Level_Map.bmp");
    ASSERT_TRUE(gate.loaded() && maze.loaded());
    constexpr int openFrame = 9, frameWidth = 3 * brickPx;
    const int left = (mazeLayout::gateBricks[0].x - 1) * brickPx;
    const int groundY = mazeLayout::gateBricks[1].y * brickPx; // the gate stands on this line
    for (int row = 0; row < 2; ++row)
        for (int y = 0; y < brickPx; ++y)
            for (int x = 0; x < frameWidth; ++x)
                if (!gate.isKey(x, row * brickPx + y)) {
                    EXPECT_GE(x, brickPx / 2) << "row " << row;
                    EXPECT_LT(x, frameWidth - brickPx / 2) << "row " << row;
                }
    // in the middle of the gateway, a little above the ground line (row 0 of the picture)
    const int px = frameWidth / 2, py = brickPx - 8;
    const int mazeX = left + px, mazeY = groundY - 8;
    ASSERT_FALSE(gate.isKey(px, py));
    EXPECT_NE(gate.at(px, py), maze.at(mazeX, mazeY)) << "the closed gate leaves a gap";
    EXPECT_EQ(gate.at(openFrame * frameWidth + px, py), maze.at(mazeX, mazeY))
        << "the open gate blocks the way";
}

// Frame d points d times 45 degrees clockwise from up: its tip, the figure pixel farthest
// from the centre, lies that way.
TEST(ArrowPicture, EachFramePointsItsWay) {
    const Bitmap arrow = load("GFX/Misc/Arrow.bmp");
    ASSERT_TRUE(arrow.loaded());
    for (int frame = 0; frame < 8; ++frame) {
        double farthest = 0, tipX = 0, tipY = 0;
        for (int y = 0; y < brickPx; ++y)
            for (int x = 0; x < brickPx; ++x) {
                if (arrow.isKey(frame * brickPx + x, y))
                    continue;
                const double dx = x + 0.5 - brickPx / 2.0, dy = y + 0.5 - brickPx / 2.0;
                if (std::hypot(dx, dy) > farthest) {
                    farthest = std::hypot(dx, dy);
                    tipX = dx;
                    tipY = dy;
                }
            }
        const double expected = frame * M_PI / 4;
        double off = std::fabs(std::atan2(tipX, -tipY) - expected);
        off = std::min(off, 2 * M_PI - off);
        EXPECT_LT(off, 0.3) << "frame " << frame;
    }
}

// The lettering cuts each letter, capital and digit as wide as the layout says, centred in its
// cell, and each sign from the left of its cell: nothing of the glyph lies outside that.
TEST(FontPicture, TheLetteringsGlyphsLieWithinTheirWidths) {
    const Bitmap font = load("GFX/Misc/Font.bmp");
    ASSERT_TRUE(font.loaded());
    using namespace fontLayout;
    struct row {
        int index, count;
        const int* widths;
        bool centred;
    };
    int signWidths[signCount];
    for (int i = 0; i < signCount; ++i)
        signWidths[i] = signs[i].width;
    for (const row& r :
         {row{letterRow, 26, letterWidths, true}, row{capitalRow, 26, capitalWidths, true},
          row{digitRow, 10, digitWidths, true}, row{signRow, signCount, signWidths, false}})
        for (int i = 0; i < r.count; ++i) {
            const int left = r.centred ? (glyphWidth - r.widths[i]) / 2 : 0;
            int outside = 0, inside = 0;
            for (int y = 0; y < glyphHeight; ++y)
                for (int x = 0; x < glyphWidth; ++x) {
                    const bool ink = !font.isKey(i * glyphWidth + x, r.index * glyphHeight + y);
                    const bool within = x >= left && x < left + r.widths[i];
                    outside += ink && !within;
                    inside += ink && within;
                }
            EXPECT_EQ(outside, 0) << "glyph " << i << " of row " << r.index;
            EXPECT_GT(inside, 8) << "glyph " << i << " of row " << r.index;
        }
}

TEST(FontPicture, EveryGlyphTheGameCutsIsDrawnLightOnADarkOutline) {
    const Bitmap font = load("GFX/Misc/Font.bmp");
    ASSERT_TRUE(font.loaded());
    constexpr int glyphW = 15, glyphH = 25;
    const int glyphsPerRow[3] = {26, 10, 5};
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < glyphsPerRow[row]; ++i) {
            int figure = 0, light = 0;
            for (int y = 0; y < glyphH; ++y)
                for (int x = 0; x < glyphW; ++x) {
                    const int px = i * glyphW + x, py = row * glyphH + y;
                    if (font.isKey(px, py))
                        continue;
                    ++figure;
                    light += luminance(font.at(px, py)) > 180;
                }
            EXPECT_GT(figure, 20) << "glyph " << i << " of row " << row;
            EXPECT_GT(light, 5) << "glyph " << i << " of row " << row;
        }
}

// The menus: each button lies inside its click area, and a band around every area is
// plain board, so no button reaches outside where a click would miss it.
struct Area {
    int x, y, w, h;
};
constexpr Area clickAreas[3] = {{50, 320, 150, 50}, {50, 380, 150, 50}, {50, 435, 150, 50}};

class MenuPicture : public ::testing::TestWithParam<const char*> {};

TEST_P(MenuPicture, ShowsItsButtonsInsideTheClickAreas) {
    const Bitmap screen = load(GetParam());
    ASSERT_TRUE(screen.loaded());
    constexpr int bandPx = 4;
    const rgb board = screen.at(clickAreas[0].x - 1, clickAreas[0].y - 1);
    for (const Area& a : clickAreas) {
        int strays = 0;
        for (int y = a.y - bandPx; y < a.y + a.h + bandPx; ++y)
            for (int x = a.x - bandPx; x < a.x + a.w + bandPx; ++x) {
                const bool inside = x >= a.x && x < a.x + a.w && y >= a.y && y < a.y + a.h;
                if (!inside)
                    strays += screen.at(x, y) != board;
            }
        EXPECT_EQ(strays, 0) << "button at y " << a.y << " reaches outside its area";
        int left = a.x + a.w, right = a.x, top = a.y + a.h, bottom = a.y, button = 0;
        for (int y = a.y; y < a.y + a.h; ++y)
            for (int x = a.x; x < a.x + a.w; ++x)
                if (screen.at(x, y) != board) {
                    ++button;
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        EXPECT_GT(button, a.w * a.h * 3 / 4) << "no button at y " << a.y;
        EXPECT_GE(right - left + 1, a.w - 6);
        EXPECT_GE(bottom - top + 1, a.h - 6);
    }
}

INSTANTIATE_TEST_SUITE_P(Menus, MenuPicture,
                         ::testing::Values("GFX/Misc/StartScreen_03.bmp", "GFX/Misc/GameOver.bmp",
                                           "GFX/Misc/Congrat1.bmp", "GFX/Misc/HighScore.bmp"));

bool plain(const Bitmap& picture, int x, int y, int w, int h) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            if (picture.at(i, j) != picture.at(x, y))
                return false;
    return true;
}

TEST(NewRecordPicture, LeavesTheNameFieldPlainAndDark) {
    const Bitmap screen = load("GFX/Misc/Congrat2.bmp");
    ASSERT_TRUE(screen.loaded());
    EXPECT_TRUE(plain(screen, 300, 360, 165, 25));
    EXPECT_LT(luminance(screen.at(300, 360)), 80);
}

TEST(HighScorePicture, LeavesTheRowsOfNamesAndTimesPlainAndDark) {
    const Bitmap screen = load("GFX/Misc/HighScore.bmp");
    ASSERT_TRUE(screen.loaded());
    constexpr int firstRowY = 103, rowStep = 23, rowHeight = 25;
    constexpr int nameX = 370, timeX = 530, timeWidth = 5 * 15;
    EXPECT_TRUE(
        plain(screen, nameX, firstRowY, timeX + timeWidth - nameX, 9 * rowStep + rowHeight));
    EXPECT_LT(luminance(screen.at(nameX, firstRowY)), 80);
}

} // namespace
