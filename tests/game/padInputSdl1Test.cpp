// The first joystick on SDL 1.2: its hat or first stick steers; by the default bindings button
// 0 starts and resumes, 1 shows the table, 2 pauses and resumes, 3 leaves, and those bound to
// nothing pause and resume; any button goes on from a title.
#include "gameFixture.h"
#include "introInput.h"
#include "menuInput.h"
#include "vorlanInput.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

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

struct padCase {
    const char* what;
    std::vector<SDL_Event> events;
    int wantedDX, wantedDY;
    bool pause, resume;
    int menuChoice; // -1 for none, else 0 start, 1 table
};

class PadTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        hero = makeHero();
        input.sprite = hero.get();
        kuReleaseAllKeys();
    }
    void TearDown() override {
        hero.reset();
        GameTest::TearDown();
    }

    VorlanInputHandler input;
    std::unique_ptr<vorlanCharSprite> hero;
};

int choiceOf(const MenuInputHandler& menu) {
    if (menu.startGame)
        return 0;
    if (menu.showHighscore)
        return 1;
    return menu.quit ? 2 : -1;
}

} // namespace

// The stick steers beyond 40% of its deflection; the hat of a second pad and a third axis do
// nothing.
TEST_F(PadTest, HatStickAndButtonsSteerPauseAndChoose) {
    const padCase cases[] = {
        {"hat up-right", {hatMotion(SDL_HAT_RIGHTUP)}, 1, -1, false, true, -1},
        {"hat of a second pad", {hatMotion(SDL_HAT_LEFT, 1)}, 0, 0, false, false, -1},
        {"hat centred",
         {hatMotion(SDL_HAT_DOWN), hatMotion(SDL_HAT_CENTERED)},
         0,
         0,
         false,
         true,
         -1},
        {"stick beyond the dead zone",
         {axisMotion(0, -14000), axisMotion(1, 20000)},
         -1,
         1,
         false,
         true,
         -1},
        {"stick inside the dead zone",
         {axisMotion(0, 13000), axisMotion(1, -13106)},
         0,
         0,
         false,
         false,
         -1},
        {"third axis", {axisMotion(2, 32767)}, 0, 0, false, false, -1},
        {"button 0", {button(0)}, 0, 0, false, true, 0},
        {"button 1", {button(1)}, 0, 0, false, false, 1},
        {"button 2", {button(2)}, 0, 0, true, true, 0},
        {"button 3", {button(3)}, 0, 0, false, false, 2},
        {"button 7", {button(7)}, 0, 0, true, true, -1},
    };
    for (const padCase& c : cases) {
        SCOPED_TRACE(c.what);
        input.activate();
        MenuInputHandler menu;
        menu.activate();
        IntroInputHandler title;
        title.activate();
        for (SDL_Event event : c.events) {
            input.handleEvent(&event);
            menu.handleEvent(&event);
            title.handleEvent(&event);
        }
        EXPECT_EQ(hero->wantedDX, c.wantedDX);
        EXPECT_EQ(hero->wantedDY, c.wantedDY);
        EXPECT_EQ(input.pauseRequested, c.pause);
        EXPECT_EQ(input.resumeRequested, c.resume);
        EXPECT_EQ(choiceOf(menu), c.menuChoice);
        EXPECT_EQ(title.proceed, c.events[0].type == SDL_JOYBUTTONDOWN);
    }
}
