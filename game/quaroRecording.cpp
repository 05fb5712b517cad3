#include "quaroRecording.h"

#include "kuFiles.h"
#include "kuPrintable.h"
#include "quaroRules.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr char magic[4] = {'Q', 'R', 'U', 'N'};
constexpr uint16_t firstVersion = 1; // without the rules field
constexpr uint16_t rulesOfFirstVersion = 1;
constexpr size_t versionAt = 4;
constexpr size_t rulesBytes = 2;
constexpr size_t firstHeaderBytes = 17; // up to the name, in version 1
constexpr size_t headerBytes = firstHeaderBytes + rulesBytes;
constexpr uint16_t rulesVersion = 2; // with the rules field, without the assists
constexpr size_t assistBytes = 2;    // the speed and the lives, in version 3
constexpr int slowestSpeed = 50;
constexpr int mostLives = 3;
constexpr size_t runCountBytes = 4;
constexpr size_t runBytes = 3;
constexpr size_t crcBytes = 4;
constexpr size_t smallestFile = firstHeaderBytes + runCountBytes + runBytes + crcBytes;
constexpr uint32_t longestRun = 0xffff;
constexpr int lastMinute = 59;
constexpr int lastSecond = 59;

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

std::string number(uint64_t value) {
    return std::to_string(value);
}

} // namespace

const size_t quaroRecording::maxFileBytes =
    headerBytes + assistBytes + maxNameLength + runCountBytes + runBytes * maxFrames + crcBytes;

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
    // A round played as designed keeps the version every reader of runs knows.
    putLittle(out, assisted() ? version : rulesVersion, 2);
    putLittle(out, playedRules, rulesBytes);
    if (assisted()) {
        out.push_back(uint8_t(assists.speed));
        out.push_back(uint8_t(assists.lives));
    }
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

namespace {

// The header is checked field by field before anything is trusted: the lengths it gives then
// fix the file's exact size, and only a whole file of that size is checksummed and its runs
// checked. With `frames`, the runs are unpacked into it as well.
std::optional<quaroRecording::header> parse(const uint8_t* bytes, size_t size, std::string& problem,
                                            std::vector<uint8_t>* frames) {
    using header = quaroRecording::header;
    if (size < smallestFile) {
        problem = "too short to be a recording (" + number(size) + " bytes)";
        return std::nullopt;
    }
    if (std::memcmp(bytes, magic, sizeof magic) != 0) {
        problem = "not a recording (it does not begin with QRUN)";
        return std::nullopt;
    }
    const uint32_t fileVersion = little(bytes + versionAt, 2);
    if (fileVersion < firstVersion || fileVersion > quaroRecording::version) {
        problem = "a recording of version " + number(fileVersion) + "; this game reads versions " +
                  number(firstVersion) + " to " + number(quaroRecording::version);
        return std::nullopt;
    }
    // Version 1 has no rules field: everything after it comes two bytes earlier; version 3
    // has the assists after it: everything comes two bytes later.
    const bool first = fileVersion == firstVersion;
    const size_t assistsBytes = fileVersion == quaroRecording::version ? assistBytes : 0;
    const uint8_t* fields =
        first ? bytes + versionAt + 2 : bytes + versionAt + 2 + rulesBytes + assistsBytes;
    const size_t nameAt = first ? firstHeaderBytes : headerBytes + assistsBytes;
    if (size < nameAt + runCountBytes + runBytes + crcBytes) {
        problem = "too short to be a recording (" + number(size) + " bytes)";
        return std::nullopt;
    }
    header found;
    found.rules = first ? rulesOfFirstVersion : uint16_t(little(bytes + versionAt + 2, rulesBytes));
    if (assistsBytes != 0) {
        const uint8_t* assists = bytes + versionAt + 2 + rulesBytes;
        found.assists = {assists[0], assists[1]};
        if (assists[0] < slowestSpeed || assists[0] > quaroRecording::designedSpeed ||
            assists[1] < 1 || assists[1] > mostLives ||
            (assists[0] == quaroRecording::designedSpeed && assists[1] == 1)) {
            problem = "absurd assists (speed " + number(assists[0]) + "%, " + number(assists[1]) +
                      " lives)";
            return std::nullopt;
        }
    }
    found.seed = little(fields, 4);
    found.frameCount = little(fields + 4, 4);
    found.minutes = fields[8];
    found.seconds = fields[9];
    const size_t nameLength = fields[10];
    if (found.frameCount == 0 || found.frameCount > quaroRecording::maxFrames) {
        problem = "an absurd frame count (" + number(found.frameCount) + ")";
        return std::nullopt;
    }
    if (found.minutes > lastMinute || found.seconds > lastSecond) {
        problem = "an absurd time (" + number(found.minutes) + " minutes " + number(found.seconds) +
                  " seconds)";
        return std::nullopt;
    }
    if (nameLength > quaroRecording::maxNameLength) {
        problem = "an absurd name length (" + number(nameLength) + ")";
        return std::nullopt;
    }
    const size_t runCountAt = nameAt + nameLength;
    if (size < runCountAt + runCountBytes) {
        problem = "truncated (" + number(size) + " bytes end inside its header)";
        return std::nullopt;
    }
    const uint32_t runs = little(bytes + runCountAt, runCountBytes);
    if (runs == 0 || runs > found.frameCount) {
        problem = "an absurd run count (" + number(runs) + " for " + number(found.frameCount) +
                  " frames)";
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
    const char* name = reinterpret_cast<const char*>(bytes + nameAt);
    if (std::memchr(name, '\0', nameLength) != nullptr) {
        problem = "a name with a zero byte";
        return std::nullopt;
    }
    found.name.assign(name, nameLength);

    if (frames != nullptr)
        frames->reserve(found.frameCount);
    uint32_t unpacked = 0;
    for (uint32_t r = 0; r < runs; ++r) {
        const uint8_t* run = bytes + runsAt + runBytes * r;
        const uint32_t length = little(run + 1, 2);
        if (!packedIsValid(run[0]) || length == 0 || unpacked + length > found.frameCount) {
            problem = "a damaged run (" + number(r + 1) + " of " + number(runs) + ")";
            return std::nullopt;
        }
        if (frames != nullptr)
            frames->insert(frames->end(), length, run[0]);
        unpacked += length;
    }
    if (unpacked != found.frameCount) {
        problem =
            "runs of " + number(unpacked) + " frames for a count of " + number(found.frameCount);
        return std::nullopt;
    }
    return found;
}

// Parses as above; a run of rules this game does not play is refused like a damaged one.
std::optional<quaroRecording::header>
parsePlayable(const uint8_t* bytes, size_t size, std::string& why, std::vector<uint8_t>* frames) {
    std::optional<quaroRecording::header> found = parse(bytes, size, why, frames);
    if (found && !quaroRules::refusal(found->rules).empty()) {
        why = quaroRules::refusal(found->rules);
        found.reset();
    }
    return found;
}

// Reads the file and parses it as a playable run; problem starts with the file's name.
std::optional<quaroRecording::header> read(const std::string& file, std::string& problem,
                                           std::vector<uint8_t>* frames) {
    const kuFileRead read = kuReadRegularFile(file, quaroRecording::maxFileBytes);
    std::string why = read.error;
    if (why.empty() && read.longer)
        why = "an absurd length (over " + number(quaroRecording::maxFileBytes) + " bytes)";
    std::optional<quaroRecording::header> found;
    if (why.empty())
        found = parsePlayable(read.bytes.data(), read.bytes.size(), why, frames);
    if (!found)
        problem = kuPrintable(file) + ": " + why;
    return found;
}

} // namespace

std::optional<quaroRecording> quaroRecording::fromParts(const std::optional<header>& found,
                                                        std::vector<uint8_t>& frames) {
    if (!found)
        return std::nullopt;
    quaroRecording recording(found->seed, found->rules);
    recording.claim(found->name, found->minutes, found->seconds);
    recording.useAssists(found->assists);
    recording.frames = std::move(frames);
    return recording;
}

std::optional<quaroRecording> quaroRecording::decode(const uint8_t* bytes, size_t size,
                                                     std::string& problem) {
    std::vector<uint8_t> frames;
    const std::optional<header> found = parse(bytes, size, problem, &frames);
    return fromParts(found, frames);
}

std::optional<quaroRecording::header>
quaroRecording::decodeHeader(const uint8_t* bytes, size_t size, std::string& problem) {
    return parse(bytes, size, problem, nullptr);
}

std::optional<quaroRecording> quaroRecording::playable(const uint8_t* bytes, size_t size,
                                                       std::string& why) {
    std::vector<uint8_t> frames;
    const std::optional<header> found = parsePlayable(bytes, size, why, &frames);
    return fromParts(found, frames);
}

std::optional<quaroRecording> quaroRecording::load(const std::string& file, std::string& problem) {
    std::vector<uint8_t> frames;
    const std::optional<header> found = read(file, problem, &frames);
    return fromParts(found, frames);
}

std::optional<quaroRecording::header> quaroRecording::loadHeader(const std::string& file,
                                                                 std::string& problem) {
    return read(file, problem, nullptr);
}

bool quaroRecording::save(const std::string& file) const {
    const std::vector<uint8_t> bytes = encode();
    std::string error;
    return !bytes.empty() && kuReplaceFile(file, bytes, error);
}

uint32_t crc32Of(const uint8_t* bytes, size_t size) {
    static const std::array<uint32_t, 256> table = crcTable();
    uint32_t c = 0xffffffffu;
    for (size_t i = 0; i < size; ++i)
        c = table[(c ^ bytes[i]) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}
