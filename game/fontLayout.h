// The font picture, shared by the game's fonts and the asset generator so that the glyphs the
// game cuts are the ones the generator draws: rows of 25-pixel glyphs in cells 15 pixels wide.
// Rows 0 to 2 hold what the clock, the table and the name entry cut (a to z, 0 to 9, five
// signs); rows 3 and 4 the capitals and the signs of the lettering the game writes its messages
// in, each sign as wide as the first `width` pixels of its cell. The lettering cuts its letters,
// capitals and digits narrower than their cells, as wide as each glyph is.
#pragma once

namespace fontLayout {

constexpr int glyphWidth = 15;
constexpr int glyphHeight = 25;
constexpr int cellsPerRow = 26;

constexpr int letterRow = 0;  // a to z
constexpr int digitRow = 1;   // 0 to 9
constexpr int counterRow = 2; // the cursor, the clock's separator and three letters with umlauts
constexpr int capitalRow = 3; // A to Z
constexpr int signRow = 4;    // the signs below, in this order
constexpr int rowCount = 5;

// The centred part of each cell the lettering cuts: the glyph with its outline and a pixel to
// spare.
constexpr int letterWidths[26] = {14, 15, 13, 15, 14, 12, 15, 15, 8,  10, 15, 9,  15,
                                  15, 14, 15, 15, 12, 12, 12, 15, 14, 15, 14, 14, 12};
constexpr int capitalWidths[26] = {15, 15, 15, 15, 15, 15, 15, 15, 10, 12, 15, 15, 15,
                                   15, 15, 15, 15, 15, 14, 15, 15, 15, 15, 15, 15, 15};
constexpr int digitWidths[10] = {14, 12, 14, 14, 14, 14, 14, 14, 14, 14};

// The lettering draws this sign as a dot at mid-height, the separator of short phrases.
constexpr char middleDot = '*';

struct sign {
    char code;
    int width; // pixels of its cell the glyph takes, and the pen advances
};
constexpr sign signs[] = {{'!', 7},  {'\'', 6}, {'(', 8},  {')', 8},       {'+', 13},
                          {',', 7},  {'-', 10}, {'.', 7},  {'/', 11},      {':', 7},
                          {'?', 13}, {'%', 14}, {'&', 14}, {middleDot, 11}};
constexpr int signCount = sizeof signs / sizeof signs[0];

} // namespace fontLayout
