// The keys every screen of the game shares, seen before the current screen's own handler:
// F11 and Alt+Enter switch the screen between window and full screen, the mute key (M unless
// bound elsewhere) switches the sound off and on (except while a name is typed, where it is a
// letter), wherever the player is.
// The keys it acts on never reach the screen's handler. It also notes a request to close the
// game (a window close, SIGTERM or SIGINT), which the screen's handler still sees.
#pragma once

#include "kuInput.h"

class Audio;
class kuScreen;

class shellKeys : public kuEventHook {
public:
    // Neither is owned; both outlive the hook.
    shellKeys(kuScreen* screen, Audio* audio);

    bool takeEvent(const SDL_Event& event) override;

    // While a name is typed, the mute key is a letter of it.
    void setTyping(bool typing) { this->typing = typing; }
    void setMuteKey(SDLKey key) { muteKey = key; }
    // True once the game was asked to close: every screen from then on ends at once.
    bool closeRequested() const { return closing; }

private:
    kuScreen* screen;
    Audio* audio;
    bool typing;
    bool closing;
    SDLKey muteKey = SDLK_m;
};
