// Saving the table while the process is killed: whatever the moment of the SIGKILL, the file
// on disk is a whole table, the old one or the new one.
#include "quaroHighScore.h"
#include "tempDir.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <iterator>
#include <random>
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
