// Saving the table while the process is killed: whatever the moment of the SIGKILL, the file
// on disk is a whole table, the old one or the new one, and the next start leaves nothing else.
#include "quaroHighScore.h"
#include "tempDir.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using bytes = std::vector<unsigned char>;

bytes fileBytes(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return bytes(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const char* name, const bytes& content) {
    std::ofstream out(name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(content.data()), std::streamsize(content.size()));
}

// One save of the game: read the table, enter a time, write it back.
void enterAndSave(int i) {
    quaroHighScore table;
    table.enterRecord(i % 2 == 0 ? "first" : "second", 0, i % 60);
    table.save();
}

} // namespace

TEST(HighScoreKillTest, AKilledSaveLeavesTheOldOrTheNewTable) {
    TempDir dir;
    ScopedCwd cwd(dir.path());
    // Every table the saves can produce from the default one, in order.
    constexpr int saves = 40;
    std::vector<bytes> tables;
    quaroHighScore().save();
    tables.push_back(fileBytes(quaroHighScore::fileName));
    for (int i = 0; i < saves; ++i) {
        enterAndSave(i);
        tables.push_back(fileBytes(quaroHighScore::fileName));
    }

    std::mt19937 random(99);
    int killedMidway = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        writeBytes(quaroHighScore::fileName, tables.front());
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0; i < saves; ++i)
                enterAndSave(i);
            _exit(0);
        }
        usleep(std::uniform_int_distribution<useconds_t>(0, 30000)(random));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const bytes found = fileBytes(quaroHighScore::fileName);
        const auto match = std::find(tables.begin(), tables.end(), found);
        ASSERT_NE(match, tables.end())
            << "a broken table of " << found.size() << " bytes after attempt " << attempt;
        if (WIFSIGNALED(status) && match != tables.begin() && match + 1 != tables.end())
            ++killedMidway;
    }
    EXPECT_GT(killedMidway, 0) << "no kill landed in the middle of the saves";
}

// A kill during the first save leaves no table, or a whole one, and perhaps its temporary file;
// the next start removes such a file, or takes it for the table when it is whole and the table
// is missing. After that start there is always a whole table or none, and nothing beside it.
TEST(HighScoreKillTest, TheNextStartCleansUpAfterAFirstSaveThatWasKilled) {
    TempDir dir;
    ScopedCwd cwd(dir.path());
    const auto names = [] {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(quaroHighScore::folderName))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    };
    std::mt19937 random(7);
    int leftovers = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::remove_all(quaroHighScore::folderName);
        std::filesystem::create_directory(quaroHighScore::folderName);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        for (int i = 0; child == 0; ++i) {
            std::filesystem::remove(quaroHighScore::fileName); // always the first save
            enterAndSave(i);
        }
        usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(random));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::vector<std::string> before = names(); // ".new-" sorts after ".lock"
        leftovers += !before.empty() && before.back().find(".new") != std::string::npos ? 1 : 0;

        quaroHighScore::recoverLeftovers(quaroHighScore::fileName);
        const std::vector<std::string> after = names();
        if (after.size() == 2) {
            ASSERT_EQ(fileBytes(quaroHighScore::fileName).size(), 260u) << "attempt " << attempt;
        }
        ASSERT_EQ(after.back(), "Highscore.hs.lock") << "and nothing else, attempt " << attempt;
        ASSERT_LE(after.size(), 2u) << "attempt " << attempt;
    }
    EXPECT_GT(leftovers, 0) << "no kill landed during a write";
}

// A save cut short beside a table the start-up does not look after (a day's, the assisted
// wins'): the next save of that table takes the whole table it left, and its record stays.
TEST(HighScoreKillTest, ASaveTakesTheWholeTableACutShortSaveLeftBesideIt) {
    TempDir dir;
    ScopedCwd cwd(dir.path());
    std::filesystem::create_directories("Daily/2026-12-08");
    const char* const daily = "Daily/2026-12-08/Highscore.hs";
    {
        quaroHighScore earlier(daily);
        earlier.enterRecord("earlier", 1, 2);
        ASSERT_TRUE(earlier.save());
    }
    std::filesystem::rename(daily, std::string(daily) + ".new-Ab12Cd");

    quaroHighScore table(daily);
    table.enterRecord("later", 3, 4);
    ASSERT_TRUE(table.save());
    const quaroHighScore saved(daily);
    EXPECT_STREQ(saved.getSlotName(0), "earlier");
    EXPECT_STREQ(saved.getSlotName(1), "later");
    EXPECT_FALSE(std::filesystem::exists(std::string(daily) + ".new-Ab12Cd"));
}
