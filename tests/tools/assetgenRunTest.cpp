// The generator itself: it writes every asset the game loads, and writes them the same, byte
// for byte, on every run.
#include "tempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int pictureCount = 25;
constexpr int soundCount = 17;

std::map<std::string, std::string> filesUnder(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[fs::relative(entry.path(), root).string()] =
            std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

int run(const fs::path& into) {
    const std::string command = std::string(QUARO_ASSETGEN) + " '" + into.string() + "'";
    return std::system(command.c_str());
}

TEST(AssetGenerator, WritesTheSameFilesByteForByteOnEveryRun) {
    TempDir first, second;
    ASSERT_EQ(run(first.path()), 0);
    ASSERT_EQ(run(second.path()), 0);
    const auto a = filesUnder(first.path()), b = filesUnder(second.path());
    int pictures = 0, sounds = 0;
    for (const auto& [name, bytes] : a) {
        pictures += name.rfind("GFX/", 0) == 0 && name.size() > 4 &&
                    name.compare(name.size() - 4, 4, ".bmp") == 0;
        sounds += name.rfind("SFX/", 0) == 0 && name.compare(name.size() - 4, 4, ".wav") == 0;
        ASSERT_TRUE(b.count(name)) << name;
        EXPECT_TRUE(b.at(name) == bytes) << name << " differs between two runs";
    }
    EXPECT_EQ(a.size(), b.size());
    EXPECT_EQ(pictures, pictureCount);
    EXPECT_EQ(sounds, soundCount);
}

TEST(AssetGenerator, RefusesToRunWithoutAnOutputFolder) {
    EXPECT_NE(std::system(QUARO_ASSETGEN " > /dev/null 2>&1"), 0);
}

} // namespace
