// The game's own work, headless on the generated pictures and sounds: one frame of a round
// (everything but the wait for the next frame) with the picture shown as it is and enlarged
// three times, and the start-up to the first title screen with a round's pictures and sounds
// loaded.
#include "kuImages.h"
#include "kuInput.h"
#include "kuScreen.h"
#include "quaroAssets.h"
#include "quaroPaths.h"
#include "quaroStage.h"
#include "roundInput.h"
#include "vorlanInput.h"

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <random>

namespace {

void headlessSdl() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (chdir(QUARO_ASSET_DIR) != 0 || SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) < 0)
        std::abort();
}

void openScreen(kuScreen& screen, int factor) {
    screen.setSize(quaroAssets::screenSize);
    screen.setFullScreen(factor == 1);
    if (factor == 1)
        screen.setDesktopSize(quaroAssets::screenSize);
    screen.setScale(factor);
    screen.open();
}

// Holds one random arrow, as a player steering through the maze does.
void steer(std::mt19937& random) {
    static const SDLKey arrows[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};
    for (SDLKey arrow : arrows)
        kuSetKeyHeld(arrow, false);
    kuSetKeyHeld(arrows[std::uniform_int_distribution<int>(0, 3)(random)], true);
    SDL_Event press = {};
    press.type = SDL_KEYDOWN;
    SDL_PushEvent(&press);
}

// The argument is the factor the picture is enlarged by: 1 draws straight into the output,
// as a 760 x 520 desktop does; above that the frame includes the enlarged copy into a window.
void roundFrame(benchmark::State& state) {
    headlessSdl();
    {
        kuScreen screen;
        openScreen(screen, int(state.range(0)));
        quaroStage stage(screen, gamePaths());
        quaroRound& round = stage.round();
        VorlanInputHandler handler;
        liveInput player(handler);
        round.start(1);
        handler.activate();
        std::mt19937 random(1);
        int frame = 0;
        for (auto _ : state) {
            if (++frame % 30 == 0 || round.over()) {
                state.PauseTiming();
                if (round.over())
                    round.start(uint32_t(frame));
                steer(random);
                state.ResumeTiming();
            }
            round.step(player);
        }
    }
    SDL_Quit();
}
BENCHMARK(roundFrame)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

void startUpToFirstTitle(benchmark::State& state) {
    for (auto _ : state) {
        headlessSdl();
        {
            kuScreen screen;
            openScreen(screen, 1);
            const gamePaths paths;
            quaroStage stage(screen, paths);
            std::unique_ptr<kuImage> title(
                quaroAssets::loadPicture(&screen, paths, quaroAssets::titlePicture1, false));
            title->display({0, 0, quaroAssets::screenSize.height, quaroAssets::screenSize.width},
                           pointManip::zeroPoint);
            screen.update();
            state.PauseTiming();
        }
        SDL_Quit();
        state.ResumeTiming();
    }
}
BENCHMARK(startUpToFirstTitle)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
