// The codecs the browser build plays with, held against SDL's own loaders, converter and mixer
// on the same input: what the browser shows and plays is what the desktop shows and plays.
#include "kuMediaCodecs.h"

#include "audioHarness.h"
#include "headlessSdl.h"
#include "kuFiles.h"
#include "kuPlatform.h"
#include "tempDir.h"
#include "wavFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using bytes = std::vector<uint8_t>;

bytes fileBytes(const std::string& path) {
    const kuFileRead read = kuReadRegularFile(path, size_t(64) << 20);
    EXPECT_TRUE(read.error.empty()) << path << ": " << read.error;
    return read.bytes;
}

void writeBytes(const std::string& path, const bytes& content) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(content.data()), std::streamsize(content.size()));
}

// A file spoilt by one byte (written when `at` is inside what is kept) and cut to `keep` bytes.
struct damage {
    const char* what;
    size_t at;
    uint8_t value;
    size_t keep;
};

bytes damaged(const bytes& good, const damage& d) {
    bytes file(good.begin(), good.begin() + long(std::min(d.keep, good.size())));
    if (d.at < file.size())
        file[d.at] = d.value;
    return file;
}

rgb pattern(int x, int y) {
    return {uint8_t(x * 7 + y), uint8_t(255 - x), uint8_t(y * 13)};
}

// A BMP of the pattern with the given bits per pixel, rows stored top-down or bottom-up.
bytes bmpFile(int width, int height, int bits, bool topDown) {
    const int stride = (width * bits / 8 + 3) / 4 * 4;
    bytes file(54 + size_t(stride) * height, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = uint8_t(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, uint32_t(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(width));
    put32(22, uint32_t(topDown ? -height : height));
    file[26] = 1;
    file[28] = uint8_t(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int row = topDown ? y : height - 1 - y;
            uint8_t* pixel = &file[54 + size_t(stride) * row + size_t(x) * bits / 8];
            const rgb c = pattern(x, y);
            pixel[0] = c.b;
            pixel[1] = c.g;
            pixel[2] = c.r;
        }
    return file;
}

class MediaCodecsTest : public SdlTest {
protected:
    // Decodes the file with the codecs and with SDL, and expects the same pixels.
    void expectDecodedAsSdlDoes(const std::string& path) {
        kuMediaCodecs::rgbPicture picture;
        std::string error;
        ASSERT_TRUE(kuMediaCodecs::decodeBmp(fileBytes(path), picture, error)) << error;
        SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
        ASSERT_NE(loaded, nullptr) << SDL_GetError();
        ASSERT_EQ(picture.width, loaded->w);
        ASSERT_EQ(picture.height, loaded->h);
        int differing = 0;
        for (int y = 0; y < loaded->h; ++y)
            for (int x = 0; x < loaded->w; ++x) {
                const uint8_t* ours = &picture.rgb[3 * (size_t(y) * picture.width + x)];
                differing += rgb{ours[0], ours[1], ours[2]} != pixelAt(loaded, x, y);
            }
        EXPECT_EQ(differing, 0);
        SDL_FreeSurface(loaded);
    }

    TempDir dir;
};

} // namespace

TEST_F(MediaCodecsTest, DecodesPicturesAsSdlDoes) {
    writeBmp(dir.file("padded.bmp"), 37, 23, pattern);
    expectDecodedAsSdlDoes(dir.file("padded.bmp"));
    writeBytes(dir.file("topdown.bmp"), bmpFile(5, 3, 24, true));
    expectDecodedAsSdlDoes(dir.file("topdown.bmp"));
    writeBytes(dir.file("wide.bmp"), bmpFile(6, 4, 32, false));
    expectDecodedAsSdlDoes(dir.file("wide.bmp"));
}

TEST(MediaCodecsDamage, RefusesDamagedPictures) {
    const bytes good = bmpFile(4, 4, 24, false);
    const size_t all = good.size();
    const damage cases[] = {
        {"not a BMP", 0, 'X', all},
        {"cut short", 0, 'B', all - 1},
        {"headers only", 0, 'B', 40},
        {"16 bits per pixel", 28, 16, all},
        {"run-length compressed", 30, 1, all},
        {"no width", 18, 0, all},
        {"far too high", 25, 0x40, all},
        {"pixels past the end", 11, 0x10, all},
    };
    for (const damage& d : cases) {
        kuMediaCodecs::rgbPicture picture;
        std::string error;
        EXPECT_FALSE(kuMediaCodecs::decodeBmp(damaged(good, d), picture, error)) << d.what;
        EXPECT_FALSE(error.empty()) << d.what;
    }
}

TEST_F(MediaCodecsTest, LoadsSoundsAsSdlDoes) {
    const wavFormat formats[] = {{1, 8, 11025}, {2, 8, 22050}, {1, 16, 22050}, {2, 16, 44100}};
    for (const wavFormat& format : formats) {
        const std::string path = dir.file("s.wav");
        bytes samples(1000);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = uint8_t(i * 31);
        writeWav(path, format, samples);

        kuMediaCodecs::pcmSound sound;
        std::string error;
        ASSERT_TRUE(kuMediaCodecs::decodeWav(fileBytes(path), sound, error)) << error;
        SDL_AudioSpec spec;
        Uint8* data = nullptr;
        Uint32 length = 0;
        ASSERT_NE(SDL_LoadWAV(path.c_str(), &spec, &data, &length), nullptr) << SDL_GetError();
        EXPECT_EQ(sound.rateHz, spec.freq);
        EXPECT_EQ(sound.format, spec.format);
        EXPECT_EQ(sound.channels, spec.channels);
        EXPECT_EQ(sound.samples, bytes(data, data + length));
        SDL_FreeWAV(data);
    }
}

TEST(MediaCodecsDamage, SkipsUnknownChunksAndRefusesDamagedSounds) {
    TempDir dir;
    writeWav(dir.file("s.wav"), {1, 16, 22050}, bytes(64, 7));
    const bytes good = fileBytes(dir.file("s.wav"));
    bytes listed(good.begin(), good.begin() + 12);
    const bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    listed.insert(listed.end(), list.begin(), list.end());
    listed.insert(listed.end(), good.begin() + 12, good.end());
    kuMediaCodecs::pcmSound sound;
    std::string error;
    ASSERT_TRUE(kuMediaCodecs::decodeWav(listed, sound, error)) << error;
    EXPECT_EQ(sound.samples, bytes(64, 7));

    const size_t all = good.size();
    const damage cases[] = {
        {"not RIFF", 0, 'X', all},
        {"not WAVE", 8, 'X', all},
        {"ADPCM", 20, 2, all},
        {"24 bits", 34, 24, all},
        {"no format", 12, 'X', all},
        {"three channels", 22, 3, all},
        {"samples cut short", 0, 'R', all - 1},
        {"a format of 4 GB", 19, 0xff, all},
    };
    for (const damage& d : cases)
        EXPECT_FALSE(kuMediaCodecs::decodeWav(damaged(good, d), sound, error)) << d.what;
}

TEST(MediaCodecsConverter, ConvertsToTheDeviceFormatAsSdlDoes) {
    if (!convertsAsClassicSdl())
        GTEST_SKIP() << "only SDL 1.2 converts as the engine does";
    struct source {
        Uint16 format;
        Uint8 channels;
    };
    const source sources[] = {
        {AUDIO_U8, 1}, {AUDIO_U8, 2}, {AUDIO_S8, 1}, {AUDIO_S16LSB, 1}, {AUDIO_S16LSB, 2}};
    bytes samples(400);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = uint8_t(i * 37 + 11);
    for (const source& s : sources) {
        SDL_AudioCVT ours;
        SDL_AudioCVT sdl;
        ASSERT_EQ(kuMediaCodecs::buildConverter(&ours, s.format, s.channels, 22050, AUDIO_S16LSB, 2,
                                                22050),
                  SDL_BuildAudioCVT(&sdl, s.format, s.channels, 22050, AUDIO_S16LSB, 2, 22050));
        bytes ourBuffer(samples.size() * ours.len_mult);
        bytes sdlBuffer(samples.size() * sdl.len_mult);
        std::memcpy(ourBuffer.data(), samples.data(), samples.size());
        std::memcpy(sdlBuffer.data(), samples.data(), samples.size());
        ours.buf = ourBuffer.data();
        sdl.buf = sdlBuffer.data();
        ours.len = sdl.len = int(samples.size());
        if (!sdl.needed)
            continue;
        ASSERT_EQ(kuMediaCodecs::convert(&ours), 0);
        ASSERT_EQ(SDL_ConvertAudio(&sdl), 0);
        ASSERT_EQ(ours.len_cvt, sdl.len_cvt);
        EXPECT_EQ(0, std::memcmp(ourBuffer.data(), sdlBuffer.data(), size_t(sdl.len_cvt)))
            << "format " << s.format << ", " << int(s.channels) << " channels";
    }
}

TEST(MediaCodecsConverter, ChangesTheRateByTheRatioAndKeepsASteadySignal) {
    const int rates[] = {11025, 16000, 44100};
    for (int rate : rates) {
        const std::vector<int16_t> steady(300, 1234);
        bytes buffer = s16Bytes(steady);
        SDL_AudioCVT cvt;
        ASSERT_EQ(
            kuMediaCodecs::buildConverter(&cvt, AUDIO_S16LSB, 1, rate, AUDIO_S16LSB, 1, 22050), 1);
        buffer.resize(buffer.size() * cvt.len_mult);
        cvt.buf = buffer.data();
        cvt.len = int(steady.size() * 2);
        ASSERT_EQ(kuMediaCodecs::convert(&cvt), 0);
        const std::vector<int16_t> out = s16Samples(buffer.data(), size_t(cvt.len_cvt));
        EXPECT_EQ(out.size(), size_t(steady.size() * 22050 / rate)) << rate;
        EXPECT_EQ(out, std::vector<int16_t>(out.size(), 1234)) << rate;
    }
}

// The device is open in signed 16-bit samples, which SDL's mixer then mixes.
TEST_F(StartedAudioTest, MixesAsSdlDoesAtFullVolume) {
    const std::vector<int16_t> under = {0, 100, -100, 32000, -32000, 32767, -32768, 5};
    const std::vector<int16_t> over = {0, 200, -300, 32000, -32000, 1, -1, -5};
    const bytes source = s16Bytes(over);
    bytes ours = s16Bytes(under);
    bytes sdl = ours;
    kuMediaCodecs::mixS16(ours.data(), source.data(), Uint32(source.size()), SDL_MIX_MAXVOLUME);
    kuPlatform::mixAudio(sdl.data(), source.data(), Uint32(source.size()), SDL_MIX_MAXVOLUME);
    EXPECT_EQ(s16Samples(ours.data(), ours.size()), s16Samples(sdl.data(), sdl.size()));
}
