#include "quaroSaveArchive.h"
#include "quaroHighScore.h"
#include "quaroRecording.h"
#include "quaroRules.h"
#include "quaroRunStore.h"
#include "tempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

quaroRecording runOf(const char* name, int minutes, int seconds) {
    quaroRecording run(7, quaroRules::current);
    run.add({-1, 0, false, false});
    run.claim(name, minutes, seconds);
    return run;
}

std::vector<uint8_t> runBytes(const char* name, int minutes, int seconds) {
    return runOf(name, minutes, seconds).encode();
}

std::vector<uint8_t> fileBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder with a table whose first row is "ann" at 2:00, and the run of that row.
class SaveArchiveTest : public ::testing::Test {
protected:
    void SetUp() override {
        quaroHighScore table(from.file("Save/Highscore.hs"));
        table.enterRecord("ann", 2, 0);
        table.save();
        run = quaroRunStore(from.file("Save")).keep(runOf("ann", 2, 0));
    }

    TempDir from;
    TempDir to;
    std::string run;
    std::string problem;
};

} // namespace

TEST_F(SaveArchiveTest, ImportBringsTheTableAndItsRunAndRemovesRunsNoRowClaims) {
    const auto files = quaroSaveArchive::collect(from.file("Save"));
    quaroRunStore target(to.file("Save"));
    target.keep(runOf("zed", 9, 0));
    ASSERT_TRUE(quaroSaveArchive::restore(to.file("Save"), files, problem)) << problem;
    EXPECT_EQ(fileBytes(to.file("Save/Highscore.hs")), fileBytes(from.file("Save/Highscore.hs")));
    const std::vector<std::string> runs =
        target.runsOf(quaroHighScore(to.file("Save/Highscore.hs")));
    ASSERT_EQ(target.runFiles(), std::vector<std::string>{runs[0]});
    EXPECT_EQ(fileBytes(runs[0]), fileBytes(run));
}

TEST(SaveArchive, DamagedArchivesAreRefusedWithTheirReason) {
    const std::vector<uint8_t> table(260, 0x5b);
    const std::vector<savedFile> good = {{"Highscore.hs", table},
                                         {"Replays/ann.run", runBytes("ann", 2, 0)}};
    using change = std::function<void(std::vector<uint8_t>&)>;
    const auto withFiles = [](std::vector<savedFile> files) {
        return [files](std::vector<uint8_t>& bytes) { bytes = quaroSaveArchive::encode(files); };
    };
    std::vector<uint8_t> shortRun = runBytes("ann", 2, 0);
    shortRun.pop_back();
    const struct {
        const char* what;
        change damage;
        const char* reason;
    } cases[] = {
        {"another kind of file", [](auto& b) { b[0] = 'X'; }, "not a file of saved games"},
        {"a later format", [](auto& b) { b[4] = 2; }, "another version"},
        {"a flipped byte", [](auto& b) { b[20] ^= 1; }, "checksum"},
        {"cut short", [](auto& b) { b.resize(b.size() / 2); }, "checksum"},
        {"a table of the wrong size", withFiles({{"Highscore.hs", {1, 2, 3}}}), "260 bytes"},
        {"a damaged run", withFiles({{"Replays/ann.run", shortRun}}), "Replays/ann.run is damaged"},
        {"a path out of the folder", withFiles({{"Replays/../../x.run", runBytes("a", 1, 1)}}),
         "does not keep"},
        {"a file the game does not keep", withFiles({{"notes.txt", {1}}}), "does not keep"},
        {"the same file twice", withFiles({{"Highscore.hs", table}, {"Highscore.hs", table}}),
         "twice"},
        {"no file at all", withFiles({}), "holds 0 files"},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bytes = quaroSaveArchive::encode(good);
        c.damage(bytes);
        std::string problem;
        EXPECT_FALSE(quaroSaveArchive::decode(bytes.data(), bytes.size(), problem)) << c.what;
        EXPECT_NE(problem.find(c.reason), std::string::npos) << c.what << ": " << problem;
    }
}
