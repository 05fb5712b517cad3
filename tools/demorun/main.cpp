// Makes the demonstration run that the game plays on a menu left alone: real rounds of the
// game, played headless by the autopilot from the seeds 1, 2, 3, ... in turn, until one is won
// after at least 40 seconds of play (or, failing that within the tries, the first that lasted
// that long). The run is played back once more to check that it ends with the time it claims,
// then written. The same build always writes the same file.
//
// Usage: quaro_demorun DATA_FOLDER OUTPUT_FILE [FIRST_SEED]
#include "autopilot.h"
#include "frameClock.h"
#include "quaroCounter.h"
#include "quaroRecording.h"
#include "vorlanCharSprite.h"
#include "vorlanGameShell.h"
#include "vorlanInput.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

constexpr int framesPerSecond = 27; // of the round's clock
constexpr uint32_t shortestRunFrames = 40 * framesPerSecond;
constexpr uint32_t longestRunFrames = 5 * 60 * framesPerSecond; // then the autopilot leaves
constexpr uint32_t seedsToTry = 200;
const char* const runName = "quaro";

// Time passes without sleeping; at the end of every frame the autopilot chooses the wish for
// the next one, while it steers.
class autopilotClock : public frameClock {
public:
    explicit autopilotClock(vorlanGameShell& shell) : shell(shell) {}
    Uint32 ticks() override {
        if (steering) {
            const pt wish = autopilotWish(shell);
            shell.you->wantedDX = wish.x;
            shell.you->wantedDY = wish.y;
        }
        return now;
    }
    void delay(Uint32 milliseconds) override { now += milliseconds; }

    bool steering = false;

private:
    vorlanGameShell& shell;
    Uint32 now = 0;
};

struct attempt {
    quaroRecording run;
    bool won = false;
};

attempt play(vorlanGameShell& shell, autopilotClock& clock, uint32_t seed) {
    shell.startRound(seed);
    clock.steering = true;
    for (uint32_t frame = 0; !shell.roundOver(); ++frame) {
        if (frame == longestRunFrames)
            shell.playInput->quit = true;
        shell.playFrame();
    }
    clock.steering = false;
    attempt result{shell.replays.lastRound(), shell.you->inHouse && !shell.playInput->quit};
    result.run.claim(runName, shell.timeCounter->getMinutes(), shell.timeCounter->getSeconds());
    return result;
}

// The first won run long enough, else the first run long enough.
std::optional<attempt> chooseRun(vorlanGameShell& shell, autopilotClock& clock, uint32_t first) {
    std::optional<attempt> longEnough;
    for (uint32_t seed = first; seed < first + seedsToTry; ++seed) {
        attempt tried = play(shell, clock, seed);
        if (tried.run.frameCount() < shortestRunFrames)
            continue;
        if (tried.won)
            return tried;
        if (!longEnough)
            longEnough = std::move(tried);
    }
    return longEnough;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "Usage: %s DATA_FOLDER OUTPUT_FILE [FIRST_SEED]\n", argv[0]);
        return 2;
    }
    const uint32_t firstSeed = argc == 4 ? uint32_t(std::strtoul(argv[3], nullptr, 10)) : 1;
    // Headless: no window, no sound card.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) < 0) {
        std::fprintf(stderr, "Couldn't initialize SDL: %s\n", SDL_GetError());
        return 1;
    }
    int status = 1;
    {
        vorlanGameShell shell;
        gamePaths paths;
        paths.source = dataSource::variable;
        paths.dataFolder = argv[1];
        shell.setPaths(paths);
        shell.setWindowed(true);
        autopilotClock clock(shell);
        shell.setClock(&clock);
        shell.loadData();

        const std::optional<attempt> chosen = chooseRun(shell, clock, firstSeed);
        if (!chosen) {
            std::fprintf(stderr, "No seed from %u gave a run of %u frames\n", firstSeed,
                         shortestRunFrames);
        } else if (shell.replays.watch(chosen->run).how != quaroReplays::ending::matched) {
            std::fprintf(stderr, "The run of seed %u does not replay to its time\n",
                         chosen->run.seed());
        } else if (!chosen->run.save(argv[2])) {
            std::fprintf(stderr, "Couldn't write %s\n", argv[2]);
        } else {
            std::printf("%s: seed %u, %u frames, %02d:%02d, %s\n", argv[2], chosen->run.seed(),
                        chosen->run.frameCount(), chosen->run.minutes(), chosen->run.seconds(),
                        chosen->won ? "won" : "not won");
            status = 0;
        }
        shell.freeData();
    }
    SDL_Quit();
    return status;
}
