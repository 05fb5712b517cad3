#include "menuInput.h"
#include "headlessSdl.h"
#include "introInput.h"
#include "kuScreen.h"
#include "shellHarness.h"

#include <gtest/gtest.h>

namespace {

struct ClickCase {
    pt point;
    int choice; // 0 start, 1 high scores, 2 quit, -1 nothing
};

int choiceOf(const MenuInputHandler& menu) {
    if (menu.startGame)
        return 0;
    if (menu.showHighscore)
        return 1;
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
                      ClickCase{{100, 435}, 2}, ClickCase{{199, 484}, 2},
                      ClickCase{{100, 485}, -1}));

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

TEST_F(HandlerTest, MenuKeysAreJudgedByTheKeyboardState) {
    MenuInputHandler menu;
    menu.activate();
    SDL_Event press = {};
    press.type = SDL_KEYDOWN;
    press.key.keysym.sym = SDLK_s; // the event's own key does not count
    menu.handleEvent(&press);
    EXPECT_EQ(choiceOf(menu), -1);
    holdKey(SDLK_q);
    menu.handleEvent(&press);
    EXPECT_EQ(choiceOf(menu), 2);
    menu.activate();
    EXPECT_EQ(choiceOf(menu), -1) << "activate clears the choice";
    SDL_Event release = {};
    release.type = SDL_KEYUP;
    menu.handleEvent(&release);
    EXPECT_EQ(choiceOf(menu), -1) << "a key release looks only at the mouse";
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    menu.handleEvent(&quit);
    EXPECT_EQ(choiceOf(menu), 2);
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
