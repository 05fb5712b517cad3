// The round's input handler: after every key or gamepad event the arrow keys, W A S D and the
// gamepad's direction held become the hero's wished direction (down beats up, right beats
// left), Escape or a window close sets quit, and the pause keys and buttons set the pause
// requests the round acts on between frames.
#pragma once

#include "kuGamepad.h"
#include "kuInput.h"

class vorlanCharSprite;

class VorlanInputHandler : public kuInputHandler {
public:
    // A stick steers beyond 40% of its full deflection.
    static constexpr int stickDeadZone = kuPadReader::stickDeadZone;

    VorlanInputHandler();

    // Installs the event filter; clears quit, the pause requests, the gamepad's direction and
    // the steered hero's wishes.
    void activate() override;
    // Key events without a hero change nothing, not even quit.
    void handleEvent(SDL_Event* event) override;

    bool quit;
    // P, a gamepad's pause button, the window losing the input focus or being iconified, or
    // the gamepad unplugged. The round clears it when it pauses.
    bool pauseRequested;
    // P, Space, a steering key, the gamepad moved or its pause or resume button.
    bool resumeRequested;
    vorlanCharSprite* sprite; // the hero steered; not owned

private:
    void handleKey(const SDL_KeyboardEvent& key);
    // False for an event of no gamepad.
    bool handlePad(const SDL_Event& event);
    // The wish from the keys held and the gamepad's direction.
    void steer();

    kuPadReader pad;
};
