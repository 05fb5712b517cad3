// The round's random generator: PCG32 (permuted congruential, 64-bit state, 32-bit output),
// written here so that a round replays the same from its seed on every machine and library.
// The same seed and stream always give the same sequence; every draw of a round comes from
// one of these.
#pragma once

#include <cstdint>

class quaroRandom {
public:
    // The stream every round uses; a seed alone chooses the sequence.
    static constexpr uint64_t roundStream = 54;
    // The stream of what only decorates a round (its yells), seeded with the round's seed.
    static constexpr uint64_t cosmeticStream = 55;

    explicit quaroRandom(uint64_t seed = 0, uint64_t stream = roundStream);

    // Starts the sequence of the seed afresh.
    void reseed(uint64_t seed, uint64_t stream = roundStream);
    uint32_t next();
    // A draw from 0 to bound - 1; bound 0 gives 0.
    int below(uint32_t bound);

private:
    uint64_t state;
    uint64_t increment; // odd: picks the stream
};
