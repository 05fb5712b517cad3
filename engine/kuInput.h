// The base of every object that reacts to the event queue. The game drives the handler of
// the current screen: activate once when the screen begins, then pollEvents or waitEvent.
#pragma once

#include <SDL.h>

// Accepts every event.
int eventFilter(const SDL_Event* event);

class kuInputHandler {
public:
    kuInputHandler() = default;
    virtual ~kuInputHandler() = default;

    // Installs eventFilter; overrides call this first, then reset their own state.
    virtual void activate();
    virtual void handleEvent(SDL_Event* event) = 0;

    // Hands every pending event to handleEvent, in queue order, until the queue is empty.
    void pollEvents();
    // Waits for one event and hands it to handleEvent; on a library error, returns without.
    void waitEvent();
};
