#include "sounds.h"

#include "wavFile.h"

#include <algorithm>
#include <cmath>

namespace sounds {
namespace {

using namespace synth;

constexpr uint64_t noiseSeed = 1873;

double noteHz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// A boot on dry ground: a soft low thump and the crunch of grit.
Samples footstep(Rng& rng) {
    Samples out(samplesFor(0.11));
    Phase body;
    Filter grit = Filter::bandPass(900, 1.5);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / rateHz;
        const double thump = sine(body.next(130 - 500 * t)) * strike(t, 0.003, 0.018);
        const double crunch = grit(float(rng.range(-1, 1))) * strike(t, 0.002, 0.025);
        out[i] = float(thump + 1.0 * crunch);
    }
    return out;
}

// Two quick rising notes.
Samples pickUp() {
    Samples out;
    Phase phase;
    for (auto [midi, seconds] : {std::pair{83, 0.055}, {88, 0.11}}) {
        const double hz = noteHz(midi);
        const size_t n = samplesFor(seconds);
        for (size_t i = 0; i < n; ++i) {
            const double t = i / rateHz;
            out.push_back(
                float(square(phase.next(hz), hz) * 0.6 * strike(t, 0.002, seconds * 0.7)));
        }
    }
    return out;
}

// Three gulps: a throat thump and a rising bubble each.
Samples gulping(Rng& rng) {
    Samples out;
    for (int gulp = 0; gulp < 3; ++gulp) {
        Samples one(samplesFor(0.2));
        Phase bubble, throat;
        Filter wet = Filter::bandPass(500, 5);
        for (size_t i = 0; i < one.size(); ++i) {
            const double t = i / rateHz;
            const double rise = 260 + 4000 * std::max(0.0, t - 0.02);
            const double b = sine(bubble.next(rise)) * strike(t - 0.02, 0.008, 0.03);
            const double th = sine(throat.next(95 + 60 * t)) * strike(t, 0.008, 0.05);
            const double slosh = wet(float(rng.range(-1, 1))) * strike(t, 0.01, 0.03);
            one[i] = float(1.0 * b + 0.8 * th + 0.6 * slosh);
        }
        mixIn(out, one, 0.27 * gulp + 0.02 * (gulp % 2));
    }
    out.resize(samplesFor(0.85), 0.0f);
    return out;
}

// A hollow cartoon bonk on the head.
Samples bonk(Rng& rng) {
    Samples out(samplesFor(0.4));
    Phase low, high;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / rateHz;
        const double drop = 420 * std::exp(-t * 6) + 200;
        const double tone = sine(low.next(drop)) * strike(t, 0.002, 0.12);
        const double wood = sine(high.next(drop * 2.76)) * strike(t, 0.001, 0.03);
        const double click = rng.range(-1, 1) * strike(t, 0.0005, 0.004);
        out[i] = float(tone + 0.6 * wood + 0.5 * click);
    }
    return out;
}

// Stick-slip friction: pulses at a wandering rate ring a few wooden or iron resonances.
Samples creak(Rng& rng, double seconds, double rateFrom, double rateTo, const double (&modes)[3],
              double q) {
    Samples out(samplesFor(seconds));
    Filter bodies[3] = {Filter::bandPass(modes[0], q), Filter::bandPass(modes[1], q),
                        Filter::bandPass(modes[2], q)};
    double untilPulse = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / rateHz;
        const double along = t / seconds;
        const double rate = rateFrom + (rateTo - rateFrom) * std::sin(M_PI * along) +
                            0.15 * rateFrom * std::sin(2 * M_PI * 3 * along);
        double pulse = 0;
        untilPulse -= 1;
        if (untilPulse <= 0) {
            pulse = rng.range(0.6, 1.0);
            untilPulse = rateHz / rate * rng.range(0.85, 1.15);
        }
        double y = 0;
        for (Filter& body : bodies)
            y += body(float(pulse));
        out[i] = float(y * swell(t, seconds, 0.08, 0.15));
    }
    return out;
}

Samples arrowCreak(Rng& rng) {
    const double modes[3] = {420, 980, 1650};
    return creak(rng, 0.85, 45, 95, modes, 14);
}

// Walking into a turned arrow: a dull thud on the signboard.
Samples thud(Rng& rng) {
    Samples out(samplesFor(0.16));
    Phase low;
    Filter board = Filter::bandPass(320, 4);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / rateHz;
        const double body = sine(low.next(95 - 150 * t)) * strike(t, 0.002, 0.04);
        const double knock = board(float(rng.range(-1, 1))) * strike(t, 0.001, 0.02);
        out[i] = float(body + 1.5 * knock);
    }
    return out;
}

// Little birds: quick upward chirps and a trill.
Samples birds() {
    Samples out;
    struct Chirp {
        double at, seconds, from, to, trillHz;
    };
    const Chirp chirps[] = {{0.0, 0.07, 2600, 4200, 0},
                            {0.11, 0.07, 2800, 4400, 0},
                            {0.26, 0.06, 3600, 2600, 0},
                            {0.38, 0.26, 3000, 3400, 28},
                            {0.70, 0.07, 2700, 4300, 0}};
    for (const Chirp& c : chirps) {
        Samples one(samplesFor(c.seconds));
        Phase phase;
        for (size_t i = 0; i < one.size(); ++i) {
            const double t = i / rateHz, along = t / c.seconds;
            const double hz =
                c.from + (c.to - c.from) * along + (c.trillHz > 0 ? 500 * sine(c.trillHz * t) : 0);
            one[i] = float(sine(phase.next(hz)) * swell(t, c.seconds, 0.01, 0.025));
        }
        mixIn(out, one, c.at);
    }
    return out;
}

// The gate: the latch clacks, then the hinges squeal while it swings.
// An outlaw's war whoop: a rising, gruff "hyaaah!".
Samples yellOne(Rng& rng) {
    return voice({{0.09, 150, 160, vowelI, vowelI, 0.5, 0.9},
                  {0.5, 165, 240, vowelI, vowelA, 1.0, 0.08},
                  {0.25, 240, 150, vowelA, vowelAh, 0.9, 0.12}},
                 rng, 0.8);
}

// An outlaw's laugh: "har, har, har!".
Samples yellTwo(Rng& rng) {
    std::vector<Syllable> laugh;
    for (int i = 0; i < 3; ++i) {
        laugh.push_back({0.06, 130, 130, vowelA, vowelA, 0.5, 0.9});
        laugh.push_back({0.16, 140 - 8.0 * i, 115 - 8.0 * i, vowelA, vowelO, 1.0, 0.1});
        laugh.push_back({0.07, 110, 110, vowelO, vowelO, 0.0, 0.0});
    }
    return voice(laugh, rng, 1.0);
}

// Gruff mumbling: syllables of random vowels and pitch.
Samples mumble(Rng& rng) {
    const Vowel vowels[] = {vowelO, vowelA, vowelU, vowelE, vowelAh};
    std::vector<Syllable> talk;
    Vowel last = vowelU;
    for (int i = 0; i < 7; ++i) {
        const Vowel next = vowels[rng.next() % 5];
        const double pitch = rng.range(95, 130);
        talk.push_back({0.05, pitch, pitch, vowelU, vowelU, 0.35, 0.1}); // a nasal "m"
        talk.push_back(
            {rng.range(0.1, 0.17), pitch, pitch * rng.range(0.85, 1.1), last, next, 1.0, 0.08});
        last = next;
    }
    return voice(talk, rng, 0.7);
}

// The kid's cheer at a mug: "ju-bii!".
Samples jubii(Rng& rng) {
    return voice({{0.05, 320, 330, vowelI, vowelI, 0.6, 0.05},
                  {0.15, 330, 350, vowelI, vowelU, 1.0, 0.04},
                  {0.05, 330, 330, vowelU, vowelU, 0.0, 0.0},
                  {0.38, 360, 560, vowelI, vowelI, 1.0, 0.04}},
                 rng);
}

// The super kid's "yee-haa!".
Samples yeeHaa(Rng& rng) {
    return voice({{0.28, 300, 460, vowelI, vowelI, 1.0, 0.04},
                  {0.07, 420, 420, vowelAh, vowelAh, 0.5, 0.95},
                  {0.45, 440, 270, vowelA, vowelAh, 1.0, 0.05}},
                 rng);
}

// A brassy note with a wah of its mute, for the sad end of a round.
Samples wahNote(double hz, double seconds, bool long_) {
    Samples out(samplesFor(seconds));
    Phase phase;
    Filter mute = Filter::lowPass(500, 3);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / rateHz;
        const double vib = long_ ? 1 + 0.02 * std::sin(2 * M_PI * 5 * t) * std::min(1.0, t) : 1;
        const double f = hz * vib;
        const double open =
            long_ ? 0.5 + 0.5 * std::sin(2 * M_PI * 1.2 * t) : std::sin(M_PI * t / seconds);
        if (i % 32 == 0)
            mute.retune(400 + 1500 * open, 3);
        out[i] = float(mute(float(saw(phase.next(f), f))) * swell(t, seconds, 0.03, 0.12));
    }
    return out;
}

Samples gameOverTune() {
    Samples out;
    const int notes[] = {62, 61, 60, 59};
    double at = 0;
    for (int i = 0; i < 4; ++i) {
        const bool last = i == 3;
        const double seconds = last ? 1.5 : 0.42;
        mixIn(out, wahNote(noteHz(notes[i] - 12), seconds, last), at);
        at += seconds + 0.04;
    }
    return out;
}

// A whistled lead for the title tune.
Samples whistle(double hz, double seconds) {
    Samples out(samplesFor(seconds));
    Phase phase;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / rateHz;
        const double f = hz * (1 + 0.006 * std::sin(2 * M_PI * 6 * t));
        out[i] = float((sine(phase.next(f)) + 0.15 * triangle(phase.next(0))) *
                       swell(t, seconds, 0.02, 0.05));
    }
    return out;
}

// A hoof on hard ground.
Samples hoof(Rng& rng, double pitch) {
    Samples out(samplesFor(0.06));
    Filter shell = Filter::bandPass(pitch, 8);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = float(shell(float(rng.range(-1, 1))) * strike(i / rateHz, 0.0005, 0.012) * 4);
    return out;
}

// The title jingle: a galloping tune over a plucked boom-chick and hoofbeats.
Samples titleJingle(Rng& rng) {
    constexpr double eighth = 0.2; // seconds
    struct Note {
        int midi;
        int eighths;
    };
    const Note tune[] = {{57, 1}, {62, 1}, {66, 1}, {69, 1}, {71, 2}, {69, 1}, {66, 1}, {67, 1},
                         {66, 1}, {64, 1}, {66, 1}, {69, 2}, {71, 1}, {73, 1}, {74, 4}};
    Samples out;
    double at = 0;
    for (const Note& n : tune) {
        mixIn(out, whistle(noteHz(n.midi + 12), n.eighths * eighth * 0.95), at, 0.55);
        at += n.eighths * eighth;
    }
    // one chord per quarter note: D D G D A A A A D D
    struct Chord {
        int root, fifth;
        int notes[3];
    };
    constexpr Chord d{38, 45, {62, 66, 69}}, g{43, 38, {62, 67, 71}}, a{45, 40, {61, 64, 69}};
    const Chord quarters[] = {d, d, g, d, a, a, a, a, d, d};
    for (int q = 0; q < 10; ++q) {
        const double t = q * 2 * eighth;
        const Chord& chord = quarters[q];
        mixIn(out, pluck(noteHz(q % 2 ? chord.fifth : chord.root), 0.45, rng, 0.3), t, 0.9);
        for (int k = 0; k < 3; ++k)
            mixIn(out, pluck(noteHz(chord.notes[k]), 0.3, rng, 0.7), t + eighth + 0.012 * k, 0.3);
        for (double hoofAt : {0.0, 0.66, 1.0, 1.66})
            mixIn(out, hoof(rng, hoofAt < 0.9 ? 1100 : 1500), t + hoofAt * eighth, 0.35);
    }
    out.resize(samplesFor(at + 0.4), 0.0f);
    return out;
}

// A bright brass note: a sawtooth whose filter opens as it is blown.
Samples brass(double hz, double seconds) {
    Samples out(samplesFor(seconds));
    Phase a, b;
    Filter tone = Filter::lowPass(600, 1.2);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / rateHz;
        if (i % 32 == 0)
            tone.retune(700 + 2500 * std::min(1.0, t / 0.06) * std::exp(-t * 1.5), 1.2);
        const double f = hz * (1 + 0.004 * std::sin(2 * M_PI * 5.5 * t));
        const double raw = saw(a.next(f), f) + saw(b.next(f * 1.003), f * 1.003);
        out[i] = float(tone(float(raw)) * swell(t, seconds, 0.02, 0.08));
    }
    return out;
}

Samples fanfare() {
    struct Note {
        double at;
        int midi[3];
        double seconds;
    };
    const Note notes[] = {{0.0, {67, 64, 60}, 0.16},  {0.18, {67, 64, 60}, 0.16},
                          {0.36, {67, 64, 60}, 0.16}, {0.54, {72, 67, 64}, 0.5},
                          {1.08, {70, 65, 62}, 0.3},  {1.42, {74, 69, 65}, 0.3},
                          {1.76, {79, 76, 72}, 1.1}};
    Samples out;
    for (const Note& n : notes)
        for (int k = 0; k < 3; ++k)
            mixIn(out, brass(noteHz(n.midi[k]), n.seconds), n.at, k == 0 ? 0.6 : 0.35);
    return out;
}

// The gate swings open: the latch, a short creak of its hinges, and a bright brass call that
// tells the player, as loud as a pick-up.
Samples gateOpening(Rng& rng) {
    const double modes[3] = {1150, 2300, 3400};
    Samples hinges = creak(rng, 0.35, 260, 520, modes, 22);
    Samples latch(samplesFor(0.08));
    Filter metal = Filter::bandPass(2600, 6);
    for (size_t i = 0; i < latch.size(); ++i) {
        const double t = i / rateHz;
        latch[i] = float(metal(float(rng.range(-1, 1))) * strike(t, 0.0005, 0.015) * 3);
    }
    struct Call {
        double at;
        double seconds;
        int midi[3];
    };
    const Call calls[] = {{0.12, 0.2, {67, 72, 76}}, {0.34, 0.66, {72, 76, 79}}};
    Samples mix;
    mixIn(mix, latch, 0);
    mixIn(mix, hinges, 0.04, 0.5);
    for (const Call& call : calls)
        for (int midi : call.midi)
            mixIn(mix, brass(noteHz(midi), call.seconds), call.at, 0.5);
    // Gently rounded off at its peaks, so that the call stays loud between them: as loud, on
    // the whole, as a pick-up.
    constexpr double drive = 0.58;
    for (float& sample : mix)
        sample = float(std::tanh(drive * sample));
    return mix;
}

// The super form runs out: three quick falling notes.
Samples superEnding() {
    Samples out;
    Phase phase;
    for (int midi : {88, 84, 79}) {
        const double hz = noteHz(midi);
        const size_t n = samplesFor(0.07);
        for (size_t i = 0; i < n; ++i) {
            const double t = i / rateHz;
            out.push_back(float(square(phase.next(hz), hz) * 0.6 * strike(t, 0.002, 0.05)));
        }
    }
    return out;
}

// Lets every sound end in silence, so that cutting it off never clicks.
void fadeOut(Samples& samples) {
    const size_t n = std::min(samples.size(), samplesFor(0.015));
    for (size_t i = 0; i < n; ++i)
        samples[samples.size() - 1 - i] *= float(double(i) / n);
}

} // namespace

std::vector<Effect> all() {
    Rng rng(noiseSeed);
    constexpr double soft = 0.3, medium = 0.4;
    std::vector<Effect> effects;
    effects.push_back({"Drinking.wav", gulping(rng), medium});
    effects.push_back({"KnockOut.wav", bonk(rng), loudestPeak});
    effects.push_back({"ArrowTurn.wav", arrowCreak(rng), medium});
    effects.push_back({"QuaroArrow.wav", thud(rng), medium});
    effects.push_back({"QuaroWalk.wav", footstep(rng), soft});
    effects.push_back({"BirdSinging.wav", birds(), soft});
    effects.push_back({"Gate.wav", gateOpening(rng), loudestPeak});
    effects.push_back({"IndianYell_01.wav", yellOne(rng), loudestPeak});
    effects.push_back({"IndianYell_02.wav", yellTwo(rng), loudestPeak});
    effects.push_back({"IndianTalk.wav", mumble(rng), loudestPeak});
    effects.push_back({"Jubii.wav", jubii(rng), loudestPeak});
    effects.push_back({"PickUp.wav", pickUp(), soft});
    effects.push_back({"YieeHaa.wav", yeeHaa(rng), loudestPeak});
    effects.push_back({"GameOver.wav", gameOverTune(), loudestPeak});
    effects.push_back({"QuaroTheKid.wav", titleJingle(rng), loudestPeak});
    effects.push_back({"Congrat.wav", fanfare(), loudestPeak});
    effects.push_back({"SuperEnding.wav", superEnding(), soft});
    for (Effect& effect : effects)
        fadeOut(effect.samples);
    return effects;
}

} // namespace sounds
