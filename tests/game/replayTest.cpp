// Plays committed scripts of held keys through whole rounds, headless and each from a given
// seed, under every rules identifier the game plays, and committed recordings of whole rounds,
// and compares a plain-text summary of what happened with a committed expected file. A summary
// never changes: a change of play raises quaroRules::current, and QUARO_UPDATE_REPLAYS=1 then
// writes the summaries of the new identifier, which are committed with the change.
#include "enemyCharSprite.h"
#include "quaroCounter.h"
#include "quaroRules.h"
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
    std::string play(const script& replay, uint16_t rules) {
        std::ostringstream summary;
        load();
        int roundNumber = 0;
        for (const scriptedRound& round : replay.rounds) {
            summary << "round " << ++roundNumber << "\n";
            shell->round().start(round.seed, rules);
            shell->playInput->activate();
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
        const quaroReplays::watchResult result = shell->replays().watch(run);
        summary << "end";
        line(summary, frames);
        summary << (result.how == quaroReplays::ending::matched ? " matched" : " mismatched")
                << "\n";
        return summary.str();
    }

    // Compares with the expected file; writes one that does not exist yet when asked to.
    void expectSummary(const std::string& summary, const std::filesystem::path& expectedFile) {
        if (!std::filesystem::exists(expectedFile) && std::getenv("QUARO_UPDATE_REPLAYS")) {
            std::ofstream(expectedFile) << summary;
            GTEST_SKIP() << "wrote " << expectedFile;
        }
        EXPECT_EQ(summary, readFile(expectedFile))
            << "the rounds play differently from " << expectedFile
            << ": a change of play raises quaroRules::current, and the summary of every older "
               "identifier stays as it is";
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
        shell->round().hero()->itemCount = 105;
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
        const vorlanCharSprite* hero = shell->round().hero();
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

std::filesystem::path roundsSummary(uint16_t rules) {
    return replayFolder / ("rounds.rules" + std::to_string(rules) + ".expected");
}

class RulesReplay : public ReplayTest, public ::testing::WithParamInterface<uint16_t> {};

TEST_P(RulesReplay, CaughtLeftAndWonRoundsPlayAsTheirRulesSay) {
    const std::string summary = play(readScript(replayFolder / "rounds.replay"), GetParam());
    expectSummary(summary, roundsSummary(GetParam()));
    EXPECT_NE(summary.find("result 1\n"), std::string::npos) << "a round is lost";
    EXPECT_NE(summary.find("result 0\n"), std::string::npos) << "a round is left";
    EXPECT_NE(summary.find("result 2\n"), std::string::npos) << "a round is won";
}

INSTANTIATE_TEST_SUITE_P(EveryRules, RulesReplay,
                         ::testing::Range(quaroRules::oldest, uint16_t(quaroRules::current + 1)));

TEST(RulesSummaries, ThereIsOneForEveryRulesIdentifierTheGamePlaysAndNoOther) {
    for (const auto& entry : std::filesystem::directory_iterator(replayFolder)) {
        const std::string name = entry.path().filename().string();
        unsigned rules = 0;
        if (std::sscanf(name.c_str(), "rounds.rules%u.expected", &rules) == 1) {
            EXPECT_TRUE(rules >= quaroRules::oldest && rules <= quaroRules::current) << name;
        }
    }
    for (uint16_t rules = quaroRules::oldest; rules <= quaroRules::current; ++rules) {
        EXPECT_TRUE(std::filesystem::exists(roundsSummary(rules)) ||
                    std::getenv("QUARO_UPDATE_REPLAYS"))
            << "no summary of rules " << rules << ": run replayTest with QUARO_UPDATE_REPLAYS=1";
    }
}

// Won rounds recorded by the game, committed as their files: runs of file version 1, whose
// yells drew from the round's own generator, still play as they did.
class RecordedRun : public ReplayTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RecordedRun, PlaysAsRecorded) {
    std::string problem;
    const std::string run = GetParam();
    const std::optional<quaroRecording> recording =
        quaroRecording::load((replayFolder / (run + ".run")).string(), problem);
    ASSERT_TRUE(recording) << problem;
    const std::string summary = play(*recording);
    expectSummary(summary, replayFolder / (run + ".expected"));
    EXPECT_NE(summary.find("items 106"), std::string::npos) << "the round is won";
    EXPECT_NE(summary.find(" matched\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Files, RecordedRun, ::testing::Values("golden", "demo-v1"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param) == "golden" ? "golden" : "demoV1";
                         });
