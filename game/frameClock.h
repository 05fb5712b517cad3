// The time source the shell paces itself with. The game uses the system's tick counter; tests
// put in a clock of their own, so that frames run as fast as the machine allows.
#pragma once

#include "kuSystem.h"

class frameClock {
public:
    virtual ~frameClock() = default;
    // Milliseconds since some fixed start; wraps after about 49 days.
    virtual Uint32 ticks() = 0;
    virtual void delay(Uint32 milliseconds) = 0;
};

class systemClock : public frameClock {
public:
    Uint32 ticks() override { return kuSystem::ticks(); }
    void delay(Uint32 milliseconds) override { kuSystem::sleep(milliseconds); }
};
