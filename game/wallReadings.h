// What the bottom wall says about the round, beside the clock: the goods left as a number, the
// super form's time as a bar that empties, one head a life once a round has more than one, and
// a mark while the sound is off (readingsLayout.h has their places). Each reading is drawn over
// the maze picture restored under it, and only when it changed.
#pragma once

#include <cstdint>

class kuBitmapFont;
class kuImage;
class vorlanMaze;

struct roundReadings {
    int goodsLeft = 0;
    int32_t superFramesLeft = 0;
    int livesLeft = 1;
    int lives = 1; // a round's lives; the heads show only when there is more than one
    bool muted = false;
};

class wallReadings {
public:
    // None is owned: the maze restores the wall, the digits are drawn in the clock's font, the
    // marks picture holds the bar's fill, a life and the mute mark.
    wallReadings(vorlanMaze* maze, kuBitmapFont* digits, kuImage* marks);

    // Draws every reading (recorded, not yet shown), as after the whole maze was drawn.
    void showAll(const roundReadings& now);
    // Draws the readings that changed since the last show (recorded, not yet shown).
    void show(const roundReadings& now);
    const roundReadings& shown() const { return last; }

    // Pixels of the super bar filled for the frames left: none without the super form, at
    // least one while any frame is left.
    static int barWidth(int32_t superFramesLeft);

private:
    void showGoods(int goodsLeft);
    void showSuper(int32_t superFramesLeft);
    void showLives(int livesLeft, int lives);
    void showMute(bool muted);

    vorlanMaze* maze;
    kuBitmapFont* digits;
    kuImage* marks;
    roundReadings last;
};
