// A small seeded random generator, so that every noisy picture and sound comes out the same,
// byte for byte, on every build and every machine.
#pragma once

#include <cstdint>

class Rng {
public:
    explicit Rng(uint64_t seed) : state(seed) {}

    uint32_t next() {
        state += 0x9e3779b97f4a7c15ull; // splitmix64
        uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return uint32_t((z ^ (z >> 31)) >> 32);
    }
    // Uniform in [0, 1).
    double unit() { return next() / 4294967296.0; }
    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    uint64_t state;
};
