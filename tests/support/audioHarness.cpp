#include "audioHarness.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "wavFiles.h"

namespace {

constexpr int pollMs = 1;
constexpr int pollLimit = 10000;

} // namespace

void useDummyAudio() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

void useDiskAudio(const std::string& captureFile) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", captureFile.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "1", 1);
}

void useUnopenableDiskAudio(const std::string& missingFolder) {
    useDiskAudio(missingFolder + "/capture.raw");
}

bool waitUntilEmpty(const PlayingQueue& queue) {
    for (int i = 0; i < pollLimit; ++i) {
        if (queue.count() == 0)
            return true;
        SDL_Delay(pollMs);
    }
    return false;
}

std::vector<int16_t> readCapture(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    return s16Samples(bytes.data(), bytes.size());
}

void StartedAudioTest::SetUp() {
    useDummyAudio();
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    audio = std::make_unique<Audio>();
    audio->start();
    ASSERT_TRUE(audio->isStarted());
}

void StartedAudioTest::TearDown() {
    audio.reset();
    SDL_Quit();
}
