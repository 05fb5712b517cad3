#include "wavFiles.h"

#include <fstream>
#include <stdexcept>

namespace {

constexpr uint32_t fmtChunkBytes = 16;
constexpr uint16_t pcmEncoding = 1;

void put16(std::ofstream& out, uint32_t value) {
    out.put(char(value & 0xff));
    out.put(char((value >> 8) & 0xff));
}

void put32(std::ofstream& out, uint32_t value) {
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

} // namespace

void writeWav(const std::string& path, const wavFormat& format, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    if (!out)
        throw std::runtime_error("cannot write " + path);
    const uint32_t frameBytes = uint32_t(format.channels * format.bitsPerSample / 8);
    const uint32_t dataBytes = uint32_t(bytes.size());
    out.write("RIFF", 4);
    put32(out, 4 + 8 + fmtChunkBytes + 8 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, fmtChunkBytes);
    put16(out, pcmEncoding);
    put16(out, uint32_t(format.channels));
    put32(out, uint32_t(format.rateHz));
    put32(out, uint32_t(format.rateHz) * frameBytes);
    put16(out, frameBytes);
    put16(out, uint32_t(format.bitsPerSample));
    out.write("data", 4);
    put32(out, dataBytes);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void writeWav16(const std::string& path, const wavFormat& format,
                const std::vector<int16_t>& samples) {
    writeWav(path, format, s16Bytes(samples));
}

std::vector<uint8_t> s16Bytes(const std::vector<int16_t>& samples) {
    std::vector<uint8_t> bytes;
    bytes.reserve(samples.size() * 2);
    for (const int16_t sample : samples) {
        const uint16_t bits = uint16_t(sample);
        bytes.push_back(uint8_t(bits & 0xff));
        bytes.push_back(uint8_t(bits >> 8));
    }
    return bytes;
}

std::vector<int16_t> s16Samples(const uint8_t* bytes, size_t byteCount) {
    std::vector<int16_t> samples(byteCount / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = int16_t(uint16_t(bytes[2 * i] | bytes[2 * i + 1] << 8));
    return samples;
}
