// Makes the demonstration run that the game plays on a menu left alone: real rounds of the
// game, played headless by the autopilot from the seeds 1, 2, 3, ... in turn, until one is won
// after at least 40 seconds of play. The run is played back once more to check that it is
// what it claims, as the game checks it, then written. The same build always writes the same
// file.
//
// Usage: quaro_demorun DATA_FOLDER OUTPUT_FILE [FIRST_SEED]
#include "autopilot.h"
#include "kuScreen.h"
#include "quaroAssets.h"
#include "quaroCounter.h"
#include "quaroPaths.h"
#include "quaroStage.h"
#include "roundInput.h"
#include "vorlanCharSprite.h"

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

struct attempt {
    quaroRecording run;
    bool won = false;
};

void claimTime(quaroRecording& run, const quaroRound& round) {
    const quaroCounter& clock = *round.getCast().timeCounter;
    run.claim(runName, clock.getMinutes(), clock.getSeconds());
}

attempt play(quaroRound& round, uint32_t seed) {
    round.start(seed);
    autopilotInput player(round, longestRunFrames);
    recordingTap recorder(player, round);
    while (!round.over())
        round.step(recorder);
    attempt result{recorder.recording(), round.result() == quaroRound::roundWon};
    claimTime(result.run, round);
    return result;
}

// The first won run long enough.
std::optional<attempt> chooseRun(quaroRound& round, uint32_t first) {
    for (uint32_t seed = first; seed < first + seedsToTry; ++seed) {
        attempt tried = play(round, seed);
        if (tried.won && tried.run.frameCount() >= shortestRunFrames)
            return tried;
    }
    return std::nullopt;
}

int makeDemo(const char* dataFolder, const char* outputFile, uint32_t firstSeed) {
    kuScreen screen;
    screen.setSize(quaroAssets::screenSize);
    screen.setFullScreen(false);
    screen.open();
    gamePaths paths;
    paths.source = dataSource::variable;
    paths.dataFolder = dataFolder;
    quaroStage stage(screen, paths);
    quaroRound& round = stage.round();

    const std::optional<attempt> chosen = chooseRun(round, firstSeed);
    if (!chosen) {
        std::fprintf(stderr, "No seed from %u gave a won run of %u frames\n", firstSeed,
                     shortestRunFrames);
        return 1;
    }
    const runCheck check = checkRun(chosen->run, round, playThrough(round, chosen->run));
    if (!check.matches) {
        std::fprintf(stderr, "The run of seed %u does not match its claim: %s\n",
                     chosen->run.seed(), check.mismatch.c_str());
        return 1;
    }
    if (!chosen->run.save(outputFile)) {
        std::fprintf(stderr, "Couldn't write %s\n", outputFile);
        return 1;
    }
    std::printf("%s: seed %u, %u frames, won at %02d:%02d\n", outputFile, chosen->run.seed(),
                chosen->run.frameCount(), chosen->run.minutes(), chosen->run.seconds());
    return 0;
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
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "Couldn't initialize SDL: %s\n", SDL_GetError());
        return 1;
    }
    const int status = makeDemo(argv[1], argv[2], firstSeed);
    SDL_Quit();
    return status;
}
