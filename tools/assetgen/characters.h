// The character sheets: the kid hero Quaro (normal and super) and the masked outlaws. Each
// sheet holds four rows (up, down, left, right) of 40 x 40 frames: a twelve-frame walking
// cycle standing still on frame 9, and the 22-frame drinking and knock-out sequences that
// end in a loop over their last frames. The frightened outlaws have a walking sheet only.
#pragma once

#include "canvas.h"
#include "picture.h"

namespace characters {

constexpr int framePx = 40;
constexpr int sheetFrames = 22; // frames 0 to 21 are shown by the game
constexpr int walkFrames = 12;
constexpr int standingFrame = 9;
constexpr int drinkLoopStart = 15;
constexpr int knockOutLoopStart = 13;

enum class who { kid, superKid, outlaw, frightenedOutlaw };

// The frightened outlaw walks pale, hands up and wide-eyed, while the hero is super.
Picture walkSheet(who figure);
Picture drinkingSheet(who figure); // kid and superKid only
Picture knockOutSheet(who figure); // the super kid is never knocked out: kid and outlaw

enum class portrait { standing, walking, drinking, knockedOut };
// Draws a figure large on a screen picture, its feet at (x, y), `scale` times its size on the
// sheets, facing the viewer (standing, drinking, knocked out) or walking sideways.
void drawPortrait(const Canvas& canvas, who figure, portrait kind, double x, double y, double scale,
                  bool facingLeft = false);

} // namespace characters
