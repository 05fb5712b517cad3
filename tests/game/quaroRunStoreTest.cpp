#include "quaroRunStore.h"
#include "headlessSdl.h"
#include "quaroHighScore.h"
#include "quaroRecording.h"
#include "quaroRules.h"
#include "tempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

quaroRecording runOf(const char* name, int minutes, int seconds, uint32_t seed) {
    quaroRecording run(seed, quaroRules::current);
    run.add({0, 1, false, false});
    run.claim(name, minutes, seconds);
    return run;
}

class RunStoreTest : public ::testing::Test {
protected:
    // A table with "ann" at 2:00 and "bob" at 3:00 above eight default rows, and their runs.
    void SetUp() override {
        quaroHighScore table(tableFile);
        table.enterRecord("bob", 3, 0);
        table.enterRecord("ann", 2, 0);
        table.save();
        ann = store.keep(runOf("ann", 2, 0, 1));
        bob = store.keep(runOf("bob", 3, 0, 2));
    }

    std::vector<std::string> rowRuns() { return store.runsOf(quaroHighScore(tableFile)); }
    std::vector<std::string> expectedRuns(std::vector<std::string> first) {
        first.resize(quaroHighScore::rowCount);
        return first;
    }
    std::vector<std::string> filesInFolder() {
        std::vector<std::string> files;
        for (const auto& entry : fs::directory_iterator(store.folder()))
            files.push_back(entry.path().filename().string());
        std::sort(files.begin(), files.end());
        return files;
    }

    TempDir dir;
    std::string tableFile = dir.file("Save/Highscore.hs");
    quaroRunStore store{dir.file("Save")};
    std::string ann, bob;
};

} // namespace

TEST_F(RunStoreTest, ARunFollowsItsRowWhenAFasterTimeShiftsTheTable) {
    EXPECT_EQ(fs::path(ann).parent_path(), dir.file("Save/Replays"));
    EXPECT_EQ(rowRuns(), expectedRuns({ann, bob})) << "the default rows have no run";
    {
        quaroHighScore table(tableFile);
        table.enterRecord("cid", 1, 0);
        const std::string cid = store.keep(runOf("cid", 1, 0, 3));
        EXPECT_EQ(store.runsOf(table), expectedRuns({cid, ann, bob}));
        table.save();
    }
    EXPECT_EQ(rowRuns().at(1), ann);
}

TEST_F(RunStoreTest, RunsMatchByWhatTheyHoldNotByTheirFileNames) {
    fs::rename(ann, dir.file("Save/Replays/zzz.run"));
    fs::rename(bob, dir.file("Save/Replays/aaa.run"));
    EXPECT_EQ(rowRuns(),
              expectedRuns({dir.file("Save/Replays/zzz.run"), dir.file("Save/Replays/aaa.run")}));
}

TEST_F(RunStoreTest, TwoRowsOfTheSameNameAndTimeGetARunEach) {
    quaroHighScore table(tableFile);
    table.enterRecord("ann", 2, 0);
    const std::string second = store.keep(runOf("ann", 2, 0, 9));
    const std::vector<std::string> runs = store.runsOf(table);
    EXPECT_NE(runs[0], runs[1]);
    EXPECT_TRUE((runs[0] == ann && runs[1] == second) || (runs[0] == second && runs[1] == ann));
}

TEST_F(RunStoreTest, PruningKeepsTheClaimedRunsAndOtherFilesOnly) {
    // What a save cut short and a table that moved on leave behind.
    store.keep(runOf("dan", 4, 0, 4)); // saved, then the table was not
    std::ofstream(dir.file("Save/Replays/cut.run.new-Ab3dE9")) << "half";
    std::ofstream(dir.file("Save/Replays/older.run.new")) << "half";
    std::ofstream(dir.file("Save/Replays/broken.run")) << "QRUN and then nothing";
    std::ofstream(dir.file("Save/Replays/notes.txt")) << "mine";
    StdoutCapture capture; // the broken run is named
    {
        quaroHighScore table(tableFile);
        for (int i = 0; i < 9; ++i) // nine faster rows push bob out of the table
            table.enterRecord("eve", 1, i);
        table.save();
    }
    store.prune(quaroHighScore(tableFile));
    EXPECT_EQ(filesInFolder(),
              (std::vector<std::string>{fs::path(ann).filename().string(), "notes.txt"}));
    EXPECT_EQ(rowRuns().at(9), ann);
}
