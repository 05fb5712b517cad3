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

// What a replace cut short leaves beside its file: temporary files, whole or not. They go; the
// newest whole one takes the place of a missing file first.
TEST(KuFilesTest, LeftoversOfACutReplaceAreRemovedOrTakeTheMissingFilesPlace) {
    const auto whole = [](const bytes& content) { return content.size() == 4; };
    for (const bool fileThere : {false, true}) {
        TempDir dir;
        const std::string file = dir.file("t");
        if (fileThere)
            std::ofstream(file) << "mine";
        const char* const leftovers[][2] = {
            {"t.new-old111", "oldr"}, {"t.new", "newr"}, {"t.new-cut333", "ne"}}; // oldest first
        int hoursAgo = 3;
        for (const auto& leftover : leftovers) {
            std::ofstream(dir.file(leftover[0])) << leftover[1];
            std::filesystem::last_write_time(dir.file(leftover[0]),
                                             std::filesystem::file_time_type::clock::now() -
                                                 std::chrono::hours(hoursAgo--));
        }
        std::ofstream(dir.file("t.new-aB3dE9x")) << "good"; // not a temporary of t
        EXPECT_EQ(kuRecoverReplace(file, 16, whole), !fileThere);
        const std::string holds = fileThere ? "mine" : "newr";
        EXPECT_EQ(contents(file), bytes(holds.begin(), holds.end()));
        EXPECT_EQ(filesIn(dir.path()), 2u) << "t and the other file alone";
    }
}
