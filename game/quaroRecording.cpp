#include "quaroRecording.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

constexpr char magic[4] = {'Q', 'R', 'U', 'N'};
constexpr size_t headerBytes = 17; // up to the name
constexpr size_t runCountBytes = 4;
constexpr size_t runBytes = 3;
constexpr size_t crcBytes = 4;
constexpr size_t smallestFile = headerBytes + runCountBytes + runBytes + crcBytes;
constexpr uint32_t longestRun = 0xffff;
constexpr int lastMinute = 59;
constexpr int lastSecond = 59;
constexpr mode_t folderMode = 0700;

// The packed input byte.
constexpr uint8_t xMask = 0x03;
constexpr int yShift = 2;
constexpr uint8_t leaveBit = 0x10;
constexpr uint8_t pauseBit = 0x20;
constexpr uint8_t knownBits = 0x3f;
constexpr uint8_t towardsLess = 1; // left or up
constexpr uint8_t towardsMore = 2; // right or down

uint8_t packAxis(int wanted) {
    return wanted < 0 ? towardsLess : (wanted > 0 ? towardsMore : 0);
}

int unpackAxis(uint8_t field) {
    return field == towardsLess ? -1 : (field == towardsMore ? 1 : 0);
}

uint8_t pack(const frameInput& input) {
    return uint8_t(packAxis(input.wantedDX) | packAxis(input.wantedDY) << yShift |
                   (input.leave ? leaveBit : 0) | (input.pause ? pauseBit : 0));
}

frameInput unpack(uint8_t packed) {
    frameInput input;
    input.wantedDX = unpackAxis(packed & xMask);
    input.wantedDY = unpackAxis(packed >> yShift & xMask);
    input.leave = (packed & leaveBit) != 0;
    input.pause = (packed & pauseBit) != 0;
    return input;
}

// A byte the format can hold: no unknown bit, and no axis field of 3.
bool packedIsValid(uint8_t packed) {
    return (packed & ~knownBits) == 0 && (packed & xMask) != xMask &&
           (packed >> yShift & xMask) != xMask;
}

void putLittle(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> 8 * i));
}

uint32_t little(const uint8_t* bytes, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[i];
    return value;
}

std::array<uint32_t, 256> crcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) != 0 ? 0xedb88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

// Creates the missing folders above the file, each with mode 0700.
void createFolders(const std::string& file) {
    std::filesystem::path partial;
    for (const std::filesystem::path& part : std::filesystem::path(file).parent_path()) {
        partial /= part;
        mkdir(partial.c_str(), folderMode);
    }
}

bool writeAll(int fd, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

std::string number(uint64_t value) {
    return std::to_string(value);
}

} // namespace

const size_t quaroRecording::maxFileBytes =
    headerBytes + maxNameLength + runCountBytes + runBytes * maxFrames + crcBytes;

bool frameInput::operator==(const frameInput& other) const {
    return wantedDX == other.wantedDX && wantedDY == other.wantedDY && leave == other.leave &&
           pause == other.pause;
}

bool quaroRecording::add(const frameInput& input) {
    if (frames.size() >= maxFrames)
        return false;
    frames.push_back(pack(input));
    return true;
}

frameInput quaroRecording::frame(uint32_t i) const {
    return unpack(frames.at(i));
}

void quaroRecording::claim(const std::string& name, int minutes, int seconds) {
    claimedName = name.substr(0, std::min(name.find('\0'), maxNameLength));
    claimedMinutes = minutes;
    claimedSeconds = seconds;
}

std::vector<uint8_t> quaroRecording::encode() const {
    if (frames.empty())
        return {};
    std::vector<uint8_t> out(magic, magic + sizeof magic);
    putLittle(out, version, 2);
    putLittle(out, startSeed, 4);
    putLittle(out, frameCount(), 4);
    out.push_back(uint8_t(claimedMinutes));
    out.push_back(uint8_t(claimedSeconds));
    out.push_back(uint8_t(claimedName.size()));
    out.insert(out.end(), claimedName.begin(), claimedName.end());
    const size_t runCountAt = out.size();
    putLittle(out, 0, runCountBytes);
    uint32_t runs = 0;
    for (size_t start = 0; start < frames.size();) {
        size_t end = start + 1;
        while (end < frames.size() && frames[end] == frames[start] && end - start < longestRun)
            ++end;
        out.push_back(frames[start]);
        putLittle(out, uint32_t(end - start), 2);
        ++runs;
        start = end;
    }
    for (size_t i = 0; i < runCountBytes; ++i)
        out[runCountAt + i] = uint8_t(runs >> 8 * i);
    putLittle(out, crc32Of(out.data(), out.size()), crcBytes);
    return out;
}

// The header is checked field by field before anything is trusted: the lengths it gives then
// fix the file's exact size, and only a whole file of that size is checksummed and unpacked.
std::optional<quaroRecording> quaroRecording::decode(const uint8_t* bytes, size_t size,
                                                     std::string& problem) {
    if (size < smallestFile) {
        problem = "too short to be a recording (" + number(size) + " bytes)";
        return std::nullopt;
    }
    if (std::memcmp(bytes, magic, sizeof magic) != 0) {
        problem = "not a recording (it does not begin with QRUN)";
        return std::nullopt;
    }
    const uint32_t fileVersion = little(bytes + 4, 2);
    if (fileVersion != version) {
        problem = "a recording of version " + number(fileVersion) + "; this game reads version " +
                  number(version);
        return std::nullopt;
    }
    quaroRecording recording(little(bytes + 6, 4));
    const uint32_t frameTotal = little(bytes + 10, 4);
    const int minutes = bytes[14];
    const int seconds = bytes[15];
    const size_t nameLength = bytes[16];
    if (frameTotal == 0 || frameTotal > maxFrames) {
        problem = "an absurd frame count (" + number(frameTotal) + ")";
        return std::nullopt;
    }
    if (minutes > lastMinute || seconds > lastSecond) {
        problem =
            "an absurd time (" + number(minutes) + " minutes " + number(seconds) + " seconds)";
        return std::nullopt;
    }
    if (nameLength > maxNameLength) {
        problem = "an absurd name length (" + number(nameLength) + ")";
        return std::nullopt;
    }
    const size_t runCountAt = headerBytes + nameLength;
    if (size < runCountAt + runCountBytes) {
        problem = "truncated (" + number(size) + " bytes end inside its header)";
        return std::nullopt;
    }
    const uint32_t runs = little(bytes + runCountAt, runCountBytes);
    if (runs == 0 || runs > frameTotal) {
        problem =
            "an absurd run count (" + number(runs) + " for " + number(frameTotal) + " frames)";
        return std::nullopt;
    }
    const size_t runsAt = runCountAt + runCountBytes;
    const size_t expected = runsAt + runBytes * size_t(runs) + crcBytes;
    if (size < expected) {
        problem = "truncated (" + number(size) + " of " + number(expected) + " bytes)";
        return std::nullopt;
    }
    if (size > expected) {
        problem = number(size - expected) + " bytes past its end";
        return std::nullopt;
    }
    if (crc32Of(bytes, expected - crcBytes) != little(bytes + expected - crcBytes, crcBytes)) {
        problem = "damaged (its checksum does not match)";
        return std::nullopt;
    }
    const char* name = reinterpret_cast<const char*>(bytes + headerBytes);
    if (std::memchr(name, '\0', nameLength) != nullptr) {
        problem = "a name with a zero byte";
        return std::nullopt;
    }
    recording.claim(std::string(name, nameLength), minutes, seconds);

    recording.frames.reserve(frameTotal);
    for (uint32_t r = 0; r < runs; ++r) {
        const uint8_t* run = bytes + runsAt + runBytes * r;
        const uint32_t length = little(run + 1, 2);
        if (!packedIsValid(run[0]) || length == 0 ||
            recording.frames.size() + length > frameTotal) {
            problem = "a damaged run (" + number(r + 1) + " of " + number(runs) + ")";
            return std::nullopt;
        }
        recording.frames.insert(recording.frames.end(), length, run[0]);
    }
    if (recording.frames.size() != frameTotal) {
        problem = "runs of " + number(recording.frames.size()) + " frames for a count of " +
                  number(frameTotal);
        return std::nullopt;
    }
    return recording;
}

std::optional<quaroRecording> quaroRecording::load(const std::string& file, std::string& problem) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer.
    const int fd = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        problem = file + ": " + std::strerror(errno);
        return std::nullopt;
    }
    struct stat info;
    std::string why;
    std::vector<uint8_t> bytes;
    if (fstat(fd, &info) != 0)
        why = std::strerror(errno);
    else if (!S_ISREG(info.st_mode))
        why = "not a regular file";
    else if (size_t(info.st_size) > maxFileBytes)
        why = "an absurd length (" + number(uint64_t(info.st_size)) + " bytes)";
    if (why.empty()) {
        // One byte more than the file should hold tells a file that grew meanwhile.
        bytes.resize(size_t(info.st_size) + 1);
        size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                why = std::strerror(errno);
            if (n <= 0)
                break;
            got += size_t(n);
        }
        bytes.resize(got);
    }
    close(fd);
    std::optional<quaroRecording> recording;
    if (why.empty())
        recording = decode(bytes.data(), bytes.size(), why);
    if (!recording)
        problem = file + ": " + why;
    return recording;
}

bool quaroRecording::save(const std::string& file) const {
    const std::vector<uint8_t> bytes = encode();
    if (bytes.empty())
        return false;
    createFolders(file);
    const std::string temporary = file + ".new";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, bytes) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), file.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

uint32_t crc32Of(const uint8_t* bytes, size_t size) {
    static const std::array<uint32_t, 256> table = crcTable();
    uint32_t c = 0xffffffffu;
    for (size_t i = 0; i < size; ++i)
        c = table[(c ^ bytes[i]) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}
