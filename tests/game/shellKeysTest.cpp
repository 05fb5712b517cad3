#include "shellKeys.h"
#include "headlessSdl.h"
#include "kuAudio.h"
#include "kuScreen.h"

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    sdlEventType type;
    SDLKey key;
    SDLMod mod;
    bool typing; // a name is being typed
    bool consumed;
    bool switches;
    bool mutes;
    bool closes;
};

class ShellKeysTest : public SdlTest, public ::testing::WithParamInterface<KeyCase> {};

} // namespace

TEST_P(ShellKeysTest, ActsOnlyOnItsKeys) {
    const KeyCase& c = GetParam();
    kuScreen screen;
    screen.setSize({760, 520});
    screen.setDesktopSize({1920, 1080});
    screen.open();
    Audio audio;
    shellKeys keys(&screen, &audio);
    keys.setTyping(c.typing);
    SDL_Event event = {};
    event.type = c.type;
    event.key.type = c.type;
    event.key.keysym.sym = c.key;
    event.key.keysym.mod = c.mod;
    EXPECT_EQ(keys.takeEvent(event), c.consumed);
    EXPECT_EQ(screen.isFullScreen(), !c.switches);
    EXPECT_EQ(screen.getOutputSurface()->w, c.switches ? 760 : 1920);
    EXPECT_EQ(audio.isMuted(), c.mutes);
    EXPECT_EQ(keys.closeRequested(), c.closes);
    if (c.mutes) {
        keys.takeEvent(event);
        EXPECT_FALSE(audio.isMuted()) << "M again switches the sound back on";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ShellKeysTest,
    ::testing::Values(
        KeyCase{SDL_KEYDOWN, SDLK_F11, KMOD_NONE, false, true, true, false, false},
        KeyCase{SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT, false, true, true, false, false},
        KeyCase{SDL_KEYDOWN, SDLK_KP_ENTER, KMOD_RALT, true, true, true, false, false},
        KeyCase{SDL_KEYDOWN, SDLK_RETURN, KMOD_NONE, false, false, false, false, false},
        KeyCase{SDL_KEYDOWN, SDLK_RETURN, KMOD_LCTRL, false, false, false, false, false},
        // Alt alone must not move a title screen on before Enter comes
        KeyCase{SDL_KEYDOWN, SDLK_LALT, KMOD_LALT, false, true, false, false, false},
        KeyCase{SDL_KEYDOWN, SDLK_s, KMOD_LALT, false, false, false, false, false},
        KeyCase{SDL_KEYUP, SDLK_F11, KMOD_NONE, false, false, false, false, false},
        KeyCase{SDL_KEYDOWN, SDLK_m, KMOD_NONE, false, true, false, true, false},
        // in the name entry M is a letter
        KeyCase{SDL_KEYDOWN, SDLK_m, KMOD_NONE, true, false, false, false, false},
        KeyCase{SDL_KEYUP, SDLK_m, KMOD_NONE, false, false, false, false, false},
        // the screen's handler still sees a close, to leave the screen
        KeyCase{SDL_QUIT, SDLK_UNKNOWN, KMOD_NONE, false, false, false, false, true}));
