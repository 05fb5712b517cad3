// A mug in a corner of the maze: ten frames of one row of the mugs picture, animating in
// place while the maze tends it. It has no screen of its own and draws through its picture's.
#pragma once

#include "kuAnimationSprite.h"

class quaroCupSprites : public kuAnimationSprite {
public:
    static constexpr int frameTotal = 10;
    static constexpr int frameSize = 40; // pixels on a side

    quaroCupSprites();

    // Stores the picture (not owned) and the y of the mug's row in it, then opens.
    void init(kuImage* image, int row);
    // Fills frame i with (40 i, row, 40, 40) of the picture.
    void open() override;

    int row;
    kuImage* image;
};
