#include "kuFiles.h"
#include "tempDir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

using bytes = std::vector<uint8_t>;

bytes contents(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return bytes(std::istreambuf_iterator<char>(in), {});
}

size_t filesIn(const std::filesystem::path& folder) {
    return size_t(std::distance(std::filesystem::directory_iterator(folder), {}));
}

} // namespace

TEST(KuFilesTest, AReplacedFileIsWholeInNewFoldersForThePlayerAlone) {
    TempDir dir;
    const std::string file = dir.file("a/b/table");
    std::string error;
    ASSERT_TRUE(kuReplaceFile(file, {1, 2, 3}, error)) << error;
    EXPECT_EQ(contents(file), (bytes{1, 2, 3}));
    using std::filesystem::perms;
    EXPECT_EQ(std::filesystem::status(dir.path() / "a").permissions(), perms::owner_all);
    EXPECT_EQ(std::filesystem::status(file).permissions(), perms::owner_read | perms::owner_write);
    EXPECT_EQ(filesIn(dir.path() / "a/b"), 1u) << "no temporary file is left";
}

// Each writer has a temporary file of its own: whatever two of them do at once, the file is
// always one of the whole files they wrote, and nothing else is left.
TEST(KuFilesTest, TwoWritersAtOnceNeverMixTheirFiles) {
    TempDir dir;
    const std::string file = dir.file("table");
    const bytes first(4000, 'a'), second(3000, 'b');
    std::string error;
    ASSERT_TRUE(kuReplaceFile(file, first, error));
    std::atomic<bool> failed{false};
    auto writer = [&](const bytes& content) {
        for (int i = 0; i < 200; ++i) {
            std::string why;
            failed = failed || !kuReplaceFile(file, content, why);
        }
    };
    std::thread a(writer, first), b(writer, second);
    for (int i = 0; i < 400; ++i) {
        const bytes now = contents(file);
        EXPECT_TRUE(now == first || now == second) << now.size() << " bytes";
    }
    a.join();
    b.join();
    EXPECT_FALSE(failed);
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST(KuFilesTest, AFileKeptAsideStaysInPlaceAsWell) {
    TempDir dir;
    const std::string file = dir.file("table");
    std::ofstream(file) << "old";
    struct stat before;
    ASSERT_EQ(stat(file.c_str(), &before), 0);
    ASSERT_TRUE(kuKeepAside(file, ".damaged", 3));
    struct stat after;
    ASSERT_EQ(stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the file was never moved away";
    EXPECT_EQ(contents(file + ".damaged"), (bytes{'o', 'l', 'd'}));
}

TEST(KuFilesTest, ReadingRefusesWhatIsNotARegularFileWithoutWaiting) {
    TempDir dir;
    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(kuReadRegularFile(fifo, 10).error, "not a regular file");
    EXPECT_TRUE(kuReadRegularFile(dir.file("none"), 10).missing);
    std::ofstream(dir.file("long")) << "0123456789ab";
    const kuFileRead capped = kuReadRegularFile(dir.file("long"), 10);
    EXPECT_EQ(capped.bytes.size(), 10u);
    EXPECT_TRUE(capped.longer);
}

// While one holder keeps the lock of a file, nobody else gets it, whichever name (the file, or
// a link to it) they lock by; once it is let go, the next one gets it.
TEST(KuFilesTest, ALockIsHeldByOneHolderWhateverNameLocksIt) {
    TempDir dir;
    const std::string table = dir.file("shared/table");
    std::filesystem::create_directories(dir.path() / "mine");
    std::filesystem::create_symlink("../shared/table", dir.path() / "mine/table");
    const struct {
        const char* what;
        std::string first, second;
    } cases[] = {
        {"the same name", table, table},
        {"the file and a link to it", table, dir.file("mine/table")},
        {"a link and the file", dir.file("mine/table"), table},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        {
            const kuFileLock held(c.first);
            EXPECT_FALSE(held.heldElsewhere());
            EXPECT_TRUE(kuFileLock(c.second, 0).heldElsewhere());
        }
        EXPECT_FALSE(kuFileLock(c.second, 0).heldElsewhere());
    }
    EXPECT_TRUE(std::filesystem::exists(table + ".lock"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "mine/table.lock"));
}

TEST(KuFilesTest, ALockWhereNoLockFileCanBeMadeHoldsNothingBack) {
    TempDir dir;
    std::ofstream(dir.file("notAFolder")) << "x";
    EXPECT_FALSE(kuFileLock(dir.file("notAFolder/table"), 0).heldElsewhere());
}

// What a replace cut short leaves beside its file: temporary files, whole or not. They go; a
// whole one takes the place of a missing file, the newest first.
TEST(KuFilesTest, LeftoversOfACutReplaceAreRemovedOrTakeTheMissingFilesPlace) {
    const auto whole = [](const bytes& content) { return content.size() == 4; };
    const auto age = [](const std::string& file, int hours) {
        std::filesystem::last_write_time(file, std::filesystem::file_time_type::clock::now() -
                                                   std::chrono::hours(hours));
    };
    const struct {
        const char* what;
        bool fileThere;
        std::vector<std::pair<const char*, const char*>> leftovers; // name, contents
        bool recovered;
        const char* fileHolds; // nullptr: still missing
    } cases[] = {
        {"a whole one for a missing file", false, {{"t.new-aB3dE9", "good"}}, true, "good"},
        {"the newest whole one",
         false,
         {{"t.new-old111", "oldr"}, {"t.new-new222", "newr"}, {"t.new-cut333", "ne"}},
         true,
         "newr"},
        {"a cut one for a missing file", false, {{"t.new-aB3dE9", "go"}}, false, nullptr},
        {"the old fixed name", false, {{"t.new", "good"}}, true, "good"},
        {"whole ones beside the file",
         true,
         {{"t.new-aB3dE9", "good"}, {"t.new", "good"}},
         false,
         "mine"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string file = dir.file("t");
        if (c.fileThere)
            std::ofstream(file) << "mine";
        int hours = int(c.leftovers.size());
        for (const auto& leftover : c.leftovers) {
            std::ofstream(dir.file(leftover.first)) << leftover.second;
            age(dir.file(leftover.first), hours--); // the last written is the newest
        }
        std::ofstream(dir.file("t.new-aB3dE9x")) << "good"; // not a temporary of t
        std::ofstream(dir.file("other.new-aB3dE9")) << "good";
        EXPECT_EQ(kuRecoverReplace(file, 16, whole), c.recovered);
        if (c.fileHolds != nullptr) {
            const std::string holds(c.fileHolds);
            EXPECT_EQ(contents(file), bytes(holds.begin(), holds.end()));
        } else {
            EXPECT_FALSE(std::filesystem::exists(file));
        }
        EXPECT_EQ(filesIn(dir.path()), (c.fileHolds != nullptr ? 3u : 2u)) << "only t and others";
    }
}
