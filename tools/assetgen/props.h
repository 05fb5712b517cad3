// The pictures of the things in the maze: the six goods, the foaming mugs on their mats,
// the turning signpost arrow and the ranch gate of the house. All are keyed pictures with the
// frame geometry the game cuts from them.
#pragma once

#include "canvas.h"
#include "picture.h"

namespace props {

constexpr int framePx = 40; // one brick

// 169 x 40: six goods of widths 32, 27, 29, 15, 27, 39 side by side.
Picture products();
// 400 x 160: four mugs, one per row, ten frames each; every frame of a row covers the same
// pixels (the mat the mug stands on), since the game draws each over the last.
Picture mugs(const Picture& mazePicture);
// 320 x 40: the signpost arrow pointing up, then turned clockwise by 45 degrees per frame.
Picture arrow();

// Draws the ranch gate over the maze in state `frame`: 0 closed, 1 to 8 opening, 9 open.
void drawGate(const Canvas& canvas, int frame);
// The bare maze picture with the gate drawn in state `frame`.
Picture withGate(const Picture& mazePicture, int frame);
// From the maze picture (which has no gate), 1200 x 80: row 0 the bricks in front of the gate,
// row 1 the gateway and the walls beside it, ten frames of 120 x 40 each. Wherever any frame of
// a row shows the gate, every frame of that row paints (the gate, or the maze it uncovers);
// elsewhere all are transparent, so painting any frame over another leaves no trace of it.
Picture gate(const Picture& mazePicture);

} // namespace props
