// What a round shows of its events beyond the actors' own frames: the last three seconds of
// the super form as a glow behind the hero, pulsing 1.5 times a second (steady with reduced
// flashing), with a short sound as they begin; the outlaws' frightened look while the hero is
// super; the banner of the gate's opening for two seconds; and a wait mark over the hero while
// an arrow blocks it. It only draws and plays: nothing of it decides play.
#pragma once

#include "kuAbsSprite.h"
#include "mazeBanner.h"

#include <cstdint>

class Sound;
class quaroRound;
class vorlanMaze;

class roundCues {
public:
    static constexpr int32_t cueFrames = 45;    // the last three seconds, at 66 ms a frame
    static constexpr int32_t pulseFrames = 5;   // on this long, then off as long
    static constexpr int32_t bannerFrames = 30; // two seconds

    // None is owned; a null sound plays nothing.
    roundCues(vorlanMaze* maze, kuImage* marks, kuImage* banners, Sound* superEnding);

    // Every blink becomes a steady mark.
    void setReducedFlashing(bool steady) { this->steady = steady; }
    // A new round: no banner, no mark, the gate not yet seen open.
    void start();
    // Between the actors' erasing and their showing: takes away the last frame's wait mark and
    // a banner whose time is up, draws the banner and the glow under the actors, and dresses
    // the outlaws. Recorded, not yet shown.
    void beforeActorsShow(const quaroRound& round);
    // After the actors' showing: the wait mark over a blocked hero. Recorded, not yet shown.
    void afterActorsShow(const quaroRound& round);

    // What the last frame showed.
    bool glowing() const { return glowShown; }
    bool bannerShown() const { return bannerUp; }
    bool waitMarkShown() const { return markUp; }
    const kuRectangle& waitMarkPlace() const { return markPlace; }

    // Whether the glow shows with the given frames of super form left: in the last cueFrames,
    // on for pulseFrames and off for as long, or always there when steady.
    static bool glowAt(int32_t superFramesLeft, bool steady);

private:
    // The super form runs down: super, not drinking (which stops its time), frames left.
    static int32_t runningDown(const quaroRound& round);

    vorlanMaze* maze;
    kuImageFrame glow;
    kuImageFrame waitMark;
    mazeBanner gateBanner;
    Sound* superEnding;
    bool steady = false;

    bool glowShown = false;
    int32_t lastFramesLeft = 0;
    bool gateSeenOpen = false;
    int32_t bannerLeft = 0;
    bool bannerUp = false;
    bool markUp = false;
    kuRectangle markPlace = {};
};
