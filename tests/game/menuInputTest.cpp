#include "menuInput.h"
#include "headlessSdl.h"
#include "introInput.h"
#include "kuScreen.h"
#include "shellHarness.h"

#include <gtest/gtest.h>

namespace {

struct ClickCase {
    pt point;
    int choice; // 0 start, 1 high scores, 2 quit, 3 settings, -1 nothing
};

int choiceOf(const MenuInputHandler& menu) {
    if (menu.startGame)
        return 0;
    if (menu.showHighscore)
        return 1;
    if (menu.openSettings)
        return 3;
    return menu.quit ? 2 : -1;
}

class MenuClickTest : public ::testing::TestWithParam<ClickCase> {};

struct ScaledClickCase {
    sz desktop; // in full screen: 1920 x 1080 shows N = 2 from (200, 20), 2560 x 1600 N = 3
                // from (140, 20)
    pt output;
    int choice;
    bool titleGoesOn;
};

class ScaledClickTest : public SdlTest, public ::testing::WithParamInterface<ScaledClickCase> {};

class HandlerTest : public SdlTest {
protected:
    void SetUp() override {
        SdlTest::SetUp();
        dropEvents();
        releaseAllKeys();
    }
    void TearDown() override {
        releaseAllKeys();
        SdlTest::TearDown();
    }
};

} // namespace

TEST_P(MenuClickTest, ChoosesTheButtonUnderTheMouse) {
    MenuInputHandler menu;
    menu.activate();
    menu.clickAt(GetParam().point);
    EXPECT_EQ(choiceOf(menu), GetParam().choice);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, MenuClickTest,
    ::testing::Values(ClickCase{{50, 320}, 0}, ClickCase{{199, 369}, 0},
                      ClickCase{{200, 345}, -1}, // one past the right edge
                      ClickCase{{49, 345}, -1}, ClickCase{{100, 370}, -1},
                      ClickCase{{100, 379}, -1}, // between start and high scores
                      ClickCase{{100, 380}, 1}, ClickCase{{100, 429}, 1}, ClickCase{{100, 430}, -1},
                      ClickCase{{100, 434}, -1}, // between
                      ClickCase{{100, 435}, 2}, ClickCase{{199, 484}, 2}, ClickCase{{100, 485}, -1},
                      ClickCase{{50, 262}, 3}, ClickCase{{199, 311}, 3},
                      ClickCase{{100, 312}, -1}, // above start
                      ClickCase{{100, 261}, -1}));

TEST_P(ScaledClickTest, MapsTheMouseThroughTheScreenAndIgnoresTheBorder) {
    kuScreen screen;
    screen.setSize({760, 520});
    screen.setDesktopSize(GetParam().desktop);
    screen.open();
    MenuInputHandler menu;
    menu.screen = &screen;
    menu.activate();
    menu.clickAt(GetParam().output);
    EXPECT_EQ(choiceOf(menu), GetParam().choice);
    IntroInputHandler title;
    title.screen = &screen;
    title.activate();
    title.clickAt(GetParam().output);
    EXPECT_EQ(title.proceed, GetParam().titleGoesOn);
}

INSTANTIATE_TEST_SUITE_P(
    Factors, ScaledClickTest,
    ::testing::Values(ScaledClickCase{{1920, 1080}, {300, 660}, 0, true},   // start (50, 320)
                      ScaledClickCase{{1920, 1080}, {599, 759}, 0, true},   // (199, 369)
                      ScaledClickCase{{1920, 1080}, {600, 700}, -1, true},  // (200, 340)
                      ScaledClickCase{{1920, 1080}, {300, 780}, 1, true},   // high scores
                      ScaledClickCase{{1920, 1080}, {300, 900}, 2, true},   // quit (50, 440)
                      ScaledClickCase{{1920, 1080}, {100, 660}, -1, false}, // left border
                      ScaledClickCase{{1920, 1080}, {300, 10}, -1, false},  // top border
                      ScaledClickCase{{2560, 1600}, {290, 980}, 0, true},   // start (50, 320)
                      ScaledClickCase{{2560, 1600}, {289, 980}, -1, true},  // (49, 320)
                      ScaledClickCase{{2560, 1600}, {500, 1325}, 2, true},  // quit (120, 435)
                      ScaledClickCase{{2560, 1600}, {139, 1325}, -1, false},
                      ScaledClickCase{{2560, 1600}, {500, 1590}, -1, false}));

// An event is judged by its own key or button: by the time a menu handles an event made
// while the game was busy, the key or the button is long released, or another one held.
TEST_F(HandlerTest, MenusAndTitlesJudgeKeysAndClicksByTheirEvents) {
    const auto key = [](sdlEventType type, SDLKey sym) {
        SDL_Event event = {};
        event.type = event.key.type = type;
        event.key.keysym.sym = sym;
        return event;
    };
    const auto button = [](Uint8 which, Uint16 x, Uint16 y) {
        SDL_Event event = {};
        event.type = event.button.type = SDL_MOUSEBUTTONDOWN;
        event.button.button = which;
        event.button.x = x;
        event.button.y = y;
        return event;
    };
    const struct {
        const char* what;
        SDL_Event event;
        SDLKey held;
        int choice;
        bool titleGoesOn;
    } cases[] = {
        {"s pressed, q held", key(SDL_KEYDOWN, SDLK_s), SDLK_q, 0, true},
        {"x pressed, s held", key(SDL_KEYDOWN, SDLK_x), SDLK_s, -1, true},
        {"s released", key(SDL_KEYUP, SDLK_s), SDLK_UNKNOWN, -1, false},
        {"a click on quit, released", button(SDL_BUTTON_LEFT, 199, 484), SDLK_UNKNOWN, 2, true},
        {"a right click on start", button(SDL_BUTTON_RIGHT, 60, 330), SDLK_UNKNOWN, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        releaseAllKeys();
        if (c.held != SDLK_UNKNOWN)
            holdKey(c.held);
        SDL_Event event = c.event;
        MenuInputHandler menu;
        menu.activate();
        menu.handleEvent(&event);
        EXPECT_EQ(choiceOf(menu), c.choice);
        IntroInputHandler title;
        title.activate();
        title.handleEvent(&event);
        EXPECT_EQ(title.proceed, c.titleGoesOn);
    }
}

TEST_F(HandlerTest, TitleGoesOnAtAKeyPressAndQuitsAtAWindowClose) {
    IntroInputHandler intro;
    intro.activate();
    SDL_Event event = {};
    event.type = SDL_KEYUP;
    intro.handleEvent(&event);
    event.type = SDL_MOUSEMOTION;
    intro.handleEvent(&event);
    EXPECT_FALSE(intro.proceed);
    EXPECT_FALSE(intro.quit);
    event.type = SDL_KEYDOWN;
    intro.handleEvent(&event);
    EXPECT_TRUE(intro.proceed);
    intro.activate();
    EXPECT_FALSE(intro.proceed);
    event.type = SDL_QUIT;
    intro.handleEvent(&event);
    EXPECT_TRUE(intro.quit);
    EXPECT_FALSE(intro.proceed);
}
