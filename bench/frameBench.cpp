// The game's own work, headless on the generated pictures and sounds: one frame of a round
// (everything but the wait for the next frame) with the picture shown as it is and enlarged
// three times, and the start-up to the first title screen with every asset loaded.
#include "vorlanCharSprite.h"
#include "vorlanGameShell.h"
#include "vorlanInput.h"

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <random>

namespace {

// Time passes only when the shell sleeps, so no frame ever waits.
class instantClock : public frameClock {
public:
    Uint32 ticks() override { return now; }
    void delay(Uint32 milliseconds) override { now += milliseconds; }

private:
    Uint32 now = 0;
};

void headlessSdl() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (chdir(QUARO_ASSET_DIR) != 0 || SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) < 0)
        std::abort();
}

bool roundOver(const vorlanGameShell& shell) {
    return shell.playInput->quit || shell.you->koCount > 14 || shell.you->inHouse;
}

// Holds one random arrow, as a player steering through the maze does.
void steer(std::mt19937& random) {
    static const SDLKey arrows[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};
    Uint8* keys = SDL_GetKeyState(nullptr);
    for (SDLKey arrow : arrows)
        keys[arrow] = 0;
    keys[arrows[std::uniform_int_distribution<int>(0, 3)(random)]] = 1;
    SDL_Event press = {};
    press.type = SDL_KEYDOWN;
    SDL_PushEvent(&press);
}

// The argument is the factor the picture is enlarged by: 1 draws straight into the output,
// as a 760 x 520 desktop does; above that the frame includes the enlarged copy into a window.
void roundFrame(benchmark::State& state) {
    headlessSdl();
    instantClock clock;
    {
        vorlanGameShell shell;
        shell.setClock(&clock);
        const int factor = int(state.range(0));
        shell.setWindowed(factor > 1);
        shell.setScale(factor);
        shell.loadData();
        shell.initGame();
        std::mt19937 random(1);
        int frame = 0;
        for (auto _ : state) {
            if (++frame % 30 == 0 || roundOver(shell)) {
                state.PauseTiming();
                if (roundOver(shell))
                    shell.initGame();
                steer(random);
                state.ResumeTiming();
            }
            shell.playFrame();
        }
        shell.freeData();
    }
    SDL_Quit();
}
BENCHMARK(roundFrame)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

void startUpToFirstTitle(benchmark::State& state) {
    instantClock clock;
    for (auto _ : state) {
        headlessSdl();
        vorlanGameShell shell;
        shell.setClock(&clock);
        shell.loadData();
        shell.displayImageFile("GFX/Misc/StartScreen_01.bmp");
        state.PauseTiming();
        shell.freeData();
        SDL_Quit();
        state.ResumeTiming();
    }
}
BENCHMARK(startUpToFirstTitle)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
