// The first gamepad, open for as long as this object lives when there is one; none, or one
// that cannot be opened, is no error. While it is open its events reach the input handlers.
#pragma once

#include <SDL.h>

class kuGamepad {
public:
    kuGamepad();
    ~kuGamepad();
    kuGamepad(const kuGamepad&) = delete;
    kuGamepad& operator=(const kuGamepad&) = delete;

    bool isOpen() const { return joystick != nullptr; }

private:
    SDL_Joystick* joystick = nullptr;
};
