// Fills a folder with run files that someone else could have put there, for the memory figures
// of bench/measure-memory.sh: half of them valid recordings of the longest round a run may
// hold, claiming the given name and time (so that they match the table's rows), named as the
// game names runs of that time; the other half 75-byte files that claim about a million
// frames, which the format refuses.
// Usage: hostileRuns FOLDER COUNT [NAME MINUTES SECONDS]
#include "quaroRecording.h"
#include "quaroRules.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr uint32_t framesPerRun = 65535;
constexpr int millionFrameRuns = 16;

bool write(const std::string& file, const std::vector<uint8_t>& bytes) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr)
        return false;
    const bool whole = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && whole;
}

// A valid file of a million frames but for its count, which no game accepts any more.
std::vector<uint8_t> millionFrames(uint32_t seed) {
    std::vector<uint8_t> bytes = {'Q', 'R', 'U', 'N', 2, 0, uint8_t(quaroRules::current), 0};
    const auto put = [&bytes](uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            bytes.push_back(uint8_t(value >> 8 * i));
    };
    put(seed, 4);
    put(framesPerRun * millionFrameRuns, 4);
    bytes.insert(bytes.end(), {0, 0, 0}); // 00:00, no name
    put(millionFrameRuns, 4);
    for (int r = 0; r < millionFrameRuns; ++r) {
        bytes.push_back(0);
        put(framesPerRun, 2);
    }
    put(crc32Of(bytes.data(), bytes.size()), 4);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 6) {
        std::fprintf(stderr, "Usage: %s FOLDER COUNT [NAME MINUTES SECONDS]\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const int count = std::atoi(argv[2]);
    const std::string name = argc == 6 ? argv[3] : "qwopp";
    const int minutes = argc == 6 ? std::atoi(argv[4]) : 10;
    const int seconds = argc == 6 ? std::atoi(argv[5]) : 0;
    quaroRecording longest(1, quaroRules::current);
    for (uint32_t frame = 0; frame < quaroRecording::maxFrames; ++frame)
        longest.add({0, 0, false, false});
    longest.claim(name, minutes, seconds);
    const std::vector<uint8_t> longestBytes = longest.encode();
    for (int i = 0; i < count; ++i) {
        char file[64];
        std::vector<uint8_t> bytes;
        if (i % 2 == 0) {
            bytes = longestBytes;
            std::snprintf(file, sizeof file, "/%02d%02d-%08x.run", minutes, seconds, unsigned(i));
        } else {
            bytes = millionFrames(uint32_t(i));
            std::snprintf(file, sizeof file, "/million-%05d.run", i);
        }
        if (!write(folder + file, bytes)) {
            std::fprintf(stderr, "Couldn't write %s%s\n", folder.c_str(), file);
            return 1;
        }
    }
    return 0;
}
