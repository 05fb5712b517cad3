// Runs the real game shell in-process and headless: a working folder of its own that sees
// the generated GFX/ and SFX/ and keeps its own Save/, a clock that never sleeps and calls
// back once per frame, and keys held and pressed by script.
#pragma once

#include "frameClock.h"
#include "headlessSdl.h"
#include "quaroRound.h"
#include "tempDir.h"
#include "vorlanGameShell.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// Time stands still until the shell sleeps. The shell reads the clock once when a round starts
// (its seed) and once per frame (in waitFrame), so onTicks runs at the start of every round
// and at the end of every frame of a round and of the name entry. A menu that may go idle
// reads it too, whenever it looks for events.
class ScriptedClock : public frameClock {
public:
    Uint32 ticks() override;
    void delay(Uint32 milliseconds) override;

    Uint32 now = 0;
    int reads = 0;
    int maxReads = 200000; // a script that never ends its round fails instead of hanging
    std::vector<Uint32> delays;
    std::function<void()> onTicks;
    std::function<void(Uint32)> onDelay;
};

// The feeder queues one event of the given type whenever the queue is empty, from a thread of
// its own, until it is destroyed; a key press is one of the first key the test holds (none
// when it holds none). What the screens make of it depends only on the keys held, which the
// test sets; so the outcome does not depend on timing.
class EventFeeder {
public:
    explicit EventFeeder(sdlEventType type = SDL_KEYDOWN);
    ~EventFeeder();
    EventFeeder(const EventFeeder&) = delete;
    EventFeeder& operator=(const EventFeeder&) = delete;

private:
    std::atomic<bool> running{true};
    std::thread pusher;
};

// A temporary working folder with links to the generated pictures and sounds.
class GameFolder {
public:
    GameFolder();
    const std::filesystem::path& path() const { return dir.path(); }
    std::string file(const std::string& name) const { return dir.file(name); }

private:
    TempDir dir;
    ScopedCwd cwd;
};

// The key state the handlers read, and the events that make them read it.
void holdKey(SDLKey key);
void releaseKey(SDLKey key);
void releaseAllKeys();
void pushKeyDown(SDLKey key);
// Holds the key and queues its press, as a player does.
void pressKey(SDLKey key);
void dropEvents();

// The centre of brick (x, y).
pt brickCentre(int x, int y);
// Stops the four enemies far from the hero's start, so that a test decides every meeting.
void parkEnemies(vorlanGameShell& shell);

// True when the screen shows the picture file at its top-left corner, pixel for pixel.
bool screenShows(kuScreen* screen, const std::string& pictureFile);

// SDL for video and audio (dummy drivers), a game folder, and a shell paced by a scripted
// clock, whose menus never go idle.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // loadData, then the per-frame hook counts frames and calls onFrame with the count.
    void load();
    // Plays one round from initGame to its end; returns the result.
    int playRound();
    // Starts a round from the seed as initGame does from the clock's ticks.
    void startRound(uint32_t seed);

    std::unique_ptr<GameFolder> folder;
    ScriptedClock clock;
    std::unique_ptr<vorlanGameShell> shell;
    int frames = 0;
    std::function<void(int frame)> onFrame;
};
