// The generator's own units: pictures in memory, the BMP and WAV writers, and the synthesiser.
#include "bmpFile.h"
#include "canvas.h"
#include "generatedAssets.h"
#include "icon.h"
#include "picture.h"
#include "synth.h"
#include "tempDir.h"
#include "wavFile.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr rgba opaqueRed{200, 30, 30, 255};
constexpr rgba ink{10, 10, 10, 255};

TEST(AssetPicture, FromSurfaceUndoesPremultipliedAlpha) {
    Canvas canvas(2, 1);
    cairo_set_source_rgba(canvas.cr(), 1.0, 0.0, 0.0, 0.5);
    cairo_paint(canvas.cr());
    const Picture picture = canvas.picture();
    EXPECT_EQ(picture.at(0, 0).r, 255);
    EXPECT_EQ(picture.at(0, 0).g, 0);
    EXPECT_NEAR(picture.at(0, 0).a, 128, 1);
}

TEST(AssetPicture, SnapLeavesOnlyOpaqueAndTransparentPixels) {
    Picture picture(3, 1);
    picture.at(0, 0) = {10, 20, 30, 127};
    picture.at(1, 0) = {10, 20, 30, 128};
    picture.at(2, 0) = {10, 20, 30, 255};
    picture.snapAlpha();
    EXPECT_EQ(picture.at(0, 0).a, 0);
    EXPECT_EQ(picture.at(1, 0), (rgba{10, 20, 30, 255}));
    EXPECT_EQ(picture.at(2, 0).a, 255);
}

TEST(AssetPicture, OutlineRingsTheFigureOnEightSides) {
    Picture picture(5, 5);
    picture.at(2, 2) = opaqueRed;
    picture.outline(ink);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool ring = std::abs(x - 2) <= 1 && std::abs(y - 2) <= 1 && !(x == 2 && y == 2);
            EXPECT_EQ(picture.at(x, y) == ink, ring) << x << ", " << y;
        }
    EXPECT_EQ(picture.at(2, 2), opaqueRed);
}

TEST(AssetPicture, FillsPinholesButNotWiderGaps) {
    Picture picture(6, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            picture.at(x, y) = opaqueRed;
    picture.at(1, 2) = rgba{};                    // a pinhole
    picture.at(3, 2) = picture.at(4, 2) = rgba{}; // a gap two pixels wide
    picture.fillPinholes(ink);
    EXPECT_EQ(picture.at(1, 2), ink);
    EXPECT_EQ(picture.at(3, 2).a, 0);
    EXPECT_EQ(picture.at(4, 2).a, 0);
}

TEST(AssetPicture, OverlayCopiesOnlyOpaquePixelsAndClips) {
    Picture target(3, 3), source(2, 2);
    source.at(0, 0) = opaqueRed;
    source.at(1, 1) = ink;
    target.at(1, 1) = rgba{1, 2, 3, 255};
    target.overlay(source, 2, 2); // only (0, 0) of the source lands inside
    EXPECT_EQ(target.at(2, 2), opaqueRed);
    target.overlay(source, 0, 0);
    EXPECT_EQ(target.at(1, 1), ink);
    EXPECT_EQ(target.at(1, 0).a, 0);
}

class AssetWriters : public SdlTest {
protected:
    TempDir dir;
};

TEST_F(AssetWriters, KeyedBmpTurnsTheGroundIntoTheKeyAndNudgesFiguresOffIt) {
    Picture picture(3, 2); // an odd width: rows are padded to four bytes
    picture.at(0, 0) = {220, 188, 108, 255};
    picture.at(1, 0) = opaqueRed;
    writeKeyedBmp(dir.file("keyed.bmp"), picture);
    const Bitmap read = loadBitmap(dir.file("keyed.bmp"));
    ASSERT_EQ(read.width, 3);
    ASSERT_EQ(read.height, 2);
    EXPECT_EQ(read.at(0, 0), (rgb{220, 188, 109})) << "a figure pixel of the key's colour";
    EXPECT_EQ(read.at(1, 0), (rgb{200, 30, 30}));
    EXPECT_EQ(read.at(2, 0), keyRgb);
    EXPECT_EQ(read.at(2, 1), keyRgb);
}

TEST_F(AssetWriters, OpaqueBmpKeepsEveryColourAndTheRowOrder) {
    Picture picture(3, 2);
    picture.at(0, 0) = {220, 188, 108, 255};
    picture.at(2, 1) = {1, 2, 3, 255};
    writeOpaqueBmp(dir.file("opaque.bmp"), picture);
    const Bitmap read = loadBitmap(dir.file("opaque.bmp"));
    ASSERT_EQ(read.width, 3);
    EXPECT_EQ(read.at(0, 0), keyRgb);
    EXPECT_EQ(read.at(2, 1), (rgb{1, 2, 3}));
}

struct LoadedWav {
    SDL_AudioSpec format{};
    std::vector<int16_t> samples;
};

LoadedWav loadWav(const std::string& path) {
    LoadedWav wav;
    Uint8* data = nullptr;
    Uint32 bytes = 0;
    if (SDL_LoadWAV(path.c_str(), &wav.format, &data, &bytes) == nullptr)
        return wav;
    for (Uint32 i = 0; i + 1 < bytes; i += 2)
        wav.samples.push_back(int16_t(data[i] | data[i + 1] << 8));
    SDL_FreeWAV(data);
    return wav;
}

TEST_F(AssetWriters, WavScalesTheLoudestSampleToThePeakAndNoFurther) {
    writeWav(dir.file("a.wav"), {0.0f, 0.25f, -0.5f}, 0.4);
    writeWav(dir.file("b.wav"), {0.0f, 0.25f, -0.5f}, 0.9);
    const LoadedWav a = loadWav(dir.file("a.wav")), b = loadWav(dir.file("b.wav"));
    ASSERT_EQ(a.samples.size(), 3u);
    EXPECT_EQ(a.format.freq, 22050);
    EXPECT_EQ(a.format.channels, 1);
    EXPECT_EQ(a.format.format, AUDIO_S16LSB);
    EXPECT_EQ(a.samples[2], -std::lround(0.4 * 32767));
    EXPECT_EQ(a.samples[1], std::lround(0.2 * 32767));
    ASSERT_EQ(b.samples.size(), 3u);
    EXPECT_EQ(b.samples[2], -std::lround(loudestPeak * 32767)) << "louder than -6 dBFS";
}

TEST_F(AssetWriters, SilenceStaysSilent) {
    writeWav(dir.file("quiet.wav"), {0.0f, 0.0f});
    const LoadedWav quiet = loadWav(dir.file("quiet.wav"));
    EXPECT_EQ(quiet.samples, (std::vector<int16_t>{0, 0}));
}

TEST(Synthesiser, LowPassKeepsLowTonesAndDampsHighOnes) {
    auto level = [](double hz) {
        synth::Filter filter = synth::Filter::lowPass(500, 0.7);
        synth::Phase phase;
        double peak = 0;
        for (int i = 0; i < 4000; ++i) {
            const float y = filter(float(synth::sine(phase.next(hz))));
            if (i > 2000)
                peak = std::max(peak, std::fabs(double(y)));
        }
        return peak;
    };
    EXPECT_GT(level(100), 0.9);
    EXPECT_LT(level(5000), 0.05);
}

TEST(Synthesiser, TheSameSeedGivesTheSameString) {
    Rng first(7), second(7), other(8);
    EXPECT_EQ(synth::pluck(220, 0.1, first), synth::pluck(220, 0.1, second));
    EXPECT_NE(synth::pluck(220, 0.1, first), synth::pluck(220, 0.1, other));
}

TEST(Synthesiser, EnvelopesStartAndEndAtRest) {
    EXPECT_EQ(synth::strike(-0.1, 0.01, 0.1), 0);
    EXPECT_DOUBLE_EQ(synth::strike(0.01, 0.01, 0.1), 1);
    EXPECT_NEAR(synth::strike(0.11, 0.01, 0.1), std::exp(-1.0), 1e-9);
    EXPECT_EQ(synth::swell(0, 1, 0.1, 0.1), 0);
    EXPECT_DOUBLE_EQ(synth::swell(0.5, 1, 0.1, 0.1), 1);
    EXPECT_NEAR(synth::swell(1, 1, 0.1, 0.1), 0, 1e-12);
}

// The icon is one drawing scaled to each size: a rounded tile, so its corners are clear and
// its middle is not, and the large icon shrunk by averaging looks like the small one.
TEST(AssetIcon, EverySizeShowsTheSameTile) {
    const Picture small = icon::picture(48), large = icon::picture(240);
    for (const Picture* picture : {&small, &large}) {
        const int last = picture->width() - 1;
        EXPECT_EQ(picture->at(0, 0).a, 0);
        EXPECT_EQ(picture->at(last, last).a, 0);
        EXPECT_EQ(picture->at(last / 2, last / 2).a, 255);
    }
    int farOff = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            int sum = 0;
            for (int dy = 0; dy < 5; ++dy)
                for (int dx = 0; dx < 5; ++dx)
                    sum += large.at(5 * x + dx, 5 * y + dy).g;
            farOff += std::abs(sum / 25 - small.at(x, y).g) > 64;
        }
    EXPECT_LT(farOff, 48 * 48 / 20);
}

TEST(AssetIcon, WritesAPngAndAScalableSvg) {
    TempDir dir;
    icon::writePng(dir.file("icon.png"), 48);
    icon::writeSvg(dir.file("icon.svg"), 256);
    std::ifstream png(dir.file("icon.png"), std::ios::binary), svg(dir.file("icon.svg"));
    const std::string pngBytes(std::istreambuf_iterator<char>(png), {});
    const std::string svgText(std::istreambuf_iterator<char>(svg), {});
    EXPECT_EQ(pngBytes.substr(1, 3), "PNG");
    EXPECT_NE(svgText.find("viewBox=\"0 0 256 256\""), std::string::npos);
    EXPECT_NE(svgText.find("</svg>"), std::string::npos);
}

} // namespace
