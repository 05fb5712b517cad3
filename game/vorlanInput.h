// The round's input handler: after every key event the arrow keys held become the hero's
// wished direction (down beats up, right beats left), and Escape or a window close sets quit.
#pragma once

#include "kuInput.h"

class vorlanCharSprite;

class VorlanInputHandler : public kuInputHandler {
public:
    VorlanInputHandler();

    // Installs the event filter, clears quit and the steered hero's wishes.
    void activate() override;
    // Key events without a hero change nothing, not even quit.
    void handleEvent(SDL_Event* event) override;

    bool quit;
    vorlanCharSprite* sprite; // the hero steered; not owned
};
