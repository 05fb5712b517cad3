// Steers the hero of a running round as a cautious player would: by the shortest way to the
// nearest product or mug that keeps clear of the walking outlaws (straight past them while
// the super form has time left), and into the house once the gate is open. The same state of
// the round always gives the same wish.
#pragma once

#include "kuGeomUtil.h"
#include "quaroRound.h"

// The wished direction for the next frame: one of the four unit steps, or (0, 0).
pt autopilotWish(const quaroRound& round);

// The autopilot as a round's input: its wish each frame, never pausing, and leaving the round
// once it has lasted leaveAtFrame frames (0: never).
class autopilotInput : public roundInputSource {
public:
    explicit autopilotInput(const quaroRound& round, uint32_t leaveAtFrame = 0)
        : round(round), leaveAtFrame(leaveAtFrame) {}
    frameInput nextFrame(vorlanCharSprite& hero) override;

private:
    const quaroRound& round;
    uint32_t leaveAtFrame;
};
