// Builds PCM WAV files of known samples for the sound tests, and converts between 16-bit
// samples and the little-endian bytes that the audio device plays.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct wavFormat {
    int channels;
    int bitsPerSample;
    int rateHz;
};

// The device's own format: 22050 Hz, 16-bit, stereo.
constexpr wavFormat deviceWav = {2, 16, 22050};

// Writes a canonical 44-byte-header PCM WAV holding exactly the given sample bytes.
void writeWav(const std::string& path, const wavFormat& format, const std::vector<uint8_t>& bytes);
void writeWav16(const std::string& path, const wavFormat& format,
                const std::vector<int16_t>& samples);

std::vector<uint8_t> s16Bytes(const std::vector<int16_t>& samples);
std::vector<int16_t> s16Samples(const uint8_t* bytes, size_t byteCount);
