#include "shellKeys.h"
#include "headlessSdl.h"
#include "kuScreen.h"

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    Uint8 type;
    SDLKey key;
    SDLMod mod;
    bool consumed;
    bool switches;
};

class ShellKeysTest : public SdlTest, public ::testing::WithParamInterface<KeyCase> {};

} // namespace

TEST_P(ShellKeysTest, SwitchesTheScreenOnlyForItsKeys) {
    const KeyCase& c = GetParam();
    kuScreen screen;
    screen.setSize({760, 520});
    screen.setDesktopSize({1920, 1080});
    screen.open();
    shellKeys keys(&screen);
    SDL_Event event = {};
    event.type = c.type;
    event.key.type = c.type;
    event.key.keysym.sym = c.key;
    event.key.keysym.mod = c.mod;
    EXPECT_EQ(keys.takeEvent(event), c.consumed);
    EXPECT_EQ(screen.isFullScreen(), !c.switches);
    EXPECT_EQ(screen.getOutputSurface()->w, c.switches ? 760 : 1920);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ShellKeysTest,
    ::testing::Values(KeyCase{SDL_KEYDOWN, SDLK_F11, KMOD_NONE, true, true},
                      KeyCase{SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT, true, true},
                      KeyCase{SDL_KEYDOWN, SDLK_KP_ENTER, KMOD_RALT, true, true},
                      KeyCase{SDL_KEYDOWN, SDLK_RETURN, KMOD_NONE, false, false},
                      KeyCase{SDL_KEYDOWN, SDLK_RETURN, KMOD_LCTRL, false, false},
                      // Alt alone must not move a title screen on before Enter comes
                      KeyCase{SDL_KEYDOWN, SDLK_LALT, KMOD_LALT, true, false},
                      KeyCase{SDL_KEYDOWN, SDLK_s, KMOD_LALT, false, false},
                      KeyCase{SDL_KEYUP, SDLK_F11, KMOD_NONE, false, false}));
