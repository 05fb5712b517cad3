// The input sources a round is stepped from: the player (the round's handler reading the keys
// and the pad), a recorded run, and the tap that records whatever another source gives.
#pragma once

#include "quaroRound.h"

#include <string>

class VorlanInputHandler;

// The player: each frame the round's handler reads the pending events and steers the hero in
// play; its leave flag and pause request come with the wish.
class liveInput : public roundInputSource {
public:
    explicit liveInput(VorlanInputHandler& handler) : handler(handler) {}
    frameInput nextFrame(vorlanCharSprite& hero) override;

private:
    VorlanInputHandler& handler;
};

// A recorded run, frame by frame from its first; it has nothing to give after its last.
class recordedInput : public roundInputSource {
public:
    explicit recordedInput(const quaroRecording& run) : run(run) {}
    frameInput nextFrame(vorlanCharSprite& hero) override;
    uint32_t played() const { return next; }
    bool finished() const { return next >= run.frameCount(); }

private:
    const quaroRecording& run;
    uint32_t next = 0;
};

// Records every frame another source gives into a run of the round's seed and rules, then
// passes the frame on. Once the run is full it keeps what it holds and says so.
class recordingTap : public roundInputSource {
public:
    // The run records the round's lives and the speed it is played at.
    recordingTap(roundInputSource& source, const quaroRound& round,
                 int speed = quaroRecording::designedSpeed)
        : source(source), run(round.seed(), round.rules()) {
        run.useAssists({speed, round.lives()});
    }
    frameInput nextFrame(vorlanCharSprite& hero) override;
    const quaroRecording& recording() const { return run; }
    bool overflowed() const { return full; }
    // The speed changed during the round: the run keeps the slowest it was played at.
    void playedAt(int speed);

private:
    roundInputSource& source;
    quaroRecording run;
    bool full = false;
};

// Plays the run on the round from the run's seed, rules and lives, frame after frame without
// waiting, until the round is over or the run has no frame left; returns the frames played.
uint32_t playThrough(quaroRound& round, const quaroRecording& run);

// How a run played back compares with what it claims: it matches only when its round is won
// on its last frame, with the clock at the time it claims. Watching a row's run, the idle
// demonstration and --replay all judge a run here. The name a run gives is its own claim,
// which nothing can check.
struct runCheck {
    bool matches = false;
    std::string mismatch; // why not, to be said: "the round was left at 00:00, not won"
};
// The round after `framesPlayed` frames of the run, played from the run's seed and rules.
runCheck checkRun(const quaroRecording& run, const quaroRound& round, uint32_t framesPlayed);
