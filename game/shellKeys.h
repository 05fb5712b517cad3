// The keys every screen of the game shares, seen before the current screen's own handler:
// F11 and Alt+Enter switch the screen between window and full screen, wherever the player is.
// The keys it acts on never reach the screen's handler.
#pragma once

#include "kuInput.h"

class kuScreen;

class shellKeys : public kuEventHook {
public:
    // The screen is not owned and outlives the hook.
    explicit shellKeys(kuScreen* screen);

    bool takeEvent(const SDL_Event& event) override;

private:
    kuScreen* screen;
};
