// The base of every object that reacts to the event queue. The game drives the handler of
// the current screen: activate once when the screen begins, then pollEvents or waitEvent. A
// hook, when set, sees every event first and keeps from the handler those it consumes.
#pragma once

#include <SDL.h>

// Accepts every event.
int eventFilter(const SDL_Event* event);

// Keys and events that mean the same on every screen, whichever handler is current.
class kuEventHook {
public:
    virtual ~kuEventHook() = default;
    // True when the hook consumed the event: the handler does not see it.
    virtual bool takeEvent(const SDL_Event& event) = 0;
};

class kuInputHandler {
public:
    kuInputHandler() = default;
    virtual ~kuInputHandler() = default;

    // Installs eventFilter; overrides call this first, then reset their own state.
    virtual void activate();
    virtual void handleEvent(SDL_Event* event) = 0;

    // Hands every pending event to handleEvent, in queue order, until the queue is empty;
    // returns how many there were, those the hook consumed included.
    int pollEvents();
    // Waits for one event and hands it to handleEvent; on a library error, returns without.
    void waitEvent();

    // The hook outlives the handler's use of it and is not owned; null for none.
    void setHook(kuEventHook* newHook) { hook = newHook; }

private:
    void dispatch(SDL_Event& event);

    kuEventHook* hook = nullptr;
};
