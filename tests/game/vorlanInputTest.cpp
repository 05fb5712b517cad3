#include "vorlanInput.h"
#include "gameFixture.h"
#include "geomPrinters.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

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
    static void release() { kuReleaseAllKeys(); }
    // Holds the keys and queues one key event, as a press would.
    void hold(std::initializer_list<SDLKey> held, sdlEventType type = SDL_KEYDOWN) {
        for (SDLKey key : held)
            kuSetKeyHeld(key, true);
        queue(type);
    }
    static void queue(sdlEventType type) {
        SDL_Event event{};
        event.type = type;
        ASSERT_TRUE(queueEvent(event));
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

namespace {

SDL_Event keyDown(SDLKey key) {
    SDL_Event event{};
    event.type = event.key.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    return event;
}

struct steeringCase {
    const char* what;
    std::vector<SDLKey> held;
    std::vector<SDL_Event> events;
    int wantedDX, wantedDY;
    bool pause, resume;
};

} // namespace

// W A S D steer like the arrows; P and a lost focus ask for a pause, the steering keys, Space
// and P for the end of one. The gamepad's cases are the SDL's own (padInputSdl*Test.cpp).
TEST_F(InputTest, KeysAndFocusSteerAndPause) {
    const SDLKey none = SDLK_UNKNOWN;
    const steeringCase cases[] = {
        {"W A", {SDLK_w, SDLK_a}, {keyDown(SDLK_a)}, -1, -1, false, true},
        {"S D", {SDLK_s, SDLK_d}, {keyDown(SDLK_d)}, 1, 1, false, true},
        {"S beats W", {SDLK_s, SDLK_w}, {keyDown(SDLK_w)}, 0, 1, false, true},
        {"P", {SDLK_p}, {keyDown(SDLK_p)}, 0, 0, true, true},
        {"Space", {SDLK_SPACE}, {keyDown(SDLK_SPACE)}, 0, 0, false, true},
        {"focus lost", {}, {focusLostEvent()}, 0, 0, true, false},
        {"iconified", {}, {iconifiedEvent()}, 0, 0, true, false},
        {"mouse left the window", {}, {mouseLeftEvent()}, 0, 0, false, false},
        {"focus back", {}, {focusBackEvent()}, 0, 0, false, false},
        {"another key", {none}, {keyDown(SDLK_x)}, 0, 0, false, false},
    };
    for (const steeringCase& c : cases) {
        SCOPED_TRACE(c.what);
        input.activate();
        release();
        for (SDLKey key : c.held)
            kuSetKeyHeld(key, true);
        for (SDL_Event event : c.events)
            input.handleEvent(&event);
        EXPECT_EQ(hero->wantedDX, c.wantedDX);
        EXPECT_EQ(hero->wantedDY, c.wantedDY);
        EXPECT_EQ(input.pauseRequested, c.pause);
        EXPECT_EQ(input.resumeRequested, c.resume);
        EXPECT_FALSE(input.quit);
    }
}
