// One mixing pass of a 256-byte buffer (64 stereo 16-bit frames, 2.9 ms of sound at
// 22050 Hz) with the queue full: 20 looping playbacks, each mixed at full volume.
#include "kuAudio.h"
#include "kuAudioImpl.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr int bufferBytes = 256;
constexpr int soundBytes = 22050 * 4;

void BM_MixingPassTwentyPlaybacks(benchmark::State& state) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_AUDIO) != 0) {
        state.SkipWithError(SDL_GetError());
        return;
    }
    {
        // The mixer needs an open device; paused, so that the device's own passes stay idle.
        Audio audio;
        audio.start();
        audio.setPaused(true);
        std::vector<Uint8> samples(soundBytes);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = Uint8(std::rand());
        PlayingQueue queue;
        for (int i = 0; i < PlayingQueue::capacity; ++i)
            queue.add(new Playing(samples.data() + 4 * i, soundBytes - 4 * i, true));
        std::vector<Uint8> stream(bufferBytes);
        for (auto _ : state) {
            std::fill(stream.begin(), stream.end(), Uint8(0));
            queue.getBytes(bufferBytes, stream.data());
            benchmark::DoNotOptimize(stream.data());
        }
        state.SetBytesProcessed(int64_t(state.iterations()) * bufferBytes * PlayingQueue::capacity);
    }
    SDL_Quit();
}
BENCHMARK(BM_MixingPassTwentyPlaybacks);

} // namespace

BENCHMARK_MAIN();
