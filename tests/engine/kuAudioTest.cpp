#include "kuAudio.h"
#include "audioHarness.h"
#include "headlessSdl.h"
#include "kuAudioImpl.h"
#include "tempDir.h"
#include "wavFiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int bufferBytes = 256;
constexpr int bufferSamples = bufferBytes / 2;

// Samples 1, 2, 3, ...: every byte offset of a playback shows in the mix.
std::vector<int16_t> rampSamples(int byteCount, int16_t first = 1) {
    std::vector<int16_t> samples(size_t(byteCount / 2));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = int16_t(first + int(i));
    return samples;
}

std::vector<uint8_t> rampBytes(int byteCount, int16_t first = 1) {
    return s16Bytes(rampSamples(byteCount, first));
}

using AudioTest = StartedAudioTest;

// Mixing passes driven by hand on a queue of the test's own, with the device open but paused
// (the mixer needs an open device under some SDL builds).
class QueueTest : public AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        audio->setPaused(true);
    }

    std::vector<int16_t> pass(int len = bufferBytes) {
        std::vector<uint8_t> stream(size_t(len), 0);
        queue.getBytes(len, stream.data());
        return s16Samples(stream.data(), stream.size());
    }

    // Deletions of CountedPlaying; declared first, so it outlives the queue.
    int deaths = 0;
    PlayingQueue queue;
};

// Playbacks that count their deletions.
class CountedPlaying : public Playing {
public:
    CountedPlaying(const Uint8* data, int length, bool repeat, int& deaths)
        : Playing(data, length, repeat), deaths(deaths) {}
    ~CountedPlaying() override { ++deaths; }

private:
    int& deaths;
};

} // namespace

TEST_F(AudioTest, StartGrantsTheFixedFormatAndBecomesActive) {
    const SDL_AudioSpec& granted = audio->getObtainedSpec();
    EXPECT_EQ(granted.freq, 22050);
    EXPECT_EQ(granted.format, AUDIO_S16LSB);
    EXPECT_EQ(granted.channels, 2);
    EXPECT_EQ(granted.samples, 64);
    EXPECT_EQ(granted.size, Uint32(bufferBytes));
    EXPECT_EQ(activeAudio, audio.get());
    ASSERT_NE(activeQueue, nullptr);
    EXPECT_EQ(activeQueue->count(), 0);
    EXPECT_TRUE(audioPlaying(audio->getDevice()));
}

TEST_F(AudioTest, StartingAgainKeepsTheQueue) {
    PlayingQueue* queue = activeQueue;
    audio->start();
    EXPECT_EQ(activeQueue, queue);
    EXPECT_EQ(activeAudio, audio.get());
}

TEST_F(AudioTest, DestroyingDeletesEveryPlaybackAndMixesNothingAfter) {
    const std::vector<uint8_t> samples = rampBytes(1000);
    int deaths = 0;
    {
        AudioLock lock;
        for (int i = 0; i < 5; ++i)
            activeQueue->add(new CountedPlaying(samples.data(), 1000, true, deaths));
    }
    const kuAudioDevice device = audio->getDevice();
    audio.reset();
    EXPECT_EQ(deaths, 5);
    EXPECT_EQ(activeQueue, nullptr);
    EXPECT_EQ(activeAudio, nullptr);
    EXPECT_FALSE(audioPlaying(device));
    std::vector<uint8_t> stream(bufferBytes, 0x11);
    fillAudio(nullptr, stream.data(), bufferBytes);
    EXPECT_EQ(stream, std::vector<uint8_t>(bufferBytes, 0x11));
}

// Tears the device down while its callbacks mix looping playbacks; the sanitizers watch for
// a callback that reaches the deleted queue.
TEST_F(AudioTest, TeardownRacesNoRunningCallback) {
    const std::vector<uint8_t> samples = rampBytes(512);
    audio.reset();
    closeAudioDevices();
    constexpr int rounds = 30;
    for (int i = 0; i < rounds; ++i) {
        auto running = std::make_unique<Audio>();
        running->start();
        ASSERT_TRUE(running->isStarted());
        for (int j = 0; j < PlayingQueue::capacity; ++j)
            activeQueue->add(new Playing(samples.data(), 512, true));
        SDL_Delay(1);
        running.reset();
        EXPECT_EQ(activeQueue, nullptr);
        closeAudioDevices();
    }
}

TEST_F(AudioTest, EmptyQueueLeavesTheSilenceSdlSupplied) {
    AudioLock lock;
    std::vector<uint8_t> stream(bufferBytes, 0x11);
    fillAudio(nullptr, stream.data(), bufferBytes);
    EXPECT_EQ(stream, std::vector<uint8_t>(bufferBytes, 0x11));
}

TEST(AudioUnstartedTest, LeavesSdlAndTheUnitUntouched) {
    {
        Audio idle;
        EXPECT_FALSE(idle.isStarted());
    }
    EXPECT_EQ(activeAudio, nullptr);
    EXPECT_EQ(activeQueue, nullptr);
}

// The two ways a device fails to open: the disk driver writing into a missing folder, and an
// unknown driver with only the video subsystem running.
struct openFailure {
    const char* name;
    bool diskDriver;
};

class OpenFailureTest : public ::testing::TestWithParam<openFailure> {
protected:
    void SetUp() override {
        if (GetParam().diskDriver) {
            useUnopenableDiskAudio(dir.file("missing"));
            ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        } else {
            setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
            ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        }
    }
    void TearDown() override { SDL_Quit(); }

    TempDir dir;
};

TEST_P(OpenFailureTest, ReportsOnBothStreamsAndRunsWithoutSound) {
    Audio audio;
    StdoutCapture out;
    ::testing::internal::CaptureStderr();
    audio.start();
    const std::string err = ::testing::internal::GetCapturedStderr();
    const std::string printed = out.text();
    const std::string expected = std::string("Couldn't open audio: ") + SDL_GetError() + "\n";
    EXPECT_EQ(printed, expected);
    EXPECT_NE(err.find(expected), std::string::npos) << err;
    EXPECT_EQ(printed.rfind("Couldn't open audio: ", 0), 0u);
    EXPECT_STRNE(SDL_GetError(), "");
    EXPECT_FALSE(audio.isStarted());
    EXPECT_EQ(activeAudio, nullptr);
    EXPECT_EQ(activeQueue, nullptr);

    Sound sound;
    EXPECT_NO_THROW(sound.loadWAV(dir.file("none.wav").c_str()));
    EXPECT_NO_THROW(sound.CheckConvert());
    EXPECT_NO_THROW(sound.setRate(44100));
    EXPECT_EQ(sound.getRate(), 0);
    EXPECT_NO_THROW(sound.play());
    EXPECT_EQ(sound.getData(), nullptr);
    EXPECT_FALSE(sound.isConverted());
}

INSTANTIATE_TEST_SUITE_P(Ways, OpenFailureTest,
                         ::testing::Values(openFailure{"DiskFileInMissingFolder", true},
                                           openFailure{"UnknownDriver", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlayingTest, HandsOutPiecesAndLeavesChunkAloneAtTheEnd) {
    const std::vector<uint8_t> samples = rampBytes(300);
    Playing playing(samples.data(), 300, false);
    const Uint8* chunk = nullptr;
    EXPECT_EQ(playing.getBytes(256, &chunk), 256);
    EXPECT_EQ(chunk, samples.data());
    EXPECT_EQ(playing.getBytes(256, &chunk), 44);
    EXPECT_EQ(chunk, samples.data() + 256);
    EXPECT_EQ(playing.bytesLeft(), 0);
    const Uint8* untouched = nullptr;
    EXPECT_EQ(playing.getBytes(256, &untouched), 0);
    EXPECT_EQ(untouched, nullptr);
}

TEST(PlayingTest, NegativeLengthsCountAsEmpty) {
    Playing playing(nullptr, -8, true);
    const Uint8* chunk = nullptr;
    EXPECT_EQ(playing.bytesLeft(), 0);
    EXPECT_EQ(playing.getBytes(256, &chunk), 0);
    Playing other(nullptr, 8, false);
    EXPECT_EQ(other.getBytes(-4, &chunk), 0);
    EXPECT_EQ(other.bytesLeft(), 8);
}

// One playback through successive passes: the piece each pass mixes and whether the playback
// is still queued afterwards.
struct piecesCase {
    const char* name;
    int length;
    bool repeat;
    std::vector<int> pieces;
    std::vector<int> counts;
};

class PiecesTest : public QueueTest, public ::testing::WithParamInterface<piecesCase> {};

TEST_P(PiecesTest, MixesPiecesFromTheBufferStart) {
    const piecesCase& c = GetParam();
    const std::vector<int16_t> sound = rampSamples(c.length);
    const std::vector<uint8_t> bytes = s16Bytes(sound);
    queue.add(new Playing(bytes.data(), c.length, c.repeat));
    int position = 0;
    for (size_t p = 0; p < c.pieces.size(); ++p) {
        SCOPED_TRACE("pass " + std::to_string(p));
        std::vector<int16_t> expected(bufferSamples, 0);
        for (int i = 0; i < c.pieces[p] / 2; ++i)
            expected[size_t(i)] = sound[size_t(position / 2 + i)];
        EXPECT_EQ(pass(), expected);
        EXPECT_EQ(queue.count(), c.counts[p]);
        position += c.pieces[p];
        if (c.repeat && position == c.length)
            position = 0;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, PiecesTest,
    ::testing::Values(piecesCase{"Once1000", 1000, false, {256, 256, 256, 232, 0}, {1, 1, 1, 0, 0}},
                      piecesCase{"OnceExactBuffer", 256, false, {256, 0}, {0, 0}},
                      piecesCase{"OnceEmpty", 0, false, {0}, {0}},
                      piecesCase{
                          "Repeat300", 300, true, {256, 44, 256, 44, 256, 44}, {1, 1, 1, 1, 1, 1}},
                      piecesCase{"Repeat512", 512, true, {256, 256, 256}, {1, 1, 1}},
                      piecesCase{"Repeat100", 100, true, {100, 100, 100}, {1, 1, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QueueTest, PlaybacksAddedTogetherAreSummedFromTheSameStart) {
    const std::vector<uint8_t> a = rampBytes(256, 1000);
    const std::vector<uint8_t> b = rampBytes(100, -50);
    queue.add(new Playing(a.data(), 256, false));
    queue.add(new Playing(b.data(), 100, false));
    const std::vector<int16_t> mixed = pass();
    for (int i = 0; i < bufferSamples; ++i)
        EXPECT_EQ(mixed[size_t(i)], 1000 + i + (i < 50 ? -50 + i : 0)) << "sample " << i;
    EXPECT_EQ(queue.count(), 0);
}

TEST_F(QueueTest, SurvivorsKeepTheirOrder) {
    const std::vector<uint8_t> samples = rampBytes(2000);
    const Uint8* base = samples.data();
    queue.add(new Playing(base, 256, false));
    queue.add(new Playing(base + 2, 1000, false));
    queue.add(new Playing(base + 4, 0, false));
    queue.add(new Playing(base + 6, 1500, false));
    queue.add(new Playing(base + 8, 256, false));
    pass();
    ASSERT_EQ(queue.count(), 2);
    EXPECT_EQ(queue.item(0)->getData(), base + 2);
    EXPECT_EQ(queue.item(1)->getData(), base + 6);
}

TEST_F(QueueTest, ItemOutsideTheUsedSlotsRaises) {
    const std::vector<uint8_t> samples = rampBytes(256);
    queue.add(new Playing(samples.data(), 256, false));
    for (const int index : {-1, 1, PlayingQueue::capacity}) {
        try {
            queue.item(index);
            ADD_FAILURE() << "no raise for index " << index;
        } catch (const Error& error) {
            EXPECT_STREQ(error.getMessage(), "PlayingQueue::item: Index out of range!");
        }
    }
}

TEST_F(QueueTest, TwentyFirstAddRaisesUntilOneEnds) {
    const std::vector<uint8_t> samples = rampBytes(1000);
    queue.add(new Playing(samples.data(), 256, false));
    for (int i = 1; i < PlayingQueue::capacity; ++i)
        queue.add(new Playing(samples.data(), 1000, false));
    auto extra = std::make_unique<Playing>(samples.data(), 1000, false);
    try {
        queue.add(extra.get());
        ADD_FAILURE() << "no raise";
    } catch (const Error& error) {
        EXPECT_STREQ(error.getMessage(), "PlayingQueue::add: Not implemented dynamic grow!");
    }
    EXPECT_EQ(queue.count(), PlayingQueue::capacity);
    EXPECT_FALSE(queue.tryAdd(extra.get()));
    pass();
    EXPECT_EQ(queue.count(), PlayingQueue::capacity - 1);
    queue.add(extra.release());
    EXPECT_EQ(queue.count(), PlayingQueue::capacity);
}

TEST_F(QueueTest, WithdrawDeletesThePlaybacksOfOneBufferOnly) {
    const std::vector<uint8_t> a = rampBytes(512);
    const std::vector<uint8_t> b = rampBytes(512);
    queue.add(new CountedPlaying(a.data(), 512, true, deaths));
    queue.add(new CountedPlaying(b.data(), 512, true, deaths));
    queue.add(new CountedPlaying(a.data(), 512, false, deaths));
    queue.add(new CountedPlaying(b.data(), 256, false, deaths));
    queue.withdraw(a.data());
    EXPECT_EQ(deaths, 2);
    ASSERT_EQ(queue.count(), 2);
    EXPECT_EQ(queue.item(0)->bytesLeft(), 512);
    EXPECT_EQ(queue.item(1)->bytesLeft(), 256);
}

// What the device really plays, captured by the disk driver. Each test sets up its playbacks
// under the audio lock, so they all start in the same buffer.
class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        useDiskAudio(capture());
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        audio = std::make_unique<Audio>();
        audio->start();
        ASSERT_TRUE(audio->isStarted());
    }
    void TearDown() override {
        audio.reset();
        SDL_Quit();
    }

    std::string capture() const { return dir.file("capture.raw"); }

    // Waits for the queue to drain, closes the device (which writes its last buffer) and
    // returns what was played from the first sound on; that start must fall on a buffer
    // boundary.
    std::vector<int16_t> heard() {
        EXPECT_TRUE(waitUntilEmpty(*activeQueue));
        audio.reset();
        closeAudioDevices();
        const std::vector<int16_t> all = readCapture(capture());
        size_t start = 0;
        while (start < all.size() && all[start] == 0)
            ++start;
        EXPECT_EQ(start % bufferSamples, 0u) << "the sound starts inside a buffer";
        return std::vector<int16_t>(all.begin() + std::ptrdiff_t(start), all.end());
    }

    TempDir dir;
    std::unique_ptr<Audio> audio;
};

TEST_F(CaptureTest, EightBitMonoIsPlayedAsSixteenBitStereo) {
    std::vector<uint8_t> unsignedSamples(300);
    for (size_t i = 0; i < unsignedSamples.size(); ++i)
        unsignedSamples[i] = uint8_t(i % 2 == 1 ? 129 + i % 100 : 127 - i % 100);
    writeWav(dir.file("mono8.wav"), {1, 8, 22050}, unsignedSamples);
    Sound sound;
    sound.loadWAV(dir.file("mono8.wav").c_str());
    sound.play();
    const std::vector<int16_t> played = heard();
    ASSERT_GE(played.size(), 600u);
    for (size_t i = 0; i < 300; ++i) {
        const int16_t expected = int16_t((int(unsignedSamples[i]) - 128) * 256);
        ASSERT_EQ(played[2 * i], expected) << "left " << i;
        ASSERT_EQ(played[2 * i + 1], expected) << "right " << i;
    }
    for (size_t i = 600; i < played.size(); ++i)
        ASSERT_EQ(played[i], 0) << "after the end, sample " << i;
}

TEST_F(CaptureTest, SoundsStartedTogetherAreSummedAndEndOnTheirOwn) {
    writeWav(dir.file("a.wav"), deviceWav, rampBytes(1000, 100));
    writeWav(dir.file("b.wav"), deviceWav, rampBytes(600, -3000));
    Sound a;
    Sound b;
    a.loadWAV(dir.file("a.wav").c_str());
    b.loadWAV(dir.file("b.wav").c_str());
    {
        AudioLock lock;
        a.play();
        b.play();
    }
    const std::vector<int16_t> played = heard();
    ASSERT_GE(played.size(), 500u);
    for (int i = 0; i < 500; ++i) {
        const int expected = 100 + i + (i < 300 ? -3000 + i : 0);
        ASSERT_EQ(played[size_t(i)], expected) << "sample " << i;
    }
    // 1000 bytes: three full buffers and 232 bytes of the fourth, whose last 24 stay silent.
    for (size_t i = 500; i < played.size(); ++i)
        ASSERT_EQ(played[i], 0) << "after the end, sample " << i;
}

// Muting drops what plays and what is started meanwhile: the first thing heard after the
// sound comes back is the first sound played after it.
TEST_F(CaptureTest, NothingStartedWhileMutedIsHeardLater) {
    writeWav16(dir.file("loud.wav"), deviceWav, std::vector<int16_t>(20000, 12000));
    std::vector<int16_t> after(600);
    for (size_t i = 0; i < after.size(); ++i)
        after[i] = int16_t(100 + i);
    writeWav16(dir.file("after.wav"), deviceWav, after);
    Sound loud, later;
    loud.loadWAV(dir.file("loud.wav").c_str());
    later.loadWAV(dir.file("after.wav").c_str());
    {
        AudioLock lock;
        loud.play();
        audio->setMuted(true);
        EXPECT_EQ(activeQueue->count(), 0) << "what played stops";
        loud.play();
        EXPECT_EQ(activeQueue->count(), 0) << "what starts while muted is not queued";
    }
    EXPECT_TRUE(audio->isMuted());
    audio->setMuted(false);
    later.play();
    const std::vector<int16_t> played = heard();
    ASSERT_GE(played.size(), after.size());
    EXPECT_EQ(std::vector<int16_t>(played.begin(), played.begin() + 600), after);
}

TEST_F(CaptureTest, PausingHoldsThePlaybacksWhereTheyAre) {
    audio->setPaused(true);
    EXPECT_FALSE(audioPlaying(audio->getDevice()));
    audio->setPaused(false);
    EXPECT_TRUE(audioPlaying(audio->getDevice()));
}
