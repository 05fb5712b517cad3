// A small sound synthesiser: oscillators, envelopes, seeded noise, resonant filters, a
// plucked string and a formant voice, enough to make every sound effect of the game.
// Everything is deterministic: the same call gives the same samples on every run.
#pragma once

#include "rng.h"

#include <cstddef>
#include <vector>

namespace synth {

constexpr double rateHz = 22050;

using Samples = std::vector<float>;

inline size_t samplesFor(double seconds) {
    return size_t(seconds * rateHz + 0.5);
}

// Adds `part` into `mix` starting at `atSeconds`, scaled by gain; `mix` grows as needed.
void mixIn(Samples& mix, const Samples& part, double atSeconds, double gain = 1.0);

// A phase accumulator; each call advances by one sample at the given frequency.
class Phase {
public:
    double next(double hz) {
        const double p = value;
        value += hz / rateHz;
        value -= double(long(value));
        return p;
    }

private:
    double value = 0;
};

double sine(double phase);
double saw(double phase, double hz);    // band-limited at the edge (polyBLEP)
double square(double phase, double hz); // band-limited at the edges (polyBLEP)
double triangle(double phase);

// Rises linearly over attack seconds, then decays exponentially with the given time constant.
double strike(double t, double attack, double decay);
// Smooth 0 to 1 and back: rises over `in`, holds, falls over `out`, for a total `length`.
double swell(double t, double length, double in, double out);

// A resonant filter (biquad), band-pass or low-pass.
class Filter {
public:
    static Filter bandPass(double hz, double q);
    static Filter lowPass(double hz, double q);
    static Filter highPass(double hz, double q);
    float operator()(float x);
    void retune(double hz, double q); // keeps its kind and its state

private:
    enum class kind { band, low, high };
    Filter(kind k, double hz, double q);
    kind type;
    double b0 = 0, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// A plucked string (Karplus-Strong) of the given pitch and length, excited by seeded noise.
Samples pluck(double hz, double seconds, Rng& rng, double brightness = 0.5);

// A vowel as its first three formants in Hz.
struct Vowel {
    double f1, f2, f3;
};
constexpr Vowel vowelA{800, 1250, 2600};
constexpr Vowel vowelE{500, 1850, 2600};
constexpr Vowel vowelI{300, 2300, 3000};
constexpr Vowel vowelO{480, 860, 2500};
constexpr Vowel vowelU{320, 800, 2400};
constexpr Vowel vowelAh{700, 1100, 2500};

// One stretch of a spoken or yelled voice: pitch and vowel glide linearly from start to end;
// breath mixes in noise (1 = a whispered 'h').
struct Syllable {
    double seconds;
    double pitchFrom, pitchTo;
    Vowel vowelFrom, vowelTo;
    double loudness = 1;
    double breath = 0.05;
};

// Sings the syllables one after another with a smooth envelope on each; roughness adds a
// little pitch jitter for a gruff voice.
Samples voice(const std::vector<Syllable>& syllables, Rng& rng, double roughness = 0);

} // namespace synth
