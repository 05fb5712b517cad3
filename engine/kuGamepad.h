// Gamepads: the one the game plays with, and what its events mean. On SDL 1.2 that is the first
// joystick, opened at start-up, steering with its first hat or first stick, its buttons known
// by number; a button bound to nothing pauses and resumes. On SDL 2 it is a game controller
// (SDL's own mappings, the user's from SDL_GAMECONTROLLERCONFIG or a mapping file), opened when
// it is found, also after start-up, steering with its d-pad or left stick, its buttons known by
// name. What the buttons do follows their bindings (kuPadButtons.h). None, or one that cannot
// be opened, is no error.
#pragma once

#include "kuPadButtons.h"
#include "kuSdl.h"

#include <memory>
#include <string>

class kuGamepad {
public:
    // The mapping file (SDL 2's game controller mappings, one a line) is read when it exists.
    explicit kuGamepad(const std::string& mappingFile = "");
    ~kuGamepad();
    kuGamepad(const kuGamepad&) = delete;
    kuGamepad& operator=(const kuGamepad&) = delete;

    bool isOpen() const;

private:
    struct state;
    std::unique_ptr<state> my;
};

// What a button press asks for; the screen takes what it knows.
struct kuPadPress {
    bool starts = false;     // a round, from a menu
    bool showsTable = false; // from a menu
    bool quits = false;      // leaves a menu or the round
    bool pauses = false;     // pauses a round, or resumes it while it is paused
    bool resumes = false;    // resumes a paused round
    int button = -1;         // the button pressed, as kuPadButtons.h numbers it
};

// Reads gamepad events one at a time, keeping the direction the pad steers.
class kuPadReader {
public:
    // A stick steers beyond 40% of its full deflection.
    static constexpr int stickDeadZone = 32767 * 2 / 5;

    enum class meaning { none, steered, pressed, unplugged };

    // What the event means: none for events of no pad (and those the game ignores), steered
    // when the direction may have changed, pressed for a button press, unplugged when a pad
    // went away (the direction is then none).
    meaning read(const SDL_Event& event);
    // The direction steered now: -1, 0 or +1 on each axis.
    int directionX() const { return dx; }
    int directionY() const { return dy; }
    // The press read last.
    const kuPadPress& press() const { return lastPress; }
    // No direction.
    void reset() { dx = dy = 0; }

private:
    int dx = 0;
    int dy = 0;
    kuPadPress lastPress;
};
