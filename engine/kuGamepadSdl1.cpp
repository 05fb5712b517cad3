// Gamepads on SDL 1.2: the first joystick, which only sends events while it is open.
#include "kuGamepad.h"

namespace {

// Only the first joystick plays.
constexpr Uint8 firstPad = 0;
constexpr Uint8 horizontalAxis = 0;
constexpr Uint8 verticalAxis = 1;
// SDL 1.2 numbers a joystick's buttons 0 to 255; no pad has nearly as many.
constexpr int buttonCount = 32;

int stickDirection(Sint16 value) {
    if (value > kuPadReader::stickDeadZone)
        return 1;
    return value < -kuPadReader::stickDeadZone ? -1 : 0;
}

} // namespace

kuPadButtons kuDefaultPadButtons() {
    return {0, 2, 3, 1};
}

std::string kuPadButtonName(int button) {
    return button >= 0 && button < buttonCount ? std::to_string(button) : "";
}

std::optional<int> kuPadButtonFromName(const std::string& name) {
    if (name.empty() || name.size() > 2 || name.find_first_not_of("0123456789") != name.npos)
        return std::nullopt;
    const int button = std::stoi(name);
    if (button >= buttonCount)
        return std::nullopt;
    return button;
}

struct kuGamepad::state {
    SDL_Joystick* joystick = nullptr;
};

kuGamepad::kuGamepad(const std::string&) : my(std::make_unique<state>()) {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0 || SDL_NumJoysticks() < 1)
        return;
    my->joystick = SDL_JoystickOpen(firstPad);
    SDL_JoystickEventState(SDL_ENABLE);
}

kuGamepad::~kuGamepad() {
    if (my->joystick != nullptr)
        SDL_JoystickClose(my->joystick);
}

bool kuGamepad::isOpen() const {
    return my->joystick != nullptr;
}

kuPadReader::meaning kuPadReader::read(const SDL_Event& event) {
    switch (event.type) {
    case SDL_JOYBUTTONDOWN: {
        lastPress = kuPressOfButton(event.jbutton.button);
        const bool unbound =
            !lastPress.starts && !lastPress.pauses && !lastPress.quits && !lastPress.showsTable;
        // A button bound to nothing pauses and resumes, as the buttons after the first two
        // always did. Only the first pad pauses; any pad's press goes on from a title.
        if (unbound)
            lastPress.pauses = lastPress.resumes = true;
        if (event.jbutton.which != firstPad)
            lastPress.pauses = false;
        return meaning::pressed;
    }
    case SDL_JOYHATMOTION: {
        if (event.jhat.which != firstPad || event.jhat.hat != 0)
            return meaning::none;
        const Uint8 hat = event.jhat.value;
        dx = (hat & SDL_HAT_RIGHT) ? 1 : ((hat & SDL_HAT_LEFT) ? -1 : 0);
        dy = (hat & SDL_HAT_DOWN) ? 1 : ((hat & SDL_HAT_UP) ? -1 : 0);
        return meaning::steered;
    }
    case SDL_JOYAXISMOTION:
        if (event.jaxis.which != firstPad)
            return meaning::none;
        if (event.jaxis.axis == horizontalAxis)
            dx = stickDirection(event.jaxis.value);
        else if (event.jaxis.axis == verticalAxis)
            dy = stickDirection(event.jaxis.value);
        else
            return meaning::none;
        return meaning::steered;
    default:
        return meaning::none;
    }
}
