// The replay viewer: a run played back under the watcher's control. Every action the viewer
// offers, with its key and the words that name it on screen and in the help, is in the one
// table viewerKeys; a platform adds an action there. Stepping back re-simulates the round from
// its start with the screen hidden (a round is small: a whole won round takes a fraction of a
// second), so any frame is reached exactly as playing straight reaches it.
#pragma once

#include "kuInput.h"
#include "quaroRecording.h"

#include <array>
#include <cstdint>
#include <vector>

class kuScreen;
class quaroRound;

enum class viewerAction {
    none,
    pause,
    stepForward,
    stepBack,
    faster,
    slower,
    restart,
    takeOver,
    copyLink
};

struct viewerKey {
    SDLKey key;
    viewerAction action;
    const char* words; // the on-screen reminder's line for it and the keys after it, or empty
};
// Space or P pauses (as in a round), Right and Left step while paused, + and - (= and the
// keypad's too) change the speed, Home restarts, t takes over, c copies the run's link; every
// other key stops watching.
extern const std::array<viewerKey, 12> viewerKeys;
// The action of the key; none for a key that is not the viewer's (which stops watching).
viewerAction viewerActionOf(SDLKey key);

class quaroViewer {
public:
    // Speeds in quarters of real time: x1/4, x1/2, x1, x2, x4, x8.
    static constexpr std::array<int, 6> speedQuarters = {1, 2, 4, 8, 16, 32};
    static constexpr int realTimeSpeed = 2; // the index of x1

    // What happened in a frame of the run, for the marks of the progress bar.
    struct mark {
        uint32_t frame;
        bool drink; // else a knock-out
    };

    // Plays the run once with the screen hidden to find its marks, then starts it again
    // from its seed. The round, the run and the screen outlive the viewer.
    quaroViewer(quaroRound& round, const quaroRecording& run, kuScreen& screen);

    // One displayed frame: unless paused, plays as many of the run's frames as the speed
    // gives (a quarter speed plays one every fourth call).
    void tick();
    // Applies an action; takeOver only notes that the watcher asked for it, and copyLink is
    // the watching screen's.
    void act(viewerAction action);
    // Goes to the frame: forward by playing on, back by playing again from the start with
    // the screen hidden; the whole picture is then shown.
    void seek(uint32_t frame);

    uint32_t frame() const;
    uint32_t frameCount() const { return run.frameCount(); }
    // Over: the round ended or the run has no frame left.
    bool finished() const;
    bool paused() const { return isPaused; }
    int speed() const { return speedIndex; }
    bool realTime() const { return speedIndex == realTimeSpeed; }
    bool takeOverAsked() const { return takeOver; }
    const std::vector<mark>& marks() const { return found; }
    // The wished direction of the last frame played.
    const frameInput& lastInput() const { return last; }

private:
    void restartRound();
    void playOne();

    quaroRound& round;
    const quaroRecording& run;
    kuScreen& screen;
    std::vector<mark> found;
    uint32_t next = 0; // the run's next frame to play
    frameInput last;
    bool isPaused = false;
    bool takeOver = false;
    int speedIndex = realTimeSpeed;
    int quarters = 0; // of a frame owed by the speed
};
