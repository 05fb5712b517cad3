// The handler while a recorded run plays back: the round steers itself from the recording, and
// any key press, mouse click or gamepad button, or a window close, asks to stop watching. The
// flag is cleared by activate at the start of every run watched.
#pragma once

#include "kuGamepad.h"
#include "kuInput.h"

class WatchInputHandler : public kuInputHandler {
public:
    WatchInputHandler();

    void activate() override;
    void handleEvent(SDL_Event* event) override;

    bool stop; // the watcher asked to stop

private:
    kuPadReader pad;
};
