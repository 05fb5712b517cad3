#include "palette.h"

#include <cmath>

rgba shade(rgba c, double amount) {
    auto mix = [amount](uint8_t v) {
        const double target = amount > 0 ? 0.0 : 255.0;
        const double t = std::fabs(amount);
        return uint8_t(std::lround(v + (target - v) * t));
    };
    return {mix(c.r), mix(c.g), mix(c.b), c.a};
}
