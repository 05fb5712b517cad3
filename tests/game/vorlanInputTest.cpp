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
    static Uint8* keys() { return SDL_GetKeyState(nullptr); }
    static void release() {
        for (SDLKey key : {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_ESCAPE, SDLK_w, SDLK_a,
                           SDLK_s, SDLK_d, SDLK_p, SDLK_SPACE})
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

namespace {

SDL_Event keyDown(SDLKey key) {
    SDL_Event event{};
    event.type = event.key.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    return event;
}

SDL_Event hatMotion(Uint8 value, Uint8 pad = 0) {
    SDL_Event event{};
    event.type = event.jhat.type = SDL_JOYHATMOTION;
    event.jhat.which = pad;
    event.jhat.value = value;
    return event;
}

SDL_Event axisMotion(Uint8 axis, Sint16 value) {
    SDL_Event event{};
    event.type = event.jaxis.type = SDL_JOYAXISMOTION;
    event.jaxis.axis = axis;
    event.jaxis.value = value;
    return event;
}

SDL_Event button(Uint8 number) {
    SDL_Event event{};
    event.type = event.jbutton.type = SDL_JOYBUTTONDOWN;
    event.jbutton.button = number;
    return event;
}

SDL_Event focus(bool gain, Uint8 state) {
    SDL_Event event{};
    event.type = event.active.type = SDL_ACTIVEEVENT;
    event.active.gain = gain;
    event.active.state = state;
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

// W A S D steer like the arrows, the gamepad's hat and first two axes (beyond 40%) like both;
// P, a button other than 0 and 1 and a lost focus ask for a pause, the steering keys, Space,
// P, those buttons and a moved gamepad for the end of one.
TEST_F(InputTest, KeysGamepadAndFocusSteerAndPause) {
    const SDLKey none = SDLK_UNKNOWN;
    const steeringCase cases[] = {
        {"W A", {SDLK_w, SDLK_a}, {keyDown(SDLK_a)}, -1, -1, false, true},
        {"S D", {SDLK_s, SDLK_d}, {keyDown(SDLK_d)}, 1, 1, false, true},
        {"S beats W", {SDLK_s, SDLK_w}, {keyDown(SDLK_w)}, 0, 1, false, true},
        {"hat up-right", {}, {hatMotion(SDL_HAT_RIGHTUP)}, 1, -1, false, true},
        {"hat of a second pad", {}, {hatMotion(SDL_HAT_LEFT, 1)}, 0, 0, false, false},
        {"hat centred",
         {},
         {hatMotion(SDL_HAT_DOWN), hatMotion(SDL_HAT_CENTERED)},
         0,
         0,
         false,
         true},
        {"stick beyond the dead zone",
         {},
         {axisMotion(0, -14000), axisMotion(1, 20000)},
         -1,
         1,
         false,
         true},
        {"stick inside the dead zone",
         {},
         {axisMotion(0, 13000), axisMotion(1, -13106)},
         0,
         0,
         false,
         false},
        {"third axis", {}, {axisMotion(2, 32767)}, 0, 0, false, false},
        {"stick and keys",
         {SDLK_LEFT},
         {axisMotion(1, 32767), keyDown(SDLK_LEFT)},
         -1,
         1,
         false,
         true},
        {"P", {SDLK_p}, {keyDown(SDLK_p)}, 0, 0, true, true},
        {"Space", {SDLK_SPACE}, {keyDown(SDLK_SPACE)}, 0, 0, false, true},
        {"buttons 0 and 1", {}, {button(0), button(1)}, 0, 0, false, false},
        {"button 2", {}, {button(2)}, 0, 0, true, true},
        {"focus lost", {}, {focus(false, SDL_APPINPUTFOCUS)}, 0, 0, true, false},
        {"iconified", {}, {focus(false, SDL_APPACTIVE)}, 0, 0, true, false},
        {"mouse left the window", {}, {focus(false, SDL_APPMOUSEFOCUS)}, 0, 0, false, false},
        {"focus back", {}, {focus(true, SDL_APPINPUTFOCUS | SDL_APPACTIVE)}, 0, 0, false, false},
        {"another key", {none}, {keyDown(SDLK_x)}, 0, 0, false, false},
    };
    for (const steeringCase& c : cases) {
        SCOPED_TRACE(c.what);
        input.activate();
        release();
        for (SDLKey key : c.held)
            keys()[key] = 1;
        for (SDL_Event event : c.events)
            input.handleEvent(&event);
        EXPECT_EQ(hero->wantedDX, c.wantedDX);
        EXPECT_EQ(hero->wantedDY, c.wantedDY);
        EXPECT_EQ(input.pauseRequested, c.pause);
        EXPECT_EQ(input.resumeRequested, c.resume);
        EXPECT_FALSE(input.quit);
    }
}
