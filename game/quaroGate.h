// One half of the gate in front of the house: ten frames three bricks wide, 0 closed, 1 to 8
// opening, 9 open. Showing it also paints the frame into the maze's picture, so that every
// later restore of the background there shows the gate as it last was.
#pragma once

#include "kuAnimationSprite.h"

class quaroGate : public kuAnimationSprite {
public:
    static constexpr int frameTotal = 10;
    static constexpr int frameWidth = 120; // pixels: three bricks
    static constexpr int frameHeight = 40;

    quaroGate();

    // Stores the picture (not owned) and the y of this half's row, closes it (frame 0) and
    // opens the frame table.
    void init(kuImage* image, int row);
    void open() override;
    // Copies the current frame into mazeFrame's picture (honouring the gate picture's colour
    // key) and draws it on the screen at the same place.
    void show() override;

    kuImage* image;
    int row;
    kuImageFrame* mazeFrame; // the maze's own frame; not owned
};
