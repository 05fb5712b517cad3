// The game font: glyphs of 15 x 25 pixels for the clock, the high-score table, the name entry
// and the messages the game writes, in the game's lettering.
#pragma once

#include "picture.h"
#include "textLook.h"

#include <fontLayout.h>

namespace fontSheet {

constexpr int glyphWidthPx = fontLayout::glyphWidth;
constexpr int glyphHeightPx = fontLayout::glyphHeight;

// 390 x 125: a to z on the first row, 0 to 9 on the second, on the third the name entry's
// cursor, the clock's separator and the three extra letters a, o and u with umlauts, A to Z on
// the fourth and the signs of the messages on the fifth.
Picture glyphs(const TypeFace& face);

} // namespace fontSheet
