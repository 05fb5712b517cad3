// The round's input handler: after every key or gamepad event the arrow keys, W A S D and the
// gamepad's hat or stick held become the hero's wished direction (down beats up, right beats
// left), Escape or a window close sets quit, and the pause keys set the pause requests the
// round acts on between frames.
#pragma once

#include "kuInput.h"

class vorlanCharSprite;

class VorlanInputHandler : public kuInputHandler {
public:
    // A stick steers beyond 40% of its full deflection.
    static constexpr int stickDeadZone = 32767 * 2 / 5;

    VorlanInputHandler();

    // Installs the event filter; clears quit, the pause requests, the gamepad's direction and
    // the steered hero's wishes.
    void activate() override;
    // Key events without a hero change nothing, not even quit.
    void handleEvent(SDL_Event* event) override;

    bool quit;
    // P, a gamepad button other than 0 and 1, or the window losing the input focus or being
    // iconified. The round clears it when it pauses.
    bool pauseRequested;
    // P, Space, a steering key, the gamepad moved or a button other than 0 and 1.
    bool resumeRequested;
    vorlanCharSprite* sprite; // the hero steered; not owned

private:
    void handleKey(const SDL_KeyboardEvent& key);
    void handlePad(const SDL_Event& event);
    // The wish from the keys held and the gamepad's direction.
    void steer();

    int padDX; // the gamepad's direction: -1, 0 or +1 on each axis
    int padDY;
};
