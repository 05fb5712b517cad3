#include "kuFiles.h"
#include "tempDir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
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
