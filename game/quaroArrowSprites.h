// A turning arrow in a corridor: eight frames of the arrow picture, the even ones the four
// directions (0 up, 2 right, 4 down, 6 left), the odd ones between two. It idles 25 calls of
// actShouldShow and then turns half round over four calls, the first with its sound.
#pragma once

#include "kuAnimationSprite.h"

class Sound;
class quaroRandom;

class quaroArrowSprites : public kuAnimationSprite {
public:
    static constexpr int frameTotal = 8;
    static constexpr int frameSize = 40;   // pixels on a side
    static constexpr int idleCalls = 25;   // calls at rest before a turn begins
    static constexpr int lastTurnStep = 3; // a turn is steps 0 to 3
    static constexpr int frameUp = 0;
    static constexpr int frameRight = 2;
    static constexpr int frameDown = 4;
    static constexpr int frameLeft = 6;

    // Idle, with no time of its idle spell passed yet.
    quaroArrowSprites();

    // Stores the picture (not owned) and the direction to start in, then opens.
    void init(kuImage* image, int startFrame);
    void open() override;
    void close() override;
    // Back to the start direction and idle, with a random part of the idle spell (0 to 24
    // calls) already passed, so that the arrows turn out of step.
    void restart(int startFrame, quaroRandom& random);

    // One step of a turn: one frame further; always true (the arrow must be redrawn).
    bool doTurn();
    // Called when it is this arrow's turn; true when it changed and must be redrawn.
    bool actShouldShow();

    kuImage* image;
    int turnTimer;    // calls since the last turn step
    int turnStep;     // 0 while idle, 1 to 3 while turning
    Sound* turnSound; // not owned
};
