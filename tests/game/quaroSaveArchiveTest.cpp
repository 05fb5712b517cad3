#include "quaroSaveArchive.h"
#include "quaroHighScore.h"
#include "quaroRecording.h"
#include "quaroRules.h"
#include "quaroRunStore.h"
#include "quaroSettings.h"
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

std::vector<uint8_t> textBytes(const std::string& text) {
    return {text.begin(), text.end()};
}

void writeText(const std::string& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
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
    const auto files = quaroSaveArchive::collect(from.file("Save"), "");
    quaroRunStore target(to.file("Save"));
    target.keep(runOf("zed", 9, 0));
    ASSERT_TRUE(quaroSaveArchive::restore(to.file("Save"), "", files, problem)) << problem;
    EXPECT_EQ(fileBytes(to.file("Save/Highscore.hs")), fileBytes(from.file("Save/Highscore.hs")));
    const std::vector<std::string> runs =
        target.runsOf(quaroHighScore(to.file("Save/Highscore.hs")));
    ASSERT_EQ(target.runFiles(), std::vector<std::string>{runs[0]});
    EXPECT_EQ(fileBytes(runs[0]), fileBytes(run));
}

TEST_F(SaveArchiveTest, TheAssistedListItsRunsAndTheSettingsComeBackWhereTheyAreKept) {
    quaroHighScore assisted(from.file("Save/Assisted/Highscore.hs"));
    assisted.enterRecord("bo", 4, 0);
    assisted.save();
    const std::string assistedRun =
        quaroRunStore(from.file("Save/Assisted")).keep(runOf("bo", 4, 0));
    writeText(from.file("quaro.ini"), "# mine\n[keys]\nleft=J\n");
    const auto files = quaroSaveArchive::collect(from.file("Save"), from.file("quaro.ini"));
    const std::vector<uint8_t> archive = quaroSaveArchive::encode(files);
    const auto decoded = quaroSaveArchive::decode(archive.data(), archive.size(), problem);
    ASSERT_TRUE(decoded) << problem;
    ASSERT_TRUE(quaroSaveArchive::restore(to.file("Save"), to.file("kept.ini"), *decoded, problem))
        << problem;
    EXPECT_EQ(fileBytes(to.file("Save/Assisted/Highscore.hs")),
              fileBytes(from.file("Save/Assisted/Highscore.hs")));
    const quaroRunStore target(to.file("Save/Assisted"));
    ASSERT_EQ(target.runFiles().size(), 1u);
    EXPECT_EQ(fileBytes(target.runFiles()[0]), fileBytes(assistedRun));
    EXPECT_EQ(fileBytes(to.file("kept.ini")), fileBytes(from.file("quaro.ini")));
    EXPECT_EQ(quaroRunStore(to.file("Save")).runFiles().size(), 1u); // the table's own run
}

TEST_F(SaveArchiveTest, SettingsWithLinesNotUnderstoodTravelAsTheGameAppliesThem) {
    writeText(from.file("quaro.ini"), "[keys]\nleft=J\ncolour=red\n");
    const auto files = quaroSaveArchive::collect(from.file("Save"), from.file("quaro.ini"));
    ASSERT_EQ(files.back().name, "quaro.ini");
    const settingsRead read =
        parseSettings(std::string(files.back().bytes.begin(), files.back().bytes.end()));
    EXPECT_TRUE(read.problems.empty());
    EXPECT_EQ(read.settings.key(boundAction::left), SDLK_j);
}

TEST(SaveArchive, DamagedArchivesAreRefusedWithTheirReason) {
    const std::vector<uint8_t> table(260, 0x5b);
    const std::vector<savedFile> good = {{"Highscore.hs", table},
                                         {"Replays/ann.run", runBytes("ann", 2, 0)}};
    using change = std::function<void(std::vector<uint8_t>&)>;
    const auto withFiles = [](std::vector<savedFile> files) {
        return [files](std::vector<uint8_t>& bytes) { bytes = quaroSaveArchive::encode(files); };
    };
    const auto inVersion1 = [](std::vector<savedFile> files) {
        return [files](std::vector<uint8_t>& bytes) {
            bytes = quaroSaveArchive::encode(files);
            bytes[4] = 1;
            bytes.resize(bytes.size() - 4);
            const uint32_t crc = crc32Of(bytes.data(), bytes.size());
            for (int shift = 0; shift < 32; shift += 8)
                bytes.push_back(uint8_t(crc >> shift));
        };
    };
    std::vector<uint8_t> shortRun = runBytes("ann", 2, 0);
    shortRun.pop_back();
    const struct {
        const char* what;
        change damage;
        const char* reason;
    } cases[] = {
        {"another kind of file", [](auto& b) { b[0] = 'X'; }, "not a file of saved games"},
        {"a later format", [](auto& b) { b[4] = 3; }, "another version"},
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
        {"settings with a line not understood", withFiles({{"quaro.ini", textBytes("speed=5")}}),
         "settings are damaged"},
        {"settings among the assisted", withFiles({{"Assisted/quaro.ini", textBytes("")}}),
         "does not keep"},
        {"a damaged assisted run", withFiles({{"Assisted/Replays/a.run", shortRun}}),
         "Assisted/Replays/a.run is damaged"},
        {"an assisted list in a first version", inVersion1({{"Assisted/Highscore.hs", table}}),
         "does not keep"},
        {"settings in a first version", inVersion1({{"quaro.ini", textBytes("")}}),
         "does not keep"},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bytes = quaroSaveArchive::encode(good);
        c.damage(bytes);
        std::string problem;
        EXPECT_FALSE(quaroSaveArchive::decode(bytes.data(), bytes.size(), problem)) << c.what;
        EXPECT_NE(problem.find(c.reason), std::string::npos) << c.what << ": " << problem;
    }
    std::vector<uint8_t> first;
    inVersion1(good)(first);
    std::string problem;
    const auto files = quaroSaveArchive::decode(first.data(), first.size(), problem);
    EXPECT_TRUE(files && *files == good) << "a first version's archive is still read: " << problem;
}
