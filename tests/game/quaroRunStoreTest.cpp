#include "quaroRunStore.h"
#include "headlessSdl.h"
#include "quaroHighScore.h"
#include "quaroRecording.h"
#include "quaroRules.h"
#include "tempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A line of /proc/self/status, in kB.
long residentKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    return -1;
}

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

// A run no row claims goes once it is old; until then it may be another copy of the game's
// new record, saved a moment before that game saves its table.
TEST_F(RunStoreTest, PruningKeepsTheClaimedRunsTheYoungOnesAndOtherFilesOnly) {
    // What a save cut short and a table that moved on leave behind.
    store.keep(runOf("dan", 4, 0, 4)); // saved, then the table was not
    std::ofstream(dir.file("Save/Replays/cut.run.new-Ab3dE9")) << "half";
    std::ofstream(dir.file("Save/Replays/older.run.new")) << "half";
    std::ofstream(dir.file("Save/Replays/broken.run")) << "QRUN and then nothing";
    std::ofstream(dir.file("Save/Replays/notes.txt")) << "mine";
    const std::string young = store.keep(runOf("fay", 0, 30, 5)); // another game's, just now
    for (const auto& entry : fs::directory_iterator(store.folder()))
        if (entry.path() != young)
            fs::last_write_time(entry.path(),
                                fs::file_time_type::clock::now() - std::chrono::hours(1));
    StdoutCapture capture; // the broken run is named
    {
        quaroHighScore table(tableFile);
        for (int i = 0; i < 9; ++i) // nine faster rows push bob out of the table
            table.enterRecord("eve", 1, i);
        table.save();
    }
    store.prune(quaroHighScore(tableFile));
    EXPECT_EQ(filesInFolder(),
              (std::vector<std::string>{fs::path(young).filename().string(),
                                        fs::path(ann).filename().string(), "notes.txt"}));
    EXPECT_EQ(rowRuns().at(9), ann);
}

// Two copies of the game in one folder: each reads the table when its round ends, and both
// save while the other's record is not in the table they read. Every record and every run
// stays, whatever the order the saves take.
TEST_F(RunStoreTest, TwoGamesSavingAtOnceLoseNoRecordAndNoRun) {
    constexpr int games = 2;
    constexpr int recordsEach = 5; // ten in all: the whole table
    constexpr int attempts = 20;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        fs::remove_all(dir.file("Save"));
        int readTables[2];
        ASSERT_EQ(pipe(readTables), 0);
        std::vector<pid_t> children;
        for (int game = 0; game < games; ++game) {
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                bool fine = true;
                for (int r = 0; r < recordsEach; ++r) {
                    const std::string name = std::string(1, char('a' + game)) + char('0' + r);
                    const int seconds = 10 * r + game;
                    quaroHighScore table(tableFile);
                    // Both tables are read before either game saves.
                    const char mark = 'x';
                    fine = fine && write(readTables[1], &mark, 1) == 1;
                    char other = 0;
                    fine = fine && read(readTables[0], &other, 1) == 1;
                    table.enterRecord(name.c_str(), 0, seconds);
                    const quaroRecording run = runOf(name.c_str(), 0, seconds, uint32_t(r));
                    fine = fine && store.saveRecord(table, &run);
                }
                _exit(fine ? 0 : 1);
            }
            children.push_back(child);
        }
        for (pid_t child : children) {
            int status = 0;
            waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        close(readTables[0]);
        close(readTables[1]);
        const quaroHighScore table(tableFile);
        std::vector<std::string> names;
        for (int row = 0; row < quaroHighScore::rowCount; ++row)
            names.push_back(table.getSlotName(row));
        ASSERT_EQ(names, (std::vector<std::string>{"a0", "b0", "a1", "b1", "a2", "b2", "a3", "b3",
                                                   "a4", "b4"}))
            << "attempt " << attempt;
        const std::vector<std::string> runs = store.runsOf(table);
        ASSERT_EQ(std::count(runs.begin(), runs.end(), ""), 0) << "attempt " << attempt;
    }
}

// Matching rows to runs reads headers, never frames: a folder of runs that each claim the
// most frames a file may hold costs next to nothing, and so does one of many more files.
TEST_F(RunStoreTest, AFolderOfHostileRunsCostsLittleMemory) {
    constexpr int hostileFiles = 1000;
    constexpr long heapGrowthAllowedKb = 20 * 1024;
    quaroRecording longest(1, quaroRules::current);
    for (uint32_t frame = 0; frame < quaroRecording::maxFrames; ++frame)
        longest.add({0, 0, false, false});
    longest.claim("nobody", 0, 1);
    const std::vector<uint8_t> bytes = longest.encode();
    ASSERT_LT(bytes.size(), 100u) << "a few runs of 65535 frames";
    for (int i = 0; i < hostileFiles; ++i) {
        std::ofstream out(dir.file("Save/Replays/" + std::to_string(i) + ".run"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    const quaroHighScore table(tableFile);
    std::ofstream("/proc/self/clear_refs") << "5"; // the peak starts again from here
    const long before = residentKb("VmRSS");
    EXPECT_EQ(store.runsOf(table), expectedRuns({ann, bob}));
    EXPECT_LT(residentKb("VmHWM") - before, heapGrowthAllowedKb);
}
