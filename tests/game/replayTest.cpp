// Plays committed scripts of held keys through whole rounds, headless and each from a given
// seed, and a committed recording of a whole round, and compares a plain-text summary of what
// happened with a committed expected file. When the game's behaviour changes on purpose, run
// with QUARO_UPDATE_REPLAYS=1 to rewrite the expected files, and commit them with the change.
#include "enemyCharSprite.h"
#include "quaroCounter.h"
#include "shellHarness.h"
#include "vorlanCharSprite.h"
#include "vorlanInput.h"
#include "vorlanMaze.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path replayFolder =
    std::filesystem::path(QUARO_SOURCE_DIR) / "tests/game/replays";
constexpr int checkpointFrames = 25;
constexpr int maxFramesPerRound = 5000;

const std::map<std::string, SDLKey> keyNames = {{"up", SDLK_UP},
                                                {"down", SDLK_DOWN},
                                                {"left", SDLK_LEFT},
                                                {"right", SDLK_RIGHT},
                                                {"escape", SDLK_ESCAPE}};

// One round of a script: it starts from the seed of the last "seed" line before it; "prepare"
// lines run after its start; "<frame> <keys...>" lines set the keys held from that frame's
// input on ("none" releases them all).
struct scriptedRound {
    unsigned seed = 1;
    std::vector<std::string> preparations;
    std::map<int, std::vector<SDLKey>> keysFrom;
};

struct script {
    std::vector<scriptedRound> rounds;
};

script readScript(const std::filesystem::path& file) {
    script result;
    std::ifstream in(file);
    std::string line;
    unsigned seed = 1;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string first;
        if (!(words >> first) || first[0] == '#')
            continue;
        if (first == "seed") {
            words >> seed;
        } else if (first == "round") {
            result.rounds.emplace_back();
            result.rounds.back().seed = seed;
        } else if (first == "prepare") {
            std::string rest;
            std::getline(words, rest);
            result.rounds.back().preparations.push_back(rest);
        } else {
            std::vector<SDLKey>& keys = result.rounds.back().keysFrom[std::stoi(first)];
            for (std::string name; words >> name;)
                if (name != "none")
                    keys.push_back(keyNames.at(name));
        }
    }
    return result;
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ReplayTest : public ShellTest {
protected:
    std::string play(const script& replay) {
        std::ostringstream summary;
        load();
        int roundNumber = 0;
        for (const scriptedRound& round : replay.rounds) {
            summary << "round " << ++roundNumber << "\n";
            shell->startRound(round.seed);
            for (const std::string& preparation : round.preparations)
                prepare(preparation);
            checkpoint(summary, 0);
            apply(round, 0);
            onFrame = [&](int frame) {
                if (frame % checkpointFrames == 0)
                    checkpoint(summary, frame);
                apply(round, frame);
                if (frame >= maxFramesPerRound)
                    shell->playInput->quit = true;
            };
            frames = 0;
            const int result = shell->run();
            onFrame = nullptr;
            releaseAllKeys();
            dropEvents();
            summary << "end";
            line(summary, frames);
            summary << " result " << result << "\n";
        }
        return summary.str();
    }

    // The recording played back, with the same checkpoints.
    std::string play(const quaroRecording& run) {
        std::ostringstream summary;
        load();
        onFrame = [&](int frame) {
            if (frame % checkpointFrames == 0)
                checkpoint(summary, frame);
        };
        const quaroReplays::watchResult result = shell->replays.watch(run);
        summary << "end";
        line(summary, frames);
        summary << (result.how == quaroReplays::ending::matched ? " matched" : " mismatched")
                << "\n";
        return summary.str();
    }

    // Compares with the expected file, or rewrites it when asked to.
    void expectSummary(const std::string& summary, const std::filesystem::path& expectedFile) {
        if (std::getenv("QUARO_UPDATE_REPLAYS") != nullptr) {
            std::ofstream(expectedFile) << summary;
            GTEST_SKIP() << "rewrote " << expectedFile;
        }
        EXPECT_EQ(summary, readFile(expectedFile)) << "the replay differs from " << expectedFile;
    }

private:
    // "lastproduct X Y": every product gone but the one on brick (X, Y), which is the last.
    void prepare(const std::string& preparation) {
        std::istringstream words(preparation);
        std::string what;
        int x = 0, y = 0;
        words >> what >> x >> y;
        ASSERT_EQ(what, "lastproduct");
        vorlanMaze* maze = shell->maze;
        for (auto& column : maze->bricks)
            for (int& brick : column)
                if (brick >= 100)
                    brick = 0;
        maze->bricks[x][y] = 100;
        shell->you->itemCount = 105;
        shell->maze->show();
    }

    void apply(const scriptedRound& round, int frame) {
        const auto keys = round.keysFrom.find(frame + 1);
        if (keys == round.keysFrom.end())
            return;
        releaseAllKeys();
        for (SDLKey key : keys->second)
            holdKey(key);
        pushKeyDown(keys->second.empty() ? SDLK_UNKNOWN : keys->second.front());
    }

    void line(std::ostream& out, int frame) {
        const vorlanCharSprite* hero = shell->you;
        char clockText[16];
        std::snprintf(clockText, sizeof clockText, "%02d:%02d", shell->timeCounter->getMinutes(),
                      shell->timeCounter->getSeconds());
        out << " frame " << frame << " hero " << hero->pos.x << "," << hero->pos.y
            << (hero->isSuper ? " super" : "") << " items " << hero->itemCount << " clock "
            << clockText << " enemies";
        for (const enemyCharSprite* enemy : shell->enemies)
            out << " " << enemy->pos.x << "," << enemy->pos.y;
    }

    void checkpoint(std::ostream& out, int frame) {
        line(out, frame);
        out << "\n";
    }
};

} // namespace

TEST_F(ReplayTest, CaughtLeftAndWonRoundsPlayAsRecorded) {
    const std::filesystem::path scriptFile = replayFolder / "rounds.replay";
    const std::filesystem::path expectedFile = replayFolder / "rounds.expected";
    const std::string summary = play(readScript(scriptFile));
    expectSummary(summary, expectedFile);
    EXPECT_NE(summary.find("result 1\n"), std::string::npos) << "a round is lost";
    EXPECT_NE(summary.find("result 0\n"), std::string::npos) << "a round is left";
    EXPECT_NE(summary.find("result 2\n"), std::string::npos) << "a round is won";
}

// A won round recorded by the game, committed as its file.
TEST_F(ReplayTest, TheGoldenRecordingPlaysAsRecorded) {
    std::string problem;
    const std::optional<quaroRecording> run =
        quaroRecording::load((replayFolder / "golden.run").string(), problem);
    ASSERT_TRUE(run) << problem;
    const std::string summary = play(*run);
    expectSummary(summary, replayFolder / "golden.expected");
    EXPECT_NE(summary.find("items 106"), std::string::npos) << "the round is won";
    EXPECT_NE(summary.find(" matched\n"), std::string::npos);
}
