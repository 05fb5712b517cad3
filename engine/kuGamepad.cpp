#include "kuGamepad.h"

kuGamepad::kuGamepad() {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0 || SDL_NumJoysticks() < 1)
        return;
    joystick = SDL_JoystickOpen(0);
    SDL_JoystickEventState(SDL_ENABLE);
}

kuGamepad::~kuGamepad() {
    if (joystick != nullptr)
        SDL_JoystickClose(joystick);
}
