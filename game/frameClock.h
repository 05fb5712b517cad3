// The time source the shell paces itself with. The game uses SDL's tick counter; tests put
// in a clock of their own, so that frames run as fast as the machine allows.
#pragma once

#include <SDL.h>

class frameClock {
public:
    virtual ~frameClock() = default;
    // Milliseconds since some fixed start; wraps after about 49 days.
    virtual Uint32 ticks() = 0;
    virtual void delay(Uint32 milliseconds) = 0;
};

class sdlClock : public frameClock {
public:
    Uint32 ticks() override { return SDL_GetTicks(); }
    void delay(Uint32 milliseconds) override { SDL_Delay(milliseconds); }
};
