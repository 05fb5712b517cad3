#include "audioHarness.h"
#include "kuAudio.h"
#include "kuAudioImpl.h"
#include "tempDir.h"
#include "wavFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int bufferBytes = 256;

std::vector<uint8_t> bytePattern(size_t count) {
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; ++i)
        bytes[i] = uint8_t(1 + i % 250);
    return bytes;
}

// A running device on the dummy driver. Tests that look at the queue hold the audio lock, so
// the device's own passes cannot interleave with what they check.
class SoundTest : public StartedAudioTest {
protected:
    std::string wav(const std::string& name, const wavFormat& format, size_t byteCount) {
        const std::string path = dir.file(name);
        writeWav(path, format, bytePattern(byteCount));
        return path;
    }

    // A sound in the device's own format, loaded.
    void load(Sound& sound, size_t byteCount, const std::string& name = "s.wav") {
        sound.loadWAV(wav(name, deviceWav, byteCount).c_str());
    }

    void pass() {
        std::vector<uint8_t> stream(bufferBytes, 0);
        activeQueue->getBytes(bufferBytes, stream.data());
    }

    TempDir dir;
};

} // namespace

TEST_F(SoundTest, StartsEmpty) {
    Sound sound;
    EXPECT_EQ(sound.getData(), nullptr);
    EXPECT_FALSE(sound.isConverted());
    EXPECT_EQ(errorOf([&] { sound.play(); }), "Sound::CheckConvert: No sound data!");
    EXPECT_EQ(errorOf([&] { sound.CheckConvert(); }), "Sound::CheckConvert: No sound data!");
    EXPECT_EQ(errorOf([&] { sound.setRate(11025); }), "Sound::setRate: No sound data!");
    EXPECT_EQ(errorOf([&] { sound.getRate(); }), "Sound::getRate: No sound data!");
    EXPECT_EQ(activeQueue->count(), 0);
}

TEST_F(SoundTest, LoadingKeepsTheSamplesUnconvertedUntilThePlay) {
    Sound sound;
    sound.loadWAV(wav("mono8.wav", {1, 8, 22050}, 500).c_str());
    EXPECT_EQ(sound.getLength(), 500u);
    EXPECT_EQ(std::memcmp(sound.getData(), bytePattern(500).data(), 500), 0);
    EXPECT_EQ(sound.getRate(), 22050);
    EXPECT_FALSE(sound.isConverted());
}

TEST_F(SoundTest, MissingFileRaisesAndLeavesTheSoundEmpty) {
    Sound sound;
    load(sound, 400);
    sound.play();
    EXPECT_EQ(errorOf([&] { sound.loadWAV(dir.file("none.wav").c_str()); }),
              "Sound::loadWAV: Could not open file!");
    EXPECT_EQ(sound.getData(), nullptr);
    EXPECT_FALSE(sound.isConverted());
    EXPECT_EQ(errorOf([&] { sound.getRate(); }), "Sound::getRate: No sound data!");
}

TEST_F(SoundTest, NotAWavFileRaises) {
    const std::string path = dir.file("text.wav");
    std::ofstream(path) << "not a sound";
    Sound sound;
    EXPECT_EQ(errorOf([&] { sound.loadWAV(path.c_str()); }),
              "Sound::loadWAV: Could not open file!");
    EXPECT_EQ(sound.getData(), nullptr);
}

TEST_F(SoundTest, ReloadingReplacesTheSamplesAndTheirConversion) {
    Sound sound;
    load(sound, 400, "a.wav");
    sound.play();
    load(sound, 800, "b.wav");
    EXPECT_EQ(sound.getLength(), 800u);
    EXPECT_FALSE(sound.isConverted());
    AudioLock lock;
    EXPECT_EQ(activeQueue->count(), 0) << "the playback of the old samples is withdrawn";
    sound.play();
    EXPECT_EQ(sound.getConvertedLength(), 800);
}

// The converted copy of 880 bytes in each source format on the 22050 Hz stereo 16-bit device.
constexpr size_t sourceBytes = 880;

struct conversionCase {
    const char* name;
    wavFormat format;
    int convertedLength;
};

class ConversionTest : public SoundTest, public ::testing::WithParamInterface<conversionCase> {};

TEST_P(ConversionTest, FirstPlayConvertsIntoASeparateBuffer) {
    const conversionCase& c = GetParam();
    Sound sound;
    sound.loadWAV(wav("s.wav", c.format, sourceBytes).c_str());
    sound.play();
    ASSERT_TRUE(sound.isConverted());
    EXPECT_EQ(sound.getConvertedLength(), c.convertedLength);
    EXPECT_NE(sound.getConvertedData(), sound.getData());
    AudioLock lock;
    ASSERT_EQ(activeQueue->count(), 1);
    EXPECT_EQ(activeQueue->item(0)->getData(), sound.getConvertedData());
    EXPECT_EQ(activeQueue->item(0)->bytesLeft(), c.convertedLength);
}

INSTANTIATE_TEST_SUITE_P(Formats, ConversionTest,
                         ::testing::Values(conversionCase{"DeviceFormat", deviceWav, 880},
                                           conversionCase{"Mono8", {1, 8, 22050}, 3520},
                                           conversionCase{"Mono16", {1, 16, 22050}, 1760},
                                           conversionCase{"Stereo8", {2, 8, 22050}, 1760},
                                           conversionCase{"Stereo16At44100", {2, 16, 44100}, 440}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SoundTest, DeviceFormatIsCopiedByteForByte) {
    Sound sound;
    load(sound, 1000);
    sound.CheckConvert();
    EXPECT_EQ(sound.getConvertedLength(), int32_t(sound.getLength()));
    EXPECT_NE(sound.getConvertedData(), sound.getData());
    EXPECT_EQ(std::memcmp(sound.getConvertedData(), sound.getData(), 1000), 0);
}

TEST_F(SoundTest, ConversionHappensOncePerRate) {
    Sound sound;
    load(sound, 400);
    AudioLock lock;
    sound.play();
    const Uint8* first = sound.getConvertedData();
    sound.play();
    EXPECT_EQ(sound.getConvertedData(), first);
    EXPECT_EQ(activeQueue->count(), 2);
}

TEST_F(SoundTest, ThreePlaysBetweenCallbacksQueueThreePlaybacksOfOneBuffer) {
    Sound sound;
    load(sound, 4000);
    AudioLock lock;
    for (int i = 0; i < 3; ++i)
        sound.play();
    ASSERT_EQ(activeQueue->count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(activeQueue->item(i)->getData(), sound.getConvertedData());
        EXPECT_EQ(activeQueue->item(i)->bytesLeft(), 4000);
    }
}

TEST_F(SoundTest, DoubleRateHalvesTheConvertedLength) {
    Sound sound;
    sound.loadWAV(wav("mono8.wav", {1, 8, 22050}, 1000).c_str());
    sound.play();
    EXPECT_EQ(sound.getConvertedLength(), 4000);
    AudioLock lock;
    sound.setRate(44100);
    EXPECT_EQ(sound.getRate(), 44100);
    EXPECT_FALSE(sound.isConverted());
    EXPECT_EQ(activeQueue->count(), 0) << "playbacks of the released copy are withdrawn";
    sound.play();
    EXPECT_EQ(sound.getConvertedLength(), 2000);
    ASSERT_EQ(activeQueue->count(), 1);
    EXPECT_EQ(activeQueue->item(0)->bytesLeft(), 2000);
    EXPECT_EQ(sound.getLength(), 1000u) << "the samples themselves are untouched";
}

// Rates and channel counts that the converter cannot serve raise instead of crashing it.
struct unconvertibleCase {
    const char* name;
    wavFormat format;
    unsigned int rate;
};

class UnconvertibleTest : public SoundTest,
                          public ::testing::WithParamInterface<unconvertibleCase> {};

TEST_P(UnconvertibleTest, RaisesAndPlaysAgainOnceTheRateFits) {
    const unconvertibleCase& c = GetParam();
    Sound sound;
    const std::string loading =
        errorOf([&] { sound.loadWAV(wav("s.wav", c.format, 600).c_str()); });
    if (!loading.empty()) {
        EXPECT_FALSE(convertsAsClassicSdl()) << "SDL 1.2 loads it; SDL 2's loader may refuse it";
        return;
    }
    sound.setRate(c.rate);
    EXPECT_EQ(errorOf([&] { sound.play(); }),
              "Sound::CheckConvert: Could not build conversion structure!");
    EXPECT_FALSE(sound.isConverted());
    EXPECT_NE(sound.getData(), nullptr);
    EXPECT_EQ(activeQueue->count(), 0);
    if (c.format.channels != 1 && c.format.channels != 2)
        return;
    sound.setRate(22050);
    EXPECT_NO_THROW(sound.play());
    EXPECT_TRUE(sound.isConverted());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnconvertibleTest,
    ::testing::Values(unconvertibleCase{"RateZero", deviceWav, 0},
                      unconvertibleCase{"RateOne", {1, 8, 22050}, 1},
                      unconvertibleCase{"RateFarBelow", {1, 8, 22050}, 1000},
                      unconvertibleCase{"RateFarAbove", {1, 8, 22050}, 400000},
                      unconvertibleCase{"RateAboveIntRange", deviceWav, 3000000000u},
                      unconvertibleCase{"ThreeChannels", {3, 16, 22050}, 22050},
                      unconvertibleCase{"NoChannels", {0, 16, 22050}, 22050}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SoundTest, RatesWithinSixteenTimesOfTheDeviceConvert) {
    Sound sound;
    sound.loadWAV(wav("mono8.wav", {1, 8, 22050}, 64).c_str());
    for (const unsigned int rate : {1379u, 8000u, 11025u, 30000u, 352800u}) {
        sound.setRate(rate);
        EXPECT_NO_THROW(sound.CheckConvert()) << rate;
        EXPECT_TRUE(sound.isConverted()) << rate;
    }
}

TEST_F(SoundTest, RepeatLoopsUntilTheAudioGoesEvenWhenClearedAfterThePlay) {
    Sound sound;
    load(sound, 300);
    sound.setRepeat(true);
    AudioLock lock;
    sound.play();
    sound.setRepeat(false);
    sound.play();
    constexpr int passes = 10;
    for (int i = 0; i < passes; ++i)
        pass();
    ASSERT_EQ(activeQueue->count(), 1);
    EXPECT_EQ(activeQueue->item(0)->bytesLeft(), 300);
}

TEST_F(SoundTest, PlaysBeyondTwentyAreDroppedUntilSlotsFree) {
    Sound shortSound;
    Sound longSound;
    load(shortSound, bufferBytes, "short.wav");
    load(longSound, 100000, "long.wav");
    AudioLock lock;
    for (int i = 0; i < 10; ++i)
        shortSound.play();
    for (int i = 0; i < 15; ++i)
        EXPECT_NO_THROW(longSound.play());
    EXPECT_EQ(activeQueue->count(), PlayingQueue::capacity);
    for (int i = 10; i < PlayingQueue::capacity; ++i)
        EXPECT_EQ(activeQueue->item(i)->getData(), longSound.getConvertedData());
    pass();
    EXPECT_EQ(activeQueue->count(), 10);
    longSound.play();
    EXPECT_EQ(activeQueue->count(), 11);
}

TEST_F(SoundTest, DestroyingASoundWithdrawsItsLoopingPlayback) {
    Sound keeper;
    load(keeper, 700, "keeper.wav");
    keeper.setRepeat(true);
    AudioLock lock;
    {
        Sound looping;
        load(looping, 300, "looping.wav");
        looping.setRepeat(true);
        keeper.play();
        looping.play();
        keeper.play();
        pass();
    }
    ASSERT_EQ(activeQueue->count(), 2);
    EXPECT_EQ(activeQueue->item(0)->getData(), keeper.getConvertedData());
    EXPECT_EQ(activeQueue->item(1)->getData(), keeper.getConvertedData());
    pass();
}

TEST_F(SoundTest, FreeingReturnsTheSoundToEmpty) {
    Sound sound;
    load(sound, 400);
    sound.play();
    sound.CheckFreeConvertedData();
    EXPECT_FALSE(sound.isConverted());
    EXPECT_NE(sound.getData(), nullptr);
    sound.CheckFreeData();
    EXPECT_EQ(sound.getData(), nullptr);
    EXPECT_EQ(sound.getLength(), 0u);
    sound.CheckFreeData();
    EXPECT_EQ(errorOf([&] { sound.play(); }), "Sound::CheckConvert: No sound data!");
}

TEST(ErrorTest, KeepsTheMessageItWasGiven) {
    static const char text[] = "Sound::play: Could not allocate Playing object!";
    const Error error(text);
    EXPECT_EQ(error.getMessage(), text);
    const Error copy = error;
    EXPECT_STREQ(copy.getMessage(), text);
}
