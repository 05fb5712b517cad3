// Game controllers on SDL 2, by the default bindings: the d-pad or left stick steers, A starts
// and resumes, B shows the table, Start starts, pauses and resumes, Back leaves, any button goes
// on from a title,
// and a pad pulled out pauses the round. The last tests plug SDL's virtual joystick in and out.
#include "gameFixture.h"
#include "introInput.h"
#include "kuGamepad.h"
#include "menuInput.h"
#include "vorlanInput.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

SDL_Event buttonEvent(Uint8 button, bool down = true) {
    SDL_Event event{};
    event.type = event.cbutton.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
    event.cbutton.button = button;
    event.cbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    return event;
}

SDL_Event axisEvent(Uint8 axis, Sint16 value) {
    SDL_Event event{};
    event.type = event.caxis.type = SDL_CONTROLLERAXISMOTION;
    event.caxis.axis = axis;
    event.caxis.value = value;
    return event;
}

SDL_Event removedEvent() {
    SDL_Event event{};
    event.type = event.cdevice.type = SDL_CONTROLLERDEVICEREMOVED;
    return event;
}

struct padCase {
    const char* what;
    std::vector<SDL_Event> events;
    int wantedDX, wantedDY;
    bool pause, resume;
    int menuChoice; // -1 for none, else 0 start, 1 table, 2 quit
    bool titleGoesOn;
};

int choiceOf(const MenuInputHandler& menu) {
    if (menu.startGame)
        return 0;
    if (menu.showHighscore)
        return 1;
    return menu.quit ? 2 : -1;
}

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

} // namespace

TEST_F(PadTest, ButtonsDPadAndStickSteerPauseAndChoose) {
    using B = SDL_GameControllerButton;
    const padCase cases[] = {
        {"d-pad right and up",
         {buttonEvent(B::SDL_CONTROLLER_BUTTON_DPAD_RIGHT),
          buttonEvent(B::SDL_CONTROLLER_BUTTON_DPAD_UP)},
         1,
         -1,
         false,
         true,
         -1,
         false},
        {"d-pad let go",
         {buttonEvent(B::SDL_CONTROLLER_BUTTON_DPAD_LEFT),
          buttonEvent(B::SDL_CONTROLLER_BUTTON_DPAD_LEFT, false)},
         0,
         0,
         false,
         true,
         -1,
         false},
        {"stick beyond 40%",
         {axisEvent(SDL_CONTROLLER_AXIS_LEFTX, -14000),
          axisEvent(SDL_CONTROLLER_AXIS_LEFTY, 20000)},
         -1,
         1,
         false,
         true,
         -1,
         false},
        {"stick within 40%",
         {axisEvent(SDL_CONTROLLER_AXIS_LEFTX, 13000),
          axisEvent(SDL_CONTROLLER_AXIS_LEFTY, -13106)},
         0,
         0,
         false,
         false,
         -1,
         false},
        {"right stick",
         {axisEvent(SDL_CONTROLLER_AXIS_RIGHTX, 32767)},
         0,
         0,
         false,
         false,
         -1,
         false},
        {"A", {buttonEvent(B::SDL_CONTROLLER_BUTTON_A)}, 0, 0, false, true, 0, true},
        {"B", {buttonEvent(B::SDL_CONTROLLER_BUTTON_B)}, 0, 0, false, false, 1, true},
        {"Start", {buttonEvent(B::SDL_CONTROLLER_BUTTON_START)}, 0, 0, true, true, 0, true},
        {"Back", {buttonEvent(B::SDL_CONTROLLER_BUTTON_BACK)}, 0, 0, false, false, 2, true},
        {"X", {buttonEvent(B::SDL_CONTROLLER_BUTTON_X)}, 0, 0, false, false, -1, true},
        {"A let go",
         {buttonEvent(B::SDL_CONTROLLER_BUTTON_A, false)},
         0,
         0,
         false,
         false,
         -1,
         false},
        {"pulled out while steering",
         {axisEvent(SDL_CONTROLLER_AXIS_LEFTX, 32767), removedEvent()},
         0,
         0,
         true,
         true,
         -1,
         false},
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
        EXPECT_EQ(title.proceed, c.titleGoesOn);
    }
}

// A pad has no key for the assisted wins: on the table, its table button switches to them.
TEST_F(PadTest, TheTableButtonOnTheTableSwitchesItsList) {
    for (const bool onTable : {false, true}) {
        MenuInputHandler menu;
        menu.activate();
        menu.tableShown = onTable;
        SDL_Event press = buttonEvent(SDL_CONTROLLER_BUTTON_B);
        menu.handleEvent(&press);
        EXPECT_EQ(menu.switchList, onTable);
        EXPECT_EQ(menu.showHighscore, !onTable);
    }
}

namespace {

constexpr int virtualAxes = SDL_CONTROLLER_AXIS_MAX;
constexpr int virtualButtons = SDL_CONTROLLER_BUTTON_MAX;

// A pad of SDL's own making, plugged in until it is pulled out or the test ends.
class VirtualPad {
public:
    VirtualPad() {
        index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, virtualAxes,
                                          virtualButtons, 0);
        joystick = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    }
    ~VirtualPad() { pullOut(); }
    bool plugged() const { return joystick != nullptr; }
    void pullOut() {
        if (joystick == nullptr)
            return;
        SDL_JoystickClose(joystick);
        SDL_JoystickDetachVirtual(index);
        joystick = nullptr;
    }
    void press(SDL_GameControllerButton button, bool down = true) {
        SDL_JoystickSetVirtualButton(joystick, button, down ? 1 : 0);
        SDL_JoystickUpdate();
    }
    void tilt(SDL_GameControllerAxis axis, Sint16 value) {
        SDL_JoystickSetVirtualAxis(joystick, axis, value);
        SDL_JoystickUpdate();
    }

private:
    int index = -1;
    SDL_Joystick* joystick = nullptr;
};

class VirtualPadTest : public PadTest {
protected:
    void SetUp() override {
        PadTest::SetUp();
        // The test's window never has the focus, without which SDL drops a pad's events.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
        input.activate();
    }
    void TearDown() override {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        PadTest::TearDown();
    }
};

} // namespace

// The pad is plugged in after the game started, steers and pauses at once, and pulled out
// mid-round it pauses the round and steers no more.
TEST_F(VirtualPadTest, APadPluggedInLaterPlaysAndPullingItOutPauses) {
    kuGamepad gamepad;
    EXPECT_FALSE(gamepad.isOpen());
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    input.pollEvents();
    EXPECT_TRUE(gamepad.isOpen());

    pad.tilt(SDL_CONTROLLER_AXIS_LEFTX, -30000);
    input.pollEvents();
    EXPECT_EQ(hero->wantedDX, -1);
    pad.tilt(SDL_CONTROLLER_AXIS_LEFTX, 0);
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    input.pollEvents();
    EXPECT_EQ(hero->wantedDX, 0);
    EXPECT_EQ(hero->wantedDY, 1);
    EXPECT_FALSE(input.pauseRequested);

    pad.press(SDL_CONTROLLER_BUTTON_START);
    input.pollEvents();
    EXPECT_TRUE(input.pauseRequested);
    input.pauseRequested = input.resumeRequested = false;

    pad.pullOut();
    input.pollEvents();
    EXPECT_FALSE(gamepad.isOpen());
    EXPECT_TRUE(input.pauseRequested);
    EXPECT_EQ(hero->wantedDY, 0) << "a pad that is gone steers no more";
}
