// The title screens' handler: any key press or the left mouse button goes on, a window close
// asks to leave. The flags are cleared by activate at the start of every screen.
#pragma once

#include "kuInput.h"

class IntroInputHandler : public kuInputHandler {
public:
    IntroInputHandler();

    void activate() override;
    void handleEvent(SDL_Event* event) override;

    bool quit;    // the window was closed
    bool proceed; // a key or the left button alone
};
