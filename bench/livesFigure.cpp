// How often a round is won with one life (as designed) and with three: rounds of the game
// played headless from the seeds 1 to N by two players, the autopilot (tools/demorun) and a
// careful-but-imperfect player (the autopilot reacting a few frames late now and then), each
// leaving a round after five minutes of its clock. Prints one line per player and lives.
//
// Usage: livesFigure DATA_FOLDER [SEEDS]
#include "autopilot.h"
#include "kuPlatform.h"
#include "kuScreen.h"
#include "quaroAssets.h"
#include "quaroPaths.h"
#include "quaroRandom.h"
#include "quaroStage.h"
#include "vorlanCharSprite.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int framesPerSecond = 27; // of the round's clock
constexpr uint32_t longestRoundFrames = 5 * 60 * framesPerSecond;
constexpr int lateOneFrameIn = 6; // the imperfect player misses a change this often
constexpr int lateFrames = 4;     // and keeps its last wish this many frames

// The autopilot, slowed by a player's reactions: now and then it keeps its old wish a few
// frames, which walks it past a turn or into an outlaw.
class imperfectPlayer : public roundInputSource {
public:
    imperfectPlayer(const quaroRound& round, uint32_t seed)
        : autopilot(round, longestRoundFrames), reactions(seed, 7) {}
    frameInput nextFrame(vorlanCharSprite& hero) override {
        frameInput wish = autopilot.nextFrame(hero);
        if (late == 0 && (wish.wantedDX != last.wantedDX || wish.wantedDY != last.wantedDY) &&
            reactions.below(lateOneFrameIn) == 0)
            late = lateFrames;
        if (late > 0) {
            --late;
            wish.wantedDX = last.wantedDX;
            wish.wantedDY = last.wantedDY;
        }
        last = wish;
        return wish;
    }

private:
    autopilotInput autopilot;
    quaroRandom reactions;
    frameInput last;
    int late = 0;
};

// The autopilot alone; the seed is the imperfect player's.
class patientAutopilot : public autopilotInput {
public:
    patientAutopilot(const quaroRound& round, uint32_t)
        : autopilotInput(round, longestRoundFrames) {}
};

struct tally {
    int wins = 0;
    uint64_t goodsTaken = 0;
};

template <typename player> tally playSeeds(quaroRound& round, uint32_t seeds, int lives) {
    tally result;
    for (uint32_t seed = 1; seed <= seeds; ++seed) {
        round.start(seed, quaroRules::current, lives);
        player input(round, seed);
        while (!round.over())
            round.step(input);
        result.wins += round.result() == quaroRound::roundWon;
        result.goodsTaken += uint64_t(round.hero()->itemCount);
    }
    return result;
}

void report(const char* who, uint32_t seeds, int lives, const tally& t) {
    std::printf("%-30s %d %-5s won %3d of %u rounds (%5.1f%%), %5.1f goods taken a round\n", who,
                lives, lives == 1 ? "life" : "lives", t.wins, seeds, 100.0 * t.wins / seeds,
                double(t.goodsTaken) / seeds);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "Usage: %s DATA_FOLDER [SEEDS]\n", argv[0]);
        return 2;
    }
    const uint32_t seeds = argc > 2 ? uint32_t(std::strtoul(argv[2], nullptr, 10)) : 100;
    if (seeds == 0 || !kuPlatform::startSdl(SDL_INIT_VIDEO)) {
        std::fprintf(stderr, "No seeds, or SDL cannot start\n");
        return 1;
    }
    {
        kuScreen screen;
        screen.setSize(quaroAssets::screenSize);
        screen.setFullScreen(false);
        screen.open();
        gamePaths paths;
        paths.source = dataSource::variable;
        paths.dataFolder = argv[1];
        quaroStage stage(screen, paths);
        for (const int lives : {1, 3}) {
            report("autopilot", seeds, lives,
                   playSeeds<patientAutopilot>(stage.round(), seeds, lives));
            report("careful but imperfect player", seeds, lives,
                   playSeeds<imperfectPlayer>(stage.round(), seeds, lives));
        }
    }
    SDL_Quit();
    return 0;
}
