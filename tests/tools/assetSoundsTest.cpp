// The generated sounds: every file loads with SDL_LoadWAV as 22050 Hz mono 16-bit PCM, lasts
// as long as its use allows, and peaks at or below -6 dBFS so that several mix without
// clipping.
#include "generatedAssets.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ostream>

namespace {

struct SoundSpec {
    const char* file;
    double shortestSeconds;
    double longestSeconds;
};

std::ostream& operator<<(std::ostream& out, const SoundSpec& spec) {
    return out << spec.file;
}

constexpr int sixDbBelowFullScale = 16422; // 32768 * 10^(-6/20)
constexpr int audibleFloor = 3000;
constexpr int quietEnd = 300;

const SoundSpec soundSpecs[] = {
    {"SFX/Drinking.wav", 0.4, 1.0}, // every second loop of seven frames
    {"SFX/KnockOut.wav", 0.15, 0.8},
    {"SFX/ArrowTurn.wav", 0.3, 1.2},    // the turn takes sixteen frames
    {"SFX/QuaroArrow.wav", 0.05, 0.3},  // may play every frame
    {"SFX/QuaroWalk.wav", 0.03, 0.149}, // plays every twelve frames
    {"SFX/BirdSinging.wav", 0.3, 1.2},
    {"SFX/Gate.wav", 0.5, 2.0},
    {"SFX/IndianYell_01.wav", 0.3, 1.5},
    {"SFX/IndianYell_02.wav", 0.3, 1.5},
    {"SFX/IndianTalk.wav", 0.5, 2.5},
    {"SFX/Jubii.wav", 0.3, 1.2},
    {"SFX/PickUp.wav", 0.05, 0.4},
    {"SFX/YieeHaa.wav", 0.4, 1.5},
    {"SFX/GameOver.wav", 1.5, 5.0},
    {"SFX/QuaroTheKid.wav", 2.0, 8.0},
    {"SFX/Congrat.wav", 1.5, 5.0},
    {"SFX/SuperEnding.wav", 0.1, 0.5}, // once, as the last three seconds begin
};

class GeneratedSound : public ::testing::TestWithParam<SoundSpec> {};

TEST_P(GeneratedSound, LoadsAsMonoSixteenBitWithItsLengthAndPeak) {
    const SoundSpec spec = GetParam();
    SDL_AudioSpec format;
    Uint8* data = nullptr;
    Uint32 bytes = 0;
    ASSERT_NE(SDL_LoadWAV(assetPath(spec.file).c_str(), &format, &data, &bytes), nullptr)
        << SDL_GetError();
    EXPECT_EQ(format.freq, 22050);
    EXPECT_EQ(format.format, AUDIO_S16LSB);
    EXPECT_EQ(format.channels, 1);
    const size_t count = bytes / 2;
    const double seconds = double(count) / 22050;
    EXPECT_GE(seconds, spec.shortestSeconds);
    EXPECT_LE(seconds, spec.longestSeconds);
    int peak = 0;
    for (size_t i = 0; i < count; ++i) {
        const auto sample = int16_t(data[2 * i] | data[2 * i + 1] << 8);
        peak = std::max(peak, std::abs(int(sample)));
    }
    EXPECT_LE(peak, sixDbBelowFullScale);
    EXPECT_GE(peak, audibleFloor);
    if (count > 0) {
        const auto last = int16_t(data[bytes - 2] | data[bytes - 1] << 8);
        EXPECT_LE(std::abs(int(last)), quietEnd) << "the sound stops with a click";
    }
    SDL_FreeWAV(data);
}

INSTANTIATE_TEST_SUITE_P(AllSounds, GeneratedSound, ::testing::ValuesIn(soundSpecs));

// Loudness as the square root of the mean square, in decibels of full scale.
double loudnessDb(const char* file) {
    SDL_AudioSpec format;
    Uint8* data = nullptr;
    Uint32 bytes = 0;
    if (SDL_LoadWAV(assetPath(file).c_str(), &format, &data, &bytes) == nullptr)
        return -200;
    double sum = 0;
    const size_t count = bytes / 2;
    for (size_t i = 0; i < count; ++i) {
        const double sample = int16_t(data[2 * i] | data[2 * i + 1] << 8) / 32768.0;
        sum += sample * sample;
    }
    SDL_FreeWAV(data);
    return count > 0 ? 10 * std::log10(sum / double(count)) : -200;
}

// The gate's opening is news: it sounds as loud as the pick-up it follows.
TEST(GeneratedSounds, TheGateIsAsLoudAsAPickUp) {
    EXPECT_NEAR(loudnessDb("SFX/Gate.wav"), loudnessDb("SFX/PickUp.wav"), 1.0);
}

} // namespace
