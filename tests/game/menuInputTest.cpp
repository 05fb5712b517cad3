#include "menuInput.h"
#include "headlessSdl.h"
#include "introInput.h"
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
