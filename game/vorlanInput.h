// The round's input handler: after every key or gamepad event the steering keys held (those
// bound to up, down, left and right, and W A S D while bound to nothing else) and the gamepad's
// direction become the hero's wished direction (down beats up, right beats left), the leave key
// or a window close sets quit, and the pause keys and buttons set the pause requests the round
// acts on between frames.
#pragma once

#include "kuGamepad.h"
#include "kuInput.h"
#include "quaroSettings.h"

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
    // The keys bound to the actions; the arrows, P and Escape until it is called.
    void bindKeys(const quaroSettings& settings) { bound = settings; }

    bool quit;
    // The pause key, a gamepad's pause button, the window losing the input focus or being
    // iconified, or the gamepad unplugged. The round clears it when it pauses.
    bool pauseRequested;
    // The pause key, Space, a steering key, the gamepad moved or its pause or resume button.
    bool resumeRequested;
    // O, unless bound to an action: the pause box opens the settings.
    bool settingsRequested;
    vorlanCharSprite* sprite; // the hero steered; not owned

private:
    void handleKey(const SDL_KeyboardEvent& key);
    // False for an event of no gamepad.
    bool handlePad(const SDL_Event& event);
    // The wish from the keys held and the gamepad's direction.
    void steer();

    // Held, the key steers the way: bound to it, or W A S D bound to nothing.
    bool steersHeld(const kuHeldKeys& held, boundAction way, SDLKey alternative) const;
    bool steeringKey(SDLKey key) const;

    kuPadReader pad;
    quaroSettings bound;
};
