#include "wavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace {

constexpr int bytesPerSample = 2;
constexpr int fullScale = 32767;

void put16(std::string& out, uint32_t v) {
    out.push_back(char(v & 0xff));
    out.push_back(char((v >> 8) & 0xff));
}

void put32(std::string& out, uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

} // namespace

void writeWav(const std::string& path, const std::vector<float>& samples, double peak) {
    float largest = 0;
    for (float s : samples)
        largest = std::max(largest, std::fabs(s));
    const double gain = largest > 0 ? std::min(peak, loudestPeak) * fullScale / largest : 0;
    const uint32_t dataBytes = uint32_t(samples.size() * bytesPerSample);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, sampleRateHz);
    put32(out, sampleRateHz * bytesPerSample);
    put16(out, bytesPerSample);
    put16(out, 8 * bytesPerSample);
    out += "data";
    put32(out, dataBytes);
    for (float s : samples)
        put16(out, uint16_t(int16_t(std::lround(s * gain))));
    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), std::streamsize(out.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
}
