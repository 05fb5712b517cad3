#include "shellKeys.h"

#include "kuAudio.h"
#include "kuScreen.h"

namespace {

bool switchesScreen(const SDL_keysym& key) {
    const bool enter = key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER;
    return key.sym == SDLK_F11 || (enter && (key.mod & KMOD_ALT) != 0);
}

// Alt pressed on its own is the first half of Alt+Enter: on a title screen, where any key
// goes on, it would leave the screen before the switch.
bool isAlt(const SDL_keysym& key) {
    return key.sym == SDLK_LALT || key.sym == SDLK_RALT;
}

} // namespace

shellKeys::shellKeys(kuScreen* screen, Audio* audio)
    : screen(screen), audio(audio), typing(false), closing(false) {}

bool shellKeys::takeEvent(const SDL_Event& event) {
    if (event.type == SDL_QUIT)
        closing = true;
    if (event.type != SDL_KEYDOWN)
        return false;
    if (switchesScreen(event.key.keysym)) {
        screen->toggleFullScreen();
        return true;
    }
    if (event.key.keysym.sym == muteKey && !typing) {
        audio->setMuted(!audio->isMuted());
        return true;
    }
    return isAlt(event.key.keysym);
}
