#include "vorlanInput.h"
#include "gameFixture.h"
#include "geomPrinters.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

class InputTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        hero = makeHero();
        input.sprite = hero.get();
        input.activate();
        release();
    }
    void TearDown() override {
        release();
        hero.reset();
        GameTest::TearDown();
    }

    // The keyboard as SDL reports it; a test holds keys by writing it, as the library does.
    static Uint8* keys() { return SDL_GetKeyState(nullptr); }
    static void release() {
        for (SDLKey key : {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_ESCAPE, SDLK_a})
            keys()[key] = 0;
    }
    // Holds the keys and queues one key event, as a press would.
    void hold(std::initializer_list<SDLKey> held, Uint8 type = SDL_KEYDOWN) {
        for (SDLKey key : held)
            keys()[key] = 1;
        queue(type);
    }
    static void queue(Uint8 type) {
        SDL_Event event{};
        event.type = type;
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }

    VorlanInputHandler input;
    std::unique_ptr<vorlanCharSprite> hero;
};

} // namespace

TEST_F(InputTest, NewHandlerStandsForNobody) {
    VorlanInputHandler fresh;
    EXPECT_FALSE(fresh.quit);
    EXPECT_EQ(fresh.sprite, nullptr);
}

TEST_F(InputTest, ArrowKeysBecomeTheWish) {
    hold({SDLK_LEFT});
    input.pollEvents();
    EXPECT_EQ(hero->wantedDX, -1);
    EXPECT_EQ(hero->wantedDY, 0);
    hold({SDLK_UP});
    input.pollEvents();
    EXPECT_EQ(hero->wantedDX, -1); // crossed arrows wish both ways
    EXPECT_EQ(hero->wantedDY, -1);
}

TEST_F(InputTest, DownBeatsUpAndRightBeatsLeft) {
    hold({SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT});
    input.pollEvents();
    EXPECT_EQ(hero->wantedDY, 1);
    EXPECT_EQ(hero->wantedDX, 1);
}

TEST_F(InputTest, ReleasingEveryKeyClearsTheWishButTheHeroWalksOn) {
    place(*hero, 9, 3, rowLeft);
    hold({SDLK_LEFT});
    input.pollEvents();
    hero->act();
    release();
    queue(SDL_KEYUP);
    input.pollEvents();
    EXPECT_EQ(hero->wantedDX, 0);
    EXPECT_EQ(hero->wantedDY, 0);
    hero->act();
    EXPECT_EQ(hero->pos, (pt{374, 140}));
}

TEST_F(InputTest, EscapeHeldDuringAnyKeyEventQuits) {
    hold({SDLK_ESCAPE});
    input.pollEvents();
    EXPECT_TRUE(input.quit);
    release();
    hold({SDLK_a}, SDL_KEYUP);
    input.pollEvents();
    EXPECT_TRUE(input.quit); // never cleared by events
}

TEST_F(InputTest, ClosingTheWindowQuits) {
    queue(SDL_QUIT);
    input.pollEvents();
    EXPECT_TRUE(input.quit);
}

TEST_F(InputTest, OtherEventsChangeNothing) {
    hold({SDLK_RIGHT});
    input.pollEvents();
    queue(SDL_MOUSEBUTTONDOWN);
    release();
    input.pollEvents();
    EXPECT_EQ(hero->wantedDX, 1);
}

TEST_F(InputTest, KeyEventsWithoutAHeroChangeNothingNotEvenQuit) {
    input.sprite = nullptr;
    hold({SDLK_ESCAPE, SDLK_UP});
    input.pollEvents();
    EXPECT_FALSE(input.quit);
    EXPECT_EQ(hero->wantedDY, 0);
}

TEST_F(InputTest, ActivateClearsQuitAndTheHerosWish) {
    hold({SDLK_ESCAPE, SDLK_DOWN, SDLK_RIGHT});
    input.pollEvents();
    input.activate();
    EXPECT_FALSE(input.quit);
    EXPECT_EQ(hero->wantedDX, 0);
    EXPECT_EQ(hero->wantedDY, 0);
}
