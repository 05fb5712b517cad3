// A banner over the middle of the maze, on the wall under the house: the ready call before a
// round and the news that the gate is open. It lies under the characters, which are drawn over
// it, and goes by restoring the maze where it lay.
#pragma once

#include "kuAbsSprite.h"
#include "readingsLayout.h"

class vorlanMaze;

class mazeBanner {
public:
    // The banner is the part `which` of the banners picture; neither is owned.
    mazeBanner(vorlanMaze* maze, kuImage* banners, const readingsLayout::box& which);

    // Draws the banner (recorded, not yet shown).
    void show();
    // Restores the maze where the banner lay (recorded, not yet shown); characters there are
    // the caller's to draw again.
    void hide();
    const kuRectangle& area() const { return place; }

private:
    vorlanMaze* maze;
    kuImageFrame banner;
    kuRectangle place;
};
