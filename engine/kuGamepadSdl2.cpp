// Gamepads on SDL 2: the GameController API. SDL knows most pads by itself; the player's own
// mappings come from SDL_GAMECONTROLLERCONFIG (SDL reads it) or the mapping file. The pad is
// opened from an event watch, which sees a pad's arrival while SDL queues it, whichever screen
// is reading events, so a pad plugged in after start-up works at once.
#include "kuGamepad.h"

#include "kuFiles.h"

namespace {

// A mapping file holds a few hundred lines of about 200 bytes.
constexpr size_t largestMappingFile = 4 << 20;

int stickDirection(Sint16 value) {
    if (value > kuPadReader::stickDeadZone)
        return 1;
    return value < -kuPadReader::stickDeadZone ? -1 : 0;
}

void addMappings(const std::string& file) {
    if (file.empty())
        return;
    const kuFileRead read = kuReadRegularFile(file, largestMappingFile);
    if (!read.error.empty() || read.bytes.empty())
        return;
    SDL_RWops* stream = SDL_RWFromConstMem(read.bytes.data(), int(read.bytes.size()));
    if (stream != nullptr)
        SDL_GameControllerAddMappingsFromRW(stream, 1);
}

bool isDpad(int button) {
    return button >= SDL_CONTROLLER_BUTTON_DPAD_UP && button <= SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
}

} // namespace

kuPadButtons kuDefaultPadButtons() {
    return {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_BACK,
            SDL_CONTROLLER_BUTTON_B};
}

std::string kuPadButtonName(int button) {
    if (button < 0 || button >= SDL_CONTROLLER_BUTTON_MAX || isDpad(button))
        return "";
    const char* name = SDL_GameControllerGetStringForButton(SDL_GameControllerButton(button));
    return name != nullptr ? name : "";
}

std::optional<int> kuPadButtonFromName(const std::string& name) {
    // SDL reads the names in any case.
    const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(name.c_str());
    if (button == SDL_CONTROLLER_BUTTON_INVALID || isDpad(button))
        return std::nullopt;
    return int(button);
}

struct kuGamepad::state {
    SDL_GameController* controller = nullptr;
    bool started = false;

    void openFirst() {
        for (int index = 0; controller == nullptr && index < SDL_NumJoysticks(); ++index)
            if (SDL_IsGameController(index))
                controller = SDL_GameControllerOpen(index);
    }

    static int watch(void* self, SDL_Event* event) {
        state& my = *static_cast<state*>(self);
        if (event->type == SDL_CONTROLLERDEVICEADDED && my.controller == nullptr) {
            my.controller = SDL_GameControllerOpen(event->cdevice.which);
        } else if (event->type == SDL_CONTROLLERDEVICEREMOVED && my.controller != nullptr &&
                   SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(my.controller)) ==
                       event->cdevice.which) {
            SDL_GameControllerClose(my.controller);
            my.controller = nullptr;
            my.openFirst();
        }
        return 1;
    }
};

kuGamepad::kuGamepad(const std::string& mappingFile) : my(std::make_unique<state>()) {
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        return;
    my->started = true;
    addMappings(mappingFile);
    my->openFirst();
    SDL_AddEventWatch(&state::watch, my.get());
}

kuGamepad::~kuGamepad() {
    if (!my->started)
        return;
    SDL_DelEventWatch(&state::watch, my.get());
    if (my->controller != nullptr)
        SDL_GameControllerClose(my->controller);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool kuGamepad::isOpen() const {
    return my->controller != nullptr;
}

kuPadReader::meaning kuPadReader::read(const SDL_Event& event) {
    switch (event.type) {
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
        const bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
        switch (event.cbutton.button) {
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            dx = down ? -1 : (dx < 0 ? 0 : dx);
            return meaning::steered;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            dx = down ? 1 : (dx > 0 ? 0 : dx);
            return meaning::steered;
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            dy = down ? -1 : (dy < 0 ? 0 : dy);
            return meaning::steered;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            dy = down ? 1 : (dy > 0 ? 0 : dy);
            return meaning::steered;
        default:
            break;
        }
        if (!down)
            return meaning::none;
        lastPress = kuPressOfButton(event.cbutton.button);
        return meaning::pressed;
    }
    case SDL_CONTROLLERAXISMOTION:
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
            dx = stickDirection(event.caxis.value);
        else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
            dy = stickDirection(event.caxis.value);
        else
            return meaning::none;
        return meaning::steered;
    case SDL_CONTROLLERDEVICEREMOVED:
        reset();
        return meaning::unplugged;
    default:
        return meaning::none;
    }
}
