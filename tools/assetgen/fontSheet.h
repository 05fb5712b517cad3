// The game font: glyphs of 15 x 25 pixels for the clock, the high-score table and the name
// entry, in the game's lettering.
#pragma once

#include "picture.h"
#include "textLook.h"

namespace fontSheet {

constexpr int glyphWidthPx = 15;
constexpr int glyphHeightPx = 25;

// 390 x 75: a to z on the first row, 0 to 9 on the second, and on the third the name entry's
// cursor, the clock's separator and the three extra letters a, o and u with umlauts.
Picture glyphs(const TypeFace& face);

} // namespace fontSheet
