#include "quaroRandom.h"

namespace {
constexpr uint64_t multiplier = 6364136223846793005ull;
} // namespace

quaroRandom::quaroRandom(uint64_t seed, uint64_t stream) : state(0), increment(1) {
    reseed(seed, stream);
}

void quaroRandom::reseed(uint64_t seed, uint64_t stream) {
    state = 0;
    increment = stream << 1 | 1;
    next();
    state += seed;
    next();
}

uint32_t quaroRandom::next() {
    const uint64_t old = state;
    state = old * multiplier + increment;
    const uint32_t xorShifted = uint32_t(((old >> 18) ^ old) >> 27);
    const uint32_t rotation = uint32_t(old >> 59);
    return xorShifted >> rotation | xorShifted << (-rotation & 31);
}

// Scales the draw instead of taking a remainder, so that small bounds use its best bits.
int quaroRandom::below(uint32_t bound) {
    return int(uint64_t(next()) * bound >> 32);
}
