// Damaged pictures and sounds end the start-up, by name, before any screen is shown: a
// picture of the wrong size, a file that is a folder or a FIFO, a sound that cannot be loaded
// or converted, with or without an audio device.
#include "headlessSdl.h"
#include "raises.h"
#include "shellHarness.h"
#include "wavFiles.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

using damage = std::function<void(const std::string& path)>;

struct damagedAsset {
    const char* file;
    damage spoil;
    const char* message; // the start of the load error's message
};

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void truncateTo(const std::string& path, std::uintmax_t size) {
    fs::resize_file(path, size);
}

// A device-format WAV whose data chunk claims 2 GB but holds 64 bytes.
std::string hugeDataChunk() {
    const std::string path = "huge.wav";
    writeWav(path, deviceWav, std::vector<uint8_t>(64));
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    fs::remove(path);
    const size_t dataSize = bytes.find("data") + 4;
    bytes.replace(dataSize, 4, std::string("\x00\x00\x00\x80", 4));
    return bytes;
}

const char* const firstTitle = "GFX/Misc/StartScreen_01.bmp";

const damagedAsset damagedAssets[] = {
    {"GFX/Misc/Level_Map.bmp",
     [](auto& p) {
         writeSolidBmp(p, 10, 10, {0, 0, 0});
     },
     "GFX/Misc/Level_Map.bmp is 10 x 10 pixels, expected 760 x 520"},
    {"GFX/Quaro/Quaro_Walk.bmp",
     [](auto& p) {
         writeSolidBmp(p, 880, 40, {0, 0, 0});
     },
     "GFX/Quaro/Quaro_Walk.bmp is 880 x 40 pixels, expected 880 x 160"},
    {"GFX/Misc/Font.bmp", [](auto& p) { truncateTo(p, 3000); },
     "Couldn't load GFX/Misc/Font.bmp: "},
    {"GFX/Misc/Gate.bmp", [](auto& p) { fs::remove(p), fs::create_directory(p); },
     "Couldn't load GFX/Misc/Gate.bmp: not a regular file"},
    {"GFX/Misc/Mugs.bmp", [](auto& p) { fs::remove(p), mkfifo(p.c_str(), 0600); },
     "Couldn't load GFX/Misc/Mugs.bmp: not a regular file"},
    {"GFX/Misc/StartScreen_01.bmp",
     [](auto& p) {
         writeSolidBmp(p, 761, 520, {0, 0, 0});
     },
     "GFX/Misc/StartScreen_01.bmp is 761 x 520 pixels, expected 760 x 520"},
    {"GFX/Misc/Congrat2.bmp",
     [](auto& p) {
         writeSolidBmp(p, 760, 519, {0, 0, 0});
     },
     "GFX/Misc/Congrat2.bmp is 760 x 519 pixels, expected 760 x 520"},
    {"SFX/PickUp.wav", [](auto& p) { writeBytes(p, ""); }, "Couldn't load SFX/PickUp.wav: "},
    {"SFX/PickUp.wav", [](auto& p) { truncateTo(p, 30); }, "Couldn't load SFX/PickUp.wav: "},
    {"SFX/PickUp.wav", [](auto& p) { writeBytes(p, std::string(500, '\x5a')); },
     "Couldn't load SFX/PickUp.wav: "},
    {"SFX/PickUp.wav", [](auto& p) { writeBytes(p, hugeDataChunk()); },
     "Couldn't load SFX/PickUp.wav: "},
    {"SFX/PickUp.wav",
     [](auto& p) {
         writeWav(p, {2, 16, 1000}, std::vector<uint8_t>(400));
     },
     "Couldn't load SFX/PickUp.wav: cannot be converted for playing (1000 Hz, 2 channels)"},
    {"SFX/PickUp.wav",
     [](auto& p) {
         writeWav(p, {3, 16, 22050}, std::vector<uint8_t>(600));
     },
     "Couldn't load SFX/PickUp.wav: cannot be converted for playing (22050 Hz, 3 channels)"},
    {"SFX/Gate.wav", [](auto& p) { fs::remove(p), mkfifo(p.c_str(), 0600); },
     "Couldn't load SFX/Gate.wav: not a regular file"},
};

// A game folder whose GFX/ and SFX/ hold links to the generated files, but for one damaged
// copy.
void spoilOneFile(const fs::path& folder, const damagedAsset& asset) {
    const fs::path generated = QUARO_ASSET_DIR;
    for (const char* tree : {"GFX", "SFX"}) {
        fs::remove_all(folder / tree);
        fs::create_directory(folder / tree);
        for (const auto& entry : fs::recursive_directory_iterator(generated / tree)) {
            const fs::path target = folder / fs::relative(entry.path(), generated);
            if (entry.is_directory())
                fs::create_directories(target);
            else if (entry.path() == generated / asset.file)
                fs::copy_file(entry.path(), target);
            else
                fs::create_symlink(entry.path(), target);
        }
    }
    asset.spoil((folder / asset.file).string());
}

class DamagedAssetsTest : public ShellTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        // Without a device: the disk driver cannot open its output file.
        if (!GetParam()) {
            setenv("SDL_AUDIODRIVER", "disk", 1);
            setenv("SDL_DISKAUDIOFILE", "/nonexistent/folder/audio.raw", 1);
        }
        ShellTest::SetUp();
    }
    void TearDown() override {
        ShellTest::TearDown();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        unsetenv("SDL_DISKAUDIOFILE");
    }
};

} // namespace

TEST_P(DamagedAssetsTest, EndTheStartUpNamingTheFile) {
    for (const damagedAsset& asset : damagedAssets) {
        SCOPED_TRACE(asset.message);
        spoilOneFile(folder->path(), asset);
        StdoutCapture capture;
        std::unique_ptr<kuE> error = raisedBy([&] { shell->loadData(); });
        capture.text();
        ASSERT_NE(error, nullptr);
        EXPECT_STREQ(error->getTypeName(), "FileLoad");
        const std::string message = error->getMessage();
        EXPECT_EQ(message.rfind(asset.message, 0), 0u) << message;
        EXPECT_GT(message.size(), std::string(asset.message).size() - 1) << "a reason is given";
        if (std::string(asset.file) != firstTitle) {
            EXPECT_TRUE(screenShows(shell->screen, firstTitle)) << "shown while the rest loads";
        }
        shell->freeData();
        closeAudioDevices(); // the next start opens the device again
    }
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutSound, DamagedAssetsTest, ::testing::Bool());
