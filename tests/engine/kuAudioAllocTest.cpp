// Allocation counting and failure injection for the audio unit. This executable replaces the
// global operator new and delete, malloc and its family (outside the sanitizer builds, whose
// runtimes own malloc) and SDL's sample converter, so it stays apart from the other suites.
// Only the thread that runs the tests is counted or made to fail.
#include "audioHarness.h"
#include "kuAudio.h"
#include "kuAudioImpl.h"
#include "tempDir.h"
#include "wavFiles.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define QUARO_COUNTS_MALLOC 0
#else
#define QUARO_COUNTS_MALLOC 1
#endif

namespace {

struct allocationProbe {
    bool counting = false;
    long allocations = 0;
    long releases = 0;
    // One-shot: the next allocation of that kind fails and clears the flag.
    bool failNextNew = false;
    bool failNextMalloc = false;
    bool failConversion = false;
};

thread_local allocationProbe probe;

void noteAllocation() {
    if (probe.counting)
        ++probe.allocations;
}

void noteRelease(void* pointer) {
    if (probe.counting && pointer != nullptr)
        ++probe.releases;
}

// Where malloc counts for itself, new is counted there.
void* allocate(std::size_t size) {
    if (!QUARO_COUNTS_MALLOC)
        noteAllocation();
    return std::malloc(size == 0 ? 1 : size);
}

} // namespace

void* operator new(std::size_t size) {
    if (std::exchange(probe.failNextNew, false))
        throw std::bad_alloc();
    if (void* pointer = allocate(size))
        return pointer;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) {
    return operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::exchange(probe.failNextNew, false) ? nullptr : allocate(size);
}

void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}

void operator delete(void* pointer) noexcept {
    noteRelease(pointer);
    std::free(pointer);
}

void operator delete[](void* pointer) noexcept {
    operator delete(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    operator delete(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
    operator delete(pointer);
}

#if QUARO_COUNTS_MALLOC
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void __libc_free(void* pointer);

void* malloc(size_t size) {
    if (std::exchange(probe.failNextMalloc, false))
        return nullptr;
    noteAllocation();
    return __libc_malloc(size);
}

void* calloc(size_t count, size_t size) {
    if (std::exchange(probe.failNextMalloc, false))
        return nullptr;
    noteAllocation();
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, size_t size) {
    if (std::exchange(probe.failNextMalloc, false))
        return nullptr;
    noteAllocation();
    return __libc_realloc(pointer, size);
}

void free(void* pointer) {
    __libc_free(pointer);
}
}
#endif

// SDL's converter, made to fail on request; otherwise the library's own.
extern "C" int SDL_ConvertAudio(SDL_AudioCVT* cvt) {
    using converter = int (*)(SDL_AudioCVT*);
    static const converter real = reinterpret_cast<converter>(dlsym(RTLD_NEXT, "SDL_ConvertAudio"));
    if (probe.failConversion)
        return -1;
    return real(cvt);
}

namespace {

constexpr int bufferBytes = 256;

// Counts (or fails) what the test thread allocates while it lives.
class Counting {
public:
    Counting() {
        probe.allocations = 0;
        probe.releases = 0;
        probe.counting = true;
    }
    ~Counting() { probe.counting = false; }
    Counting(const Counting&) = delete;
    Counting& operator=(const Counting&) = delete;
};

// A started device on the dummy driver, paused, with the audio lock held for the whole test
// so that only the passes the test runs by hand mix anything.
class AllocTest : public ::testing::Test {
protected:
    void SetUp() override {
        useDummyAudio();
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        audio = std::make_unique<Audio>();
        audio->start();
        ASSERT_TRUE(audio->isStarted());
        audio->setPaused(true);
        lock = std::make_unique<AudioLock>();
    }
    void TearDown() override {
        probe = allocationProbe{};
        lock.reset();
        audio.reset();
        SDL_Quit();
    }

    void loadMono8(Sound& sound, size_t byteCount) {
        const std::string path = dir.file("mono8.wav");
        writeWav(path, {1, 8, 22050}, std::vector<uint8_t>(byteCount, 200));
        sound.loadWAV(path.c_str());
    }

    TempDir dir;
    std::unique_ptr<Audio> audio;
    std::unique_ptr<AudioLock> lock;
};

} // namespace

TEST_F(AllocTest, MixingPassesAllocateNothingAndDeleteWhatEnds) {
    const std::vector<uint8_t> samples(4000, 3);
    PlayingQueue queue;
    for (int i = 0; i < PlayingQueue::capacity / 2; ++i) {
        queue.add(new Playing(samples.data(), 300 + 10 * i, true));
        queue.add(new Playing(samples.data(), 1000 + 100 * i, false));
    }
    std::vector<uint8_t> stream(bufferBytes, 0);
    constexpr int passes = 2000;
    Counting counting;
    for (int i = 0; i < passes; ++i)
        queue.getBytes(bufferBytes, stream.data());
    EXPECT_EQ(probe.allocations, 0);
    EXPECT_EQ(probe.releases, PlayingQueue::capacity / 2);
    EXPECT_EQ(queue.count(), PlayingQueue::capacity / 2);
}

TEST_F(AllocTest, PlaysAfterTheFirstCostOneSmallAllocation) {
    Sound sound;
    loadMono8(sound, 500);
    sound.play();
    Counting counting;
    sound.play();
    EXPECT_EQ(probe.allocations, 1);
    EXPECT_EQ(activeQueue->count(), 2);
}

TEST_F(AllocTest, DroppedPlaysLeakNothing) {
    Sound sound;
    loadMono8(sound, 500);
    for (int i = 0; i < PlayingQueue::capacity; ++i)
        sound.play();
    Counting counting;
    sound.play();
    EXPECT_EQ(activeQueue->count(), PlayingQueue::capacity);
    EXPECT_EQ(probe.releases, probe.allocations);
}

TEST_F(AllocTest, NoRoomForAPlaybackRaises) {
    Sound sound;
    loadMono8(sound, 500);
    sound.CheckConvert();
    probe.failNextNew = true;
    EXPECT_EQ(errorOf([&] { sound.play(); }), "Sound::play: Could not allocate Playing object!");
    EXPECT_FALSE(probe.failNextNew);
    EXPECT_EQ(activeQueue->count(), 0);
    sound.play();
    EXPECT_EQ(activeQueue->count(), 1);
}

TEST_F(AllocTest, NoRoomForTheConvertedCopyRaisesAndTriesAgainLater) {
    if (!QUARO_COUNTS_MALLOC)
        GTEST_SKIP() << "the sanitizer runtime owns malloc";
    Sound sound;
    loadMono8(sound, 500);
    probe.failNextMalloc = true;
    EXPECT_EQ(errorOf([&] { sound.play(); }), "Sound::CheckConvert: Not enough memory!");
    EXPECT_FALSE(probe.failNextMalloc);
    EXPECT_FALSE(sound.isConverted());
    EXPECT_EQ(activeQueue->count(), 0);
    sound.play();
    EXPECT_TRUE(sound.isConverted());
}

TEST_F(AllocTest, FailedConversionLeavesNoBufferAndTriesAgainLater) {
    if (!convertsAsClassicSdl())
        GTEST_SKIP() << "SDL 2's build converts with the engine's own converter, which this "
                        "test cannot make fail";
    Sound sound;
    loadMono8(sound, 500);
    probe.failConversion = true;
    EXPECT_EQ(errorOf([&] { sound.play(); }), "Sound::loadWAV: Error converting audio!");
    probe.failConversion = false;
    EXPECT_FALSE(sound.isConverted());
    EXPECT_EQ(sound.getConvertedData(), nullptr);
    EXPECT_EQ(activeQueue->count(), 0);
    sound.play();
    EXPECT_TRUE(sound.isConverted());
    EXPECT_EQ(sound.getConvertedLength(), 2000);
}
