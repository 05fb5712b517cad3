#include "quaroHighScore.h"
#include "headlessSdl.h"
#include "tempDir.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using bytes = std::vector<unsigned char>;

class HighScoreTest : public ::testing::Test {
protected:
    bytes savedFile() const {
        std::ifstream in(dir.file("Save/Highscore.hs"), std::ios::binary);
        return bytes(std::istreambuf_iterator<char>(in), {});
    }
    static const char* table() { return quaroHighScore::fileName; }
    void writeFile(const bytes& content) const {
        std::filesystem::create_directories(dir.path() / "Save");
        std::ofstream out(dir.file("Save/Highscore.hs"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(content.data()), std::streamsize(content.size()));
    }
    // A whole table's file as the game writes it, with the given first row.
    bytes tableWithFirstRow(const char* name, int minutes, int seconds) const {
        {
            quaroHighScore table;
            table.enterRecord(name, minutes, seconds);
            table.save();
        }
        return savedFile();
    }

    TempDir dir;
    ScopedCwd cwd{dir.path()};
};

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void expectDefaultRows(const quaroHighScore& table) {
    for (int i = 0; i < quaroHighScore::rowCount; ++i) {
        EXPECT_STREQ(table.getSlotName(i), "qwopp") << "row " << i;
        EXPECT_EQ(table.getSlotMinutes(i), 10);
        EXPECT_EQ(table.getSlotSeconds(i), 0);
    }
}

} // namespace

TEST_F(HighScoreTest, WithoutAFileTheDefaultTableIsShownAndWritten) {
    {
        quaroHighScore table;
        expectDefaultRows(table);
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "Save")) << "a look alone writes nothing";
        EXPECT_TRUE(table.save());
    }
    const bytes file = savedFile();
    ASSERT_EQ(file.size(), 260u);
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(file[26 * r + 22], 0x0a) << "minutes of record " << r;
        EXPECT_EQ(file[26 * r + 23], 0x00);
        EXPECT_EQ(file[26 * r + 24], 0x00) << "seconds of record " << r;
        EXPECT_EQ(file[26 * r + 25], 0x00);
    }
}

TEST_F(HighScoreTest, EveryNameByteComesBack) {
    const char names[][11] = {"abcdefghij", "0123456789", "z y x", "\x7d\x7e\x7f", "", "a"};
    {
        quaroHighScore table;
        for (const char* name : names)
            table.enterRecord(name, 1, 0);
        table.save();
    }
    quaroHighScore again;
    // Equal times enter below each other: the first name entered stays on top.
    for (int i = 0; i < 6; ++i)
        EXPECT_STREQ(again.getSlotName(i), names[i]);
    EXPECT_STREQ(again.getSlotName(6), "qwopp");
}

TEST_F(HighScoreTest, NineFiftyNineTakesFirstPlaceAndPushesTheLastRowOut) {
    quaroHighScore table;
    EXPECT_EQ(table.isRecord(10, 0), -1) << "equal to the defaults is no record";
    EXPECT_EQ(table.isRecord(10, 1), -1);
    EXPECT_EQ(table.isRecord(9, 59), 1);
    table.enterRecord("kid", 9, 59);
    EXPECT_STREQ(table.getSlotName(0), "kid");
    EXPECT_EQ(table.getSlotMinutes(0), 9);
    EXPECT_EQ(table.getSlotSeconds(0), 59);
    for (int i = 1; i < 10; ++i)
        EXPECT_STREQ(table.getSlotName(i), "qwopp");
    EXPECT_EQ(table.isRecord(9, 59), 2) << "an equal time goes below its equal";
}

TEST_F(HighScoreTest, RecordsKeepTheTableInOrder) {
    quaroHighScore table;
    table.enterRecord("c", 3, 0);
    table.enterRecord("a", 1, 0);
    table.enterRecord("b", 2, 30);
    table.enterRecord("b2", 2, 30);
    table.enterRecord("d", 9, 59);
    const char* expected[] = {"a", "b", "b2", "c", "d", "qwopp"};
    for (int i = 0; i < 6; ++i)
        EXPECT_STREQ(table.getSlotName(i), expected[i]);
    EXPECT_EQ(table.isRecord(2, 30), 4);
}

TEST_F(HighScoreTest, ATimeThatIsNoRecordChangesNothing) {
    quaroHighScore table;
    table.enterRecord("late", 12, 0);
    expectDefaultRows(table);
}

TEST_F(HighScoreTest, ALongFileGivesItsFirstTable) {
    bytes file = tableWithFirstRow("best", 0, 42);
    ASSERT_EQ(file.size(), 260u);
    file.resize(4000, 0xee);
    writeFile(file);
    quaroHighScore table;
    EXPECT_STREQ(table.getSlotName(0), "best");
    EXPECT_EQ(table.getSlotSeconds(0), 42);
    EXPECT_EQ(table.getDamage(), "");
}

// A file that exists but cannot be read whole is shown as far as it could be read and is
// never overwritten by a look; the first record saved keeps it as Save/Highscore.hs.damaged.
TEST_F(HighScoreTest, AFileThatCannotBeReadWholeIsNeverLost) {
    const bytes whole = tableWithFirstRow("best", 0, 42);
    const struct {
        const char* what;
        std::function<void()> spoil;
        const char* damage;
        bool firstRowRead;
    } cases[] = {
        {"one byte short", [&] { writeFile(bytes(whole.begin(), whole.end() - 1)); },
         "only 259 of 260 bytes", true},
        {"empty", [&] { writeFile({}); }, "only 0 of 260 bytes", false},
        {"a folder", [&] { std::filesystem::create_directories(dir.path() / table()); },
         "not a regular file", false},
        {"a FIFO", [&] { mkfifo(dir.file(table()).c_str(), 0600); }, "not a regular file", false},
        {"unreadable",
         [&] {
             writeFile(whole);
             chmod(dir.file(table()).c_str(), 0);
         },
         "Permission denied", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(dir.path() / "Save");
        std::filesystem::create_directories(dir.path() / "Save");
        c.spoil();
        if (std::string(c.what) == "unreadable" && access(dir.file(table()).c_str(), R_OK) == 0)
            continue; // the superuser reads it anyway
        const auto before = std::filesystem::status(dir.path() / table()).type();
        StdoutCapture capture;
        {
            quaroHighScore look;
            EXPECT_EQ(look.getDamage(), c.damage);
            EXPECT_STREQ(look.getSlotName(0), c.firstRowRead ? "best" : "qwopp");
            EXPECT_STREQ(look.getSlotName(9), "qwopp") << "defaults for what was not read";
            EXPECT_TRUE(look.save());
        }
        EXPECT_EQ(capture.text(),
                  std::string("The high-score file Save/Highscore.hs is damaged (") + c.damage +
                      "): it shows what could be read, and is kept as "
                      "Save/Highscore.hs.damaged when a new record is saved\n");
        EXPECT_EQ(std::filesystem::status(dir.path() / table()).type(), before)
            << "a look writes nothing";
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "Save/Highscore.hs.damaged"));
        {
            StdoutCapture again;
            quaroHighScore record;
            record.enterRecord("new", 0, 1);
            EXPECT_TRUE(record.save());
        }
        EXPECT_EQ(savedFile().size(), 260u);
        EXPECT_EQ(std::filesystem::status(dir.path() / "Save/Highscore.hs.damaged").type(), before)
            << "the damaged file is kept";
    }
}

TEST_F(HighScoreTest, ALookWritesOnlyAMissingFile) {
    bytes file = tableWithFirstRow("alice", 1, 2);
    const uint16_t offsetLow = static_cast<uint16_t>(file[0] - 'a'); // the encoding's low byte
    file[0] = static_cast<unsigned char>('A' + offsetLow);
    file[20] = 0x77; // the reserved word, which a rewrite would clear
    writeFile(file);
    {
        quaroHighScore look;
        EXPECT_STREQ(look.getSlotName(0), "alice") << "capitals are read as small letters";
        EXPECT_TRUE(look.save());
    }
    EXPECT_EQ(savedFile(), file);
}

TEST_F(HighScoreTest, BytesTheFontCannotDrawAreReadAsSpacesAndCapitalsAsSmallLetters) {
    bytes file = tableWithFirstRow("abcdef", 1, 2);
    const uint16_t offsetLow = static_cast<uint16_t>(file[0] - 'a');
    const char written[] = {'A', 'Z', ':', '@', '[', '~'};
    for (int i = 0; i < 6; ++i)
        file[2 * i] = static_cast<unsigned char>(written[i] + offsetLow);
    writeFile(file);
    quaroHighScore table;
    EXPECT_STREQ(table.getSlotName(0), "az   ~");
}

TEST_F(HighScoreTest, TimesBeyondFiftyNineFiftyNineAreReadAsIt) {
    bytes file = tableWithFirstRow("x", 1, 2);
    const struct {
        uint16_t minutes, seconds;
        int readMinutes, readSeconds;
    } cases[] = {{70, 3, 59, 59}, {3, 75, 3, 59}, {65535, 65535, 59, 59}, {59, 59, 59, 59}};
    for (const auto& c : cases) {
        file[22] = uint8_t(c.minutes), file[23] = uint8_t(c.minutes >> 8);
        file[24] = uint8_t(c.seconds), file[25] = uint8_t(c.seconds >> 8);
        writeFile(file);
        quaroHighScore table;
        EXPECT_EQ(table.getSlotMinutes(0), c.readMinutes) << c.minutes << ":" << c.seconds;
        EXPECT_EQ(table.getSlotSeconds(0), c.readSeconds) << c.minutes << ":" << c.seconds;
    }
}

TEST_F(HighScoreTest, ALinkedTableIsSavedThroughTheLinkKeepingItsMode) {
    tableWithFirstRow("first", 3, 0);
    std::filesystem::create_directories(dir.path() / "family");
    std::filesystem::rename(dir.path() / table(), dir.path() / "family/table.hs");
    chmod(dir.file("family/table.hs").c_str(), 0640);
    std::filesystem::create_symlink("../family/table.hs", dir.path() / table());
    {
        quaroHighScore shared;
        shared.enterRecord("second", 2, 0);
        EXPECT_TRUE(shared.save());
    }
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / table()));
    EXPECT_STREQ(quaroHighScore().getSlotName(0), "second");
    struct stat info;
    ASSERT_EQ(stat(dir.file("family/table.hs").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(namesIn(dir.path() / "family"),
              (std::vector<std::string>{"table.hs", "table.hs.lock"}))
        << "the lock is beside the real table, and no temporary file is left";
}

TEST_F(HighScoreTest, DamagedFilesNeverCrashAndTheNextRecordIsSavedWhole) {
    std::mt19937 random(7);
    for (int round = 0; round < 100; ++round) {
        bytes file(std::uniform_int_distribution<size_t>(0, 600)(random));
        for (unsigned char& b : file)
            b = static_cast<unsigned char>(random());
        writeFile(file);
        StdoutCapture capture;
        {
            quaroHighScore table;
            for (int i = 0; i < 10; ++i)
                for (const char* c = table.getSlotName(i); *c != '\0'; ++c) {
                    const unsigned char code = static_cast<unsigned char>(*c);
                    EXPECT_TRUE((code >= 'a' && code <= 'z') || (code >= '0' && code <= '9') ||
                                code == ' ' || (code >= 123 && code <= 127))
                        << "a byte the font cannot draw: " << int(code);
                }
            table.isRecord(0, 0);
            table.save();
        }
        EXPECT_EQ(savedFile(), file) << "a look writes nothing";
        {
            quaroHighScore table;
            table.enterRecord("new", 0, 0);
            table.save();
        }
        EXPECT_EQ(savedFile().size(), 260u);
    }
}

TEST_F(HighScoreTest, AnUnwritableSaveFolderKeepsTheOldStateAndSaysSo) {
    std::ofstream(dir.file("Save")) << "not a folder";
    StdoutCapture capture;
    EXPECT_FALSE(quaroHighScore().save()) << "the file counts as missing, so the look writes it";
    EXPECT_EQ(capture.text(), "Error saving Save/Highscore.hs\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.path() / "Save"));
}

TEST_F(HighScoreTest, AFailedSaveKeepsTheTableOnDiskAndLeavesNoTemporaryFile) {
    const bytes before = tableWithFirstRow("keep", 0, 1);
    // A file size limit below a table's makes the write fail, even for the superuser.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit;
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit small = oldLimit;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    StdoutCapture capture;
    bool saved = true;
    {
        quaroHighScore table;
        table.enterRecord("lost", 0, 0);
        saved = table.save();
    }
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(capture.text(), "Error saving Save/Highscore.hs\n");
    EXPECT_EQ(savedFile(), before);
    EXPECT_EQ(namesIn(dir.path() / "Save"),
              (std::vector<std::string>{"Highscore.hs", "Highscore.hs.lock"}))
        << "only the table and its lock";
}

// Each damaged file a save replaces is kept, the newest as .damaged, the two before it numbered.
TEST_F(HighScoreTest, TheLastThreeDamagedFilesAreKept) {
    StdoutCapture capture;
    for (int damaged = 0; damaged < 4; ++damaged) {
        writeFile(bytes(size_t(10 + damaged), 0x41));
        quaroHighScore table;
        table.enterRecord("new", 0, 1);
        ASSERT_TRUE(table.save());
    }
    const std::string kept = dir.file(std::string(table()) + ".damaged");
    EXPECT_EQ(std::filesystem::file_size(kept), 13u) << "the newest";
    EXPECT_EQ(std::filesystem::file_size(kept + ".1"), 12u);
    EXPECT_EQ(std::filesystem::file_size(kept + ".2"), 11u);
    EXPECT_FALSE(std::filesystem::exists(kept + ".3"));
}

TEST_F(HighScoreTest, EveryDamagedFileOfTheCorpusLoadsAndSavesWhole) {
    const std::filesystem::path corpus =
        std::filesystem::path(QUARO_SOURCE_DIR) / "tests/fuzz/corpus";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::ifstream in(entry.path(), std::ios::binary);
        writeFile(bytes(std::istreambuf_iterator<char>(in), {}));
        StdoutCapture capture;
        {
            quaroHighScore table;
            for (int i = 0; i < quaroHighScore::rowCount; ++i)
                EXPECT_LE(std::strlen(table.getSlotName(i)), 10u) << entry.path();
            const int place = table.isRecord(0, 1);
            table.enterRecord("new", 0, 1);
            if (place != -1) {
                EXPECT_STREQ(table.getSlotName(place - 1), "new") << entry.path();
            }
            EXPECT_TRUE(table.save()) << entry.path();
        }
        EXPECT_EQ(savedFile().size(), 260u) << entry.path();
        for (const char* kept : {".damaged", ".damaged.1", ".damaged.2"})
            std::filesystem::remove_all(dir.path() / (std::string(table()) + kept));
        ++files;
    }
    EXPECT_GE(files, 10);
}

TEST_F(HighScoreTest, TheFirstSaveMakesTheMissingFoldersForThePlayerAlone) {
    const std::filesystem::path share = dir.path() / "home/.local/share";
    EXPECT_TRUE(quaroHighScore((share / "quaro/Save/Highscore.hs").string()).save());
    EXPECT_EQ(std::filesystem::file_size(share / "quaro/Save/Highscore.hs"), 260u);
    for (const char* folder : {"home", "home/.local", "home/.local/share",
                               "home/.local/share/quaro", "home/.local/share/quaro/Save"}) {
        const auto mode = std::filesystem::status(dir.path() / folder).permissions();
        EXPECT_EQ(mode, std::filesystem::perms::owner_all) << folder;
    }
}
