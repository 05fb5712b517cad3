// The base of every object that reacts to the event queue. The game drives the handler of
// the current screen: activate once when the screen begins, then pollEvents or waitEvent. A
// hook, when set, sees every event first and keeps from the handler those it consumes.
#pragma once

#include "kuGeomUtil.h"
#include "kuSdl.h"

#include <optional>
#include <string>

// Accepts every event.
int eventFilter(const SDL_Event* event);

// The keys held, asked by the key names the events carry (SDLK_ constants), on every SDL.
class kuHeldKeys {
public:
    // The library's state of every key, which stays valid until SDL_Quit.
    explicit kuHeldKeys(const Uint8* state) : state(state) {}
    bool operator[](SDLKey key) const;

private:
    const Uint8* state;
};

// What the event types, in printable ASCII: on SDL 1.2 the character of a key pressed, on SDL 2
// the text of a text event (one key may type nothing, or a pasted word several characters).
// Characters beyond ASCII are left out; empty for every other event.
std::string kuTypedText(const SDL_Event& event);
// True for a key press the keyboard repeats while the key stays down (SDL 2 reports them;
// SDL 1.2 repeats nothing unless asked to).
bool kuIsKeyRepeat(const SDL_Event& event);
// True for the keys that change others (Shift, Control, Alt, the locks and the like), which
// come before the keys they change.
bool kuIsModifierKey(SDLKey key);
// Where the mouse is, in the output's pixels, while its left button alone is held; none while
// another button is held too, or none is.
std::optional<pt> kuLeftButtonAloneAt();
// Where the left button was pressed, in the output's pixels, for the event of that press; none
// for every other event. Unlike the button's state, it still tells a click once it is over.
std::optional<pt> kuLeftClickAt(const SDL_Event& event);

// The library's own record of the keys held, written as a key press or release would write it,
// so that a script (a test, a benchmark) can hold keys without a keyboard. Desktop only.
void kuSetKeyHeld(SDLKey key, bool held);
void kuReleaseAllKeys();

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
