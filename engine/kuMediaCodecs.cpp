#include "kuMediaCodecs.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace kuMediaCodecs {

namespace {

uint16_t le16(const std::vector<uint8_t>& bytes, size_t at) {
    return uint16_t(bytes[at] | bytes[at + 1] << 8);
}

uint32_t le32(const std::vector<uint8_t>& bytes, size_t at) {
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
           uint32_t(bytes[at + 3]) << 24;
}

bool tagAt(const std::vector<uint8_t>& bytes, size_t at, const char* tag) {
    return at + 4 <= bytes.size() && std::memcmp(bytes.data() + at, tag, 4) == 0;
}

// The BMP file and information headers: offsets of the fields this decoder reads.
constexpr size_t bmpPixelOffsetAt = 10;
constexpr size_t bmpInfoSizeAt = 14;
constexpr size_t bmpWidthAt = 18;
constexpr size_t bmpHeightAt = 22;
constexpr size_t bmpBitsAt = 28;
constexpr size_t bmpCompressionAt = 30;
constexpr size_t bmpHeadersEnd = 54;
constexpr uint32_t bmpInfoSize = 40; // BITMAPINFOHEADER and its later extensions are larger
constexpr uint32_t bmpUncompressed = 0;
// Larger pictures are taken for damage rather than drawn: no screen of the game comes near.
constexpr int32_t bmpLargestSide = 16384;

// The WAV chunks: "RIFF", its size, "WAVE", then chunks of a tag, a size and the body,
// padded to an even length.
constexpr size_t riffHeaderSize = 12;
constexpr size_t chunkHeaderSize = 8;
constexpr uint32_t wavFormatSize = 16;
constexpr uint16_t wavPcm = 1;

// The start of what follows a chunk body at `at` of `length` bytes, or false when the file
// ends first. Counted in 64 bits: a damaged length must not wrap a 32-bit size_t around.
bool skipBody(const std::vector<uint8_t>& file, size_t& at, uint32_t length) {
    const uint64_t next = uint64_t(at) + length + (length & 1);
    if (next > file.size())
        return false;
    at = size_t(next);
    return true;
}

// Finds the body of the first chunk with this tag from `at` (at most the file's size) on: its
// start and length.
bool findChunk(const std::vector<uint8_t>& file, const char* tag, size_t& at, uint32_t& length) {
    while (file.size() - at >= chunkHeaderSize) {
        const uint32_t size = le32(file, at + 4);
        const bool found = tagAt(file, at, tag);
        at += chunkHeaderSize;
        if (found) {
            length = size;
            return true;
        }
        if (!skipBody(file, at, size))
            return false;
    }
    return false;
}

// One step of a conversion: it rewrites the cvt->len_cvt bytes at cvt->buf in place.
using conversionStep = void (*)(SDL_AudioCVT* cvt, Uint16 format);

void unsigned8ToSigned16(SDL_AudioCVT* cvt, Uint16) {
    const int count = cvt->len_cvt;
    for (int i = count - 1; i >= 0; --i) {
        const uint16_t sample = uint16_t((cvt->buf[i] ^ 0x80) << 8);
        cvt->buf[2 * i] = uint8_t(sample & 0xff);
        cvt->buf[2 * i + 1] = uint8_t(sample >> 8);
    }
    cvt->len_cvt = count * 2;
}

void signed8ToSigned16(SDL_AudioCVT* cvt, Uint16) {
    const int count = cvt->len_cvt;
    for (int i = count - 1; i >= 0; --i) {
        const uint8_t sample = cvt->buf[i];
        cvt->buf[2 * i] = 0;
        cvt->buf[2 * i + 1] = sample;
    }
    cvt->len_cvt = count * 2;
}

int16_t sampleAt(const Uint8* bytes, int index) {
    return int16_t(uint16_t(bytes[2 * index] | bytes[2 * index + 1] << 8));
}

void putSample(Uint8* bytes, int index, int value) {
    const uint16_t sample = uint16_t(int16_t(value));
    bytes[2 * index] = uint8_t(sample & 0xff);
    bytes[2 * index + 1] = uint8_t(sample >> 8);
}

void monoToStereo(SDL_AudioCVT* cvt, Uint16) {
    const int count = cvt->len_cvt / 2;
    for (int i = count - 1; i >= 0; --i) {
        const int16_t sample = sampleAt(cvt->buf, i);
        putSample(cvt->buf, 2 * i, sample);
        putSample(cvt->buf, 2 * i + 1, sample);
    }
    cvt->len_cvt = count * 4;
}

// Linear interpolation between neighbouring frames, at rate_incr target frames per source
// frame. The result goes through a buffer of its own, so the step reads only its input.
template <int channels> void resample(SDL_AudioCVT* cvt, Uint16) {
    const int inFrames = cvt->len_cvt / (2 * channels);
    const double ratio = cvt->rate_incr;
    const int outFrames = int(std::floor(inFrames * ratio));
    std::vector<int16_t> out(size_t(outFrames) * channels);
    for (int i = 0; i < outFrames; ++i) {
        const double position = i / ratio;
        const int first = std::min(int(position), inFrames - 1);
        const int second = std::min(first + 1, inFrames - 1);
        const double weight = position - first;
        for (int c = 0; c < channels; ++c) {
            const double a = sampleAt(cvt->buf, first * channels + c);
            const double b = sampleAt(cvt->buf, second * channels + c);
            out[size_t(i) * channels + c] = int16_t(std::lround(a + (b - a) * weight));
        }
    }
    for (size_t i = 0; i < out.size(); ++i)
        putSample(cvt->buf, int(i), out[i]);
    cvt->len_cvt = outFrames * channels * 2;
}

void addStep(SDL_AudioCVT* cvt, conversionStep step) {
    cvt->filters[cvt->filter_index++] = step;
    cvt->filters[cvt->filter_index] = nullptr;
}

} // namespace

bool decodeBmp(const std::vector<uint8_t>& file, rgbPicture& picture, std::string& error) {
    if (file.size() < bmpHeadersEnd || !(file[0] == 'B' && file[1] == 'M')) {
        error = "not a BMP picture";
        return false;
    }
    const uint32_t pixelOffset = le32(file, bmpPixelOffsetAt);
    const int32_t width = int32_t(le32(file, bmpWidthAt));
    const int32_t signedHeight = int32_t(le32(file, bmpHeightAt));
    const int bits = le16(file, bmpBitsAt);
    if (le32(file, bmpInfoSizeAt) < bmpInfoSize ||
        le32(file, bmpCompressionAt) != bmpUncompressed || (bits != 24 && bits != 32)) {
        error = "only uncompressed 24- and 32-bit BMP pictures are read";
        return false;
    }
    const bool topDown = signedHeight < 0;
    const int64_t height = topDown ? -int64_t(signedHeight) : signedHeight;
    if (width <= 0 || height <= 0 || width > bmpLargestSide || height > bmpLargestSide) {
        error = "BMP picture of an impossible size";
        return false;
    }
    const int bytesPerPixel = bits / 8;
    const size_t stride = (size_t(width) * bytesPerPixel + 3) / 4 * 4;
    if (pixelOffset > file.size() || (file.size() - pixelOffset) / stride < size_t(height)) {
        error = "BMP picture cut short";
        return false;
    }
    picture.width = width;
    picture.height = int(height);
    picture.rgb.resize(size_t(width) * size_t(height) * 3);
    for (int y = 0; y < picture.height; ++y) {
        const int fileRow = topDown ? y : picture.height - 1 - y;
        const uint8_t* from = file.data() + pixelOffset + stride * size_t(fileRow);
        uint8_t* to = picture.rgb.data() + size_t(y) * size_t(width) * 3;
        for (int x = 0; x < width; ++x, from += bytesPerPixel, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
    return true;
}

bool decodeWav(const std::vector<uint8_t>& file, pcmSound& sound, std::string& error) {
    if (!tagAt(file, 0, "RIFF") || !tagAt(file, 8, "WAVE")) {
        error = "not a WAV file";
        return false;
    }
    size_t at = riffHeaderSize;
    uint32_t length = 0;
    if (!findChunk(file, "fmt ", at, length) || length < wavFormatSize ||
        at + wavFormatSize > file.size()) {
        error = "WAV file without a format";
        return false;
    }
    const uint16_t encoding = le16(file, at);
    const uint16_t channels = le16(file, at + 2);
    const uint32_t rate = le32(file, at + 4);
    const uint16_t bits = le16(file, at + 14);
    if (encoding != wavPcm || (bits != 8 && bits != 16) || (channels != 1 && channels != 2) ||
        rate == 0 || rate > uint32_t(INT32_MAX)) {
        error = "only 8- and 16-bit PCM WAV files of one or two channels are read";
        return false;
    }
    if (!skipBody(file, at, length) || !findChunk(file, "data", at, length) ||
        length > file.size() - at) {
        error = "WAV file without its samples";
        return false;
    }
    sound.rateHz = int(rate);
    sound.format = bits == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    sound.channels = Uint8(channels);
    sound.samples.assign(file.begin() + long(at), file.begin() + long(at + length));
    return true;
}

int buildConverter(SDL_AudioCVT* cvt, Uint16 srcFormat, Uint8 srcChannels, int srcRate,
                   Uint16 dstFormat, Uint8 dstChannels, int dstRate) {
    std::memset(cvt, 0, sizeof *cvt);
    const bool knownSource =
        srcFormat == AUDIO_U8 || srcFormat == AUDIO_S8 || srcFormat == AUDIO_S16LSB;
    const bool knownChannels =
        (srcChannels == 1 || srcChannels == 2) && srcChannels <= dstChannels && dstChannels <= 2;
    if (!knownSource || dstFormat != AUDIO_S16LSB || !knownChannels || srcRate <= 0 || dstRate <= 0)
        return -1;
    cvt->src_format = srcFormat;
    cvt->dst_format = dstFormat;
    cvt->len_mult = 1;
    cvt->len_ratio = 1.0;
    if (srcFormat != AUDIO_S16LSB) {
        addStep(cvt, srcFormat == AUDIO_U8 ? unsigned8ToSigned16 : signed8ToSigned16);
        cvt->len_mult *= 2;
        cvt->len_ratio *= 2;
    }
    if (srcChannels < dstChannels) {
        addStep(cvt, monoToStereo);
        cvt->len_mult *= 2;
        cvt->len_ratio *= 2;
    }
    cvt->rate_incr = double(dstRate) / srcRate;
    if (srcRate != dstRate) {
        addStep(cvt, dstChannels == 1 ? resample<1> : resample<2>);
        cvt->len_mult *= std::max(1, int(std::ceil(cvt->rate_incr)));
        cvt->len_ratio *= cvt->rate_incr;
    }
    cvt->needed = cvt->filter_index > 0 ? 1 : 0;
    cvt->filter_index = 0;
    return cvt->needed;
}

int convert(SDL_AudioCVT* cvt) {
    if (cvt->buf == nullptr)
        return -1;
    cvt->len_cvt = cvt->len;
    for (cvt->filter_index = 0; cvt->filters[cvt->filter_index] != nullptr; ++cvt->filter_index)
        cvt->filters[cvt->filter_index](cvt, cvt->dst_format);
    return 0;
}

void mixS16(Uint8* dst, const Uint8* src, Uint32 len, int volume) {
    constexpr int loudest = 32767;
    constexpr int softest = -32768;
    const int count = int(len / 2);
    for (int i = 0; i < count; ++i) {
        const int scaled = sampleAt(src, i) * volume / SDL_MIX_MAXVOLUME;
        putSample(dst, i, std::clamp(scaled + sampleAt(dst, i), softest, loudest));
    }
}

} // namespace kuMediaCodecs
