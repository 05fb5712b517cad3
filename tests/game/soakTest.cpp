// Plays many whole rounds with random keys, as fast as the machine allows, and checks after
// every frame that no actor stands in a wall and no enemy in the house. The number of frames
// comes from QUARO_SOAK_FRAMES (a short run by default).
#include "enemyCharSprite.h"
#include "enterInput.h"
#include "kuPlatform.h"
#include "shellHarness.h"
#include "vorlanCharSprite.h"
#include "vorlanInput.h"
#include "vorlanMaze.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

namespace {

constexpr int defaultSoakFrames = 10000;
constexpr int maxFramesPerRound = 2500;
const SDLKey arrows[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};

int soakFrames() {
    const char* setting = std::getenv("QUARO_SOAK_FRAMES");
    return setting != nullptr ? std::atoi(setting) : defaultSoakFrames;
}

class SoakTest : public ShellTest {
protected:
    // Holds zero to two random arrows, now and then Escape.
    void randomKeys() {
        releaseAllKeys();
        const int count = std::uniform_int_distribution<int>(0, 2)(random);
        for (int i = 0; i < count; ++i)
            holdKey(arrows[std::uniform_int_distribution<int>(0, 3)(random)]);
        if (std::uniform_int_distribution<int>(0, 299)(random) == 0)
            holdKey(SDLK_ESCAPE);
        pushKeyDown(SDLK_UNKNOWN);
    }

    // Every product gone but one beside the hero's start, and the enemies parked: the hero
    // takes it, walks back and into the house, so that the won-round path runs too.
    void playToWin() {
        vorlanMaze* maze = shell->maze;
        for (auto& column : maze->bricks)
            for (int& brick : column)
                if (brick >= 100)
                    brick = 0;
        maze->bricks[7][3] = 100;
        shell->round().hero()->itemCount = 105;
        parkEnemies(*shell);
        pressKey(SDLK_LEFT);
        onFrame = [this](int frame) {
            checkPlaces();
            const vorlanCharSprite* hero = shell->round().hero();
            const kuHeldKeys keys = kuPlatform::heldKeys();
            if (hero->itemCount == 106 && hero->speed == 0 && !keys[SDLK_RIGHT]) {
                releaseAllKeys();
                pressKey(SDLK_RIGHT);
            }
            if (keys[SDLK_RIGHT] && hero->pos.x >= 370 && !keys[SDLK_DOWN])
                pressKey(SDLK_DOWN);
            if (frame >= maxFramesPerRound)
                shell->playInput->quit = true;
        };
    }

    void checkPlaces() {
        vorlanMaze* maze = shell->maze;
        EXPECT_NE(maze->getBrickMeaning(shell->round().hero()->pos), mpWall) << "hero in a wall";
        for (const enemyCharSprite* enemy : shell->enemies) {
            const mazePoint meaning = maze->getBrickMeaning(enemy->pos);
            EXPECT_NE(meaning, mpWall) << "enemy in a wall";
            EXPECT_NE(meaning, mpHouse) << "enemy in the house";
        }
    }

    std::mt19937 random{20261207};
};

} // namespace

TEST_F(SoakTest, ManyRoundsWithRandomKeysKeepEveryoneInTheCorridors) {
    load();
    const int target = soakFrames();
    clock.maxReads = 2 * target + maxFramesPerRound; // every round ends by itself
    int total = 0, rounds = 0, results[3] = {};
    while (total < target) {
        onFrame = nullptr; // the round's start reads the clock: the last round's hook is gone
        shell->initGame();
        int nextChange = 0;
        onFrame = [&](int frame) {
            checkPlaces();
            if (frame >= nextChange) {
                randomKeys();
                nextChange = frame + std::uniform_int_distribution<int>(4, 40)(random);
            }
            if (frame >= maxFramesPerRound)
                shell->playInput->quit = true;
        };
        if (rounds % 4 == 3)
            playToWin();
        frames = 0;
        const int result = shell->run();
        ++results[result];
        ++rounds;
        total += frames;
        releaseAllKeys();
        dropEvents();
        if (result == vorlanGameShell::roundWon) {
            bool typed = false;
            onFrame = [&](int) {
                if (!typed) {
                    typed = true;
                    for (SDLKey key : {SDLK_s, SDLK_o, SDLK_a, SDLK_k, SDLK_RETURN})
                        pushKeyDown(key);
                }
            };
            holdKey(SDLK_s); // for the menu over the table
            EventFeeder keyPresses;
            EXPECT_EQ(shell->checkHighscore(), vorlanGameShell::choiceStart);
            releaseAllKeys();
            dropEvents();
        }
        if (HasFailure())
            break;
    }
    std::printf("soak: %d frames in %d rounds: %d left, %d lost, %d won\n", total, rounds,
                results[0], results[1], results[2]);
    EXPECT_GE(total, target);
}
