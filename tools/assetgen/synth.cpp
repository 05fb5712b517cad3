#include "synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

void mixIn(Samples& mix, const Samples& part, double atSeconds, double gain) {
    const size_t start = samplesFor(atSeconds);
    if (mix.size() < start + part.size())
        mix.resize(start + part.size(), 0.0f);
    for (size_t i = 0; i < part.size(); ++i)
        mix[start + i] += float(part[i] * gain);
}

double sine(double phase) {
    return std::sin(2 * M_PI * phase);
}

namespace {

// The polyBLEP correction that takes the click out of a jump at phase 0.
double blep(double phase, double hz) {
    const double dt = hz / rateHz;
    if (phase < dt) {
        const double t = phase / dt;
        return t + t - t * t - 1;
    }
    if (phase > 1 - dt) {
        const double t = (phase - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}

} // namespace

double saw(double phase, double hz) {
    return 2 * phase - 1 - blep(phase, hz);
}

double square(double phase, double hz) {
    double shifted = phase + 0.5;
    shifted -= double(long(shifted));
    return (phase < 0.5 ? 1 : -1) + blep(phase, hz) - blep(shifted, hz);
}

double triangle(double phase) {
    return 1 - 4 * std::fabs(phase - 0.5);
}

double strike(double t, double attack, double decay) {
    if (t < 0)
        return 0;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

double swell(double t, double length, double in, double out) {
    if (t < 0 || t > length)
        return 0;
    auto ease = [](double x) { return 0.5 - 0.5 * std::cos(M_PI * std::clamp(x, 0.0, 1.0)); };
    return std::min(ease(t / in), ease((length - t) / out));
}

Filter::Filter(kind k, double hz, double q) : type(k) {
    retune(hz, q);
}

Filter Filter::bandPass(double hz, double q) {
    return Filter(kind::band, hz, q);
}
Filter Filter::lowPass(double hz, double q) {
    return Filter(kind::low, hz, q);
}
Filter Filter::highPass(double hz, double q) {
    return Filter(kind::high, hz, q);
}

void Filter::retune(double hz, double q) {
    hz = std::clamp(hz, 20.0, rateHz * 0.45);
    const double w = 2 * M_PI * hz / rateHz;
    const double alpha = std::sin(w) / (2 * q);
    const double cosw = std::cos(w);
    const double a0 = 1 + alpha;
    switch (type) {
    case kind::band:
        b0 = alpha / a0;
        b1 = 0;
        b2 = -alpha / a0;
        break;
    case kind::low:
        b0 = (1 - cosw) / 2 / a0;
        b1 = (1 - cosw) / a0;
        b2 = b0;
        break;
    case kind::high:
        b0 = (1 + cosw) / 2 / a0;
        b1 = -(1 + cosw) / a0;
        b2 = b0;
        break;
    }
    a1 = -2 * cosw / a0;
    a2 = (1 - alpha) / a0;
}

float Filter::operator()(float x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return float(y);
}

Samples pluck(double hz, double seconds, Rng& rng, double brightness) {
    const size_t period = std::max<size_t>(2, size_t(rateHz / hz + 0.5));
    std::vector<double> line(period);
    for (double& v : line)
        v = rng.range(-1, 1);
    Samples out(samplesFor(seconds));
    size_t at = 0;
    const double keep = 0.5 + 0.49 * brightness;
    for (float& s : out) {
        const size_t next = (at + 1) % period;
        const double v = line[at];
        line[at] = 0.996 * (keep * v + (1 - keep) * line[next]);
        s = float(v);
        at = next;
    }
    return out;
}

Samples voice(const std::vector<Syllable>& syllables, Rng& rng, double roughness) {
    Samples out;
    Phase glottis;
    Filter formants[3] = {Filter::bandPass(500, 8), Filter::bandPass(1500, 10),
                          Filter::bandPass(2500, 12)};
    constexpr double formantGain[3] = {1.0, 0.7, 0.35};
    double jitter = 0;
    for (const Syllable& s : syllables) {
        const size_t n = samplesFor(s.seconds);
        for (size_t i = 0; i < n; ++i) {
            const double t = double(i) / n;
            if (i % 64 == 0)
                jitter = roughness * rng.range(-1, 1);
            const double pitch =
                (s.pitchFrom + (s.pitchTo - s.pitchFrom) * t) * (1 + 0.04 * jitter);
            const double vibrato = 1 + 0.012 * std::sin(2 * M_PI * 5.5 * i / rateHz);
            const double hz = pitch * vibrato;
            const double source =
                saw(glottis.next(hz), hz) * (1 - s.breath) + rng.range(-1, 1) * s.breath * 1.5;
            const double f[3] = {s.vowelFrom.f1 + (s.vowelTo.f1 - s.vowelFrom.f1) * t,
                                 s.vowelFrom.f2 + (s.vowelTo.f2 - s.vowelFrom.f2) * t,
                                 s.vowelFrom.f3 + (s.vowelTo.f3 - s.vowelFrom.f3) * t};
            double y = 0;
            for (int k = 0; k < 3; ++k) {
                if (i % 32 == 0)
                    formants[k].retune(f[k], 6 + 3 * k);
                y += formantGain[k] * formants[k](float(source));
            }
            const double envelope = swell(double(i) / rateHz, s.seconds, 0.03, 0.06);
            out.push_back(float(y * envelope * s.loudness));
        }
    }
    return out;
}

} // namespace synth
