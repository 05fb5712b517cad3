// The handler while a recorded run plays back: the round steers itself from the recording; a
// key of the viewer (quaroViewer's viewerKeys) is queued as its action, a modifier key alone
// does nothing, and any other key, a
// mouse click or gamepad button, or a window close, asks to stop watching. activate clears
// both at the start of every run watched.
#pragma once

#include "kuGamepad.h"
#include "kuInput.h"
#include "quaroViewer.h"

#include <vector>

class WatchInputHandler : public kuInputHandler {
public:
    WatchInputHandler();

    void activate() override;
    void handleEvent(SDL_Event* event) override;
    // The actions asked for since the last call, oldest first.
    std::vector<viewerAction> takeActions();

    bool stop; // the watcher asked to stop

private:
    std::vector<viewerAction> actions;
    kuPadReader pad;
};
