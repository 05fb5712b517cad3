// A dark plate with a light frame in one of the maze's walls, where no one walks, for what is
// shown beside a round without taking part in it: a replay's label, the viewer's speed and
// keys, its progress bar and wished direction, a race's split, "practice". A plate is drawn
// over the maze restored in its place, so that a shorter text leaves nothing of a longer one.
#pragma once

#include "readingsLayout.h"

#include <string>

class kuScreen;
class quaroLettering;
class vorlanMaze;

namespace wallPlate {

enum class align { left, centre, right };

// Restores the maze in the place and draws a plate as wide as the text within it, aligned, with
// the text on it; a text too wide for the place is cut. Recorded, not yet shown.
void write(vorlanMaze& maze, kuScreen& screen, quaroLettering& font,
           const readingsLayout::box& place, const std::string& text, align how);
// Draws a plate over the whole place. Recorded, not yet shown.
void fill(kuScreen& screen, const readingsLayout::box& place);
// Restores the maze in the place. Recorded, not yet shown.
void clear(vorlanMaze& maze, const readingsLayout::box& place);

} // namespace wallPlate
