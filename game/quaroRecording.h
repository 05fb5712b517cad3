// One round as it was played: the seed it started from and, frame by frame, what its input
// step produced (the hero's wished direction, the leave flag, the pause request), with the name
// and time it claims. A round is a function of its seed and these inputs, so playing them back
// from the seed gives the same round, frame for frame. A loaded recording is always whole.
//
// File format, version 2 (numbers little-endian, a file holds exactly these bytes; version 3
// below):
//   offset   size  field
//   0        4     magic "QRUN"
//   4        2     version, 2
//   6        2     the rules the round was played by (quaroRules)
//   8        4     seed
//   12       4     frame count F, 1 to maxFrames (194400: two hours of the round's clock)
//   16       1     claimed minutes, 0 to 59
//   17       1     claimed seconds, 0 to 59
//   18       1     name length N, 0 to 10
//   19       N     the name's bytes, none of them 0
//   19+N     4     run count R, 1 to F
//   23+N     3R    runs: an input byte, then the frames it lasts (16 bits, 1 to 65535)
//   23+N+3R  4     CRC-32 (the one of zlib and PNG) of every byte before it
// An input byte: bits 0-1 the wished x (0 none, 1 left, 2 right), bits 2-3 the wished y (0
// none, 1 up, 2 down), bit 4 leave, bit 5 pause, bits 6-7 zero. The runs add up to F frames.
// Version 1 is version 2 without the rules field: its rounds were all played by rules 1.
// Version 3 is the file of a round played with an assist: version 2 with two bytes more after
// the rules, everything after them two bytes later:
//   8        1     speed, in percent of the designed pace, 50 to 100
//   9        1     lives, 1 to 3
// and not both 100 and 1, which a version 2 file holds instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What one frame's input step produced.
struct frameInput {
    int wantedDX = 0; // -1 left, 0 none, +1 right
    int wantedDY = 0; // -1 up, 0 none, +1 down
    bool leave = false;
    bool pause = false;

    bool operator==(const frameInput& other) const;
    bool operator!=(const frameInput& other) const { return !(*this == other); }
};

class quaroRecording {
public:
    // A round's clock counts a second every 27 frames and stops at 59:59; the 10 seconds each
    // knock-out gives back add up to far less than another hour. So no round whose time could
    // enter the table lasts more than two hours of its clock, and no run may claim more.
    static constexpr uint32_t framesPerClockSecond = 27;
    static constexpr uint32_t maxFrames = 2 * 3600 * framesPerClockSecond;
    static constexpr size_t maxNameLength = 10;
    static constexpr uint16_t version = 3; // the newest; version 2 when played as designed
    static constexpr int designedSpeed = 100;
    // The largest file the format allows; anything longer is refused unread.
    static const size_t maxFileBytes;

    quaroRecording() = default;
    quaroRecording(uint32_t seed, uint16_t rules) : startSeed(seed), playedRules(rules) {}

    // What a round was given to make a first win possible; as designed by default.
    struct assistSet {
        int speed = designedSpeed;
        int lives = 1;
    };

    uint32_t seed() const { return startSeed; }
    uint16_t rules() const { return playedRules; }
    const assistSet& assistsUsed() const { return assists; }
    void useAssists(const assistSet& chosen) { assists = chosen; }
    bool assisted() const { return assists.speed != designedSpeed || assists.lives != 1; }
    uint32_t frameCount() const { return uint32_t(frames.size()); }
    // Keeps one more frame; false, keeping nothing, once maxFrames are kept.
    bool add(const frameInput& input);
    // Frame i, 0 to frameCount() - 1.
    frameInput frame(uint32_t i) const;

    // The name (at most 10 bytes, cut there) and the time the round ended with.
    void claim(const std::string& name, int minutes, int seconds);
    const std::string& name() const { return claimedName; }
    int minutes() const { return claimedMinutes; }
    int seconds() const { return claimedSeconds; }

    // What a file says of its run, without the frames: enough to match a run to a row.
    struct header {
        uint32_t seed = 0;
        uint16_t rules = 0;
        uint32_t frameCount = 0;
        std::string name;
        int minutes = 0;
        int seconds = 0;
        assistSet assists;
    };

    // The file's bytes; empty for a recording without frames, which no file can hold.
    std::vector<uint8_t> encode() const;
    // The recording in the bytes (of either version), or nothing with problem saying what is
    // wrong with them.
    static std::optional<quaroRecording> decode(const uint8_t* bytes, size_t size,
                                                std::string& problem);
    // The header of the bytes, given exactly when decode gives a recording (every check is
    // made, the checksum and the runs' lengths included), without unpacking a frame.
    static std::optional<header> decodeHeader(const uint8_t* bytes, size_t size,
                                              std::string& problem);
    // Decodes bytes whose round this game can play again: a run of rules it no longer plays (or
    // not yet) is refused like a damaged one, with the reason in why.
    static std::optional<quaroRecording> playable(const uint8_t* bytes, size_t size,
                                                  std::string& why);
    // Reads and decodes a file whose round this game can play again: a run of rules it no
    // longer plays (or not yet) is refused like a damaged one. Problem starts with the file's
    // name, made safe to print.
    static std::optional<quaroRecording> load(const std::string& file, std::string& problem);
    // The header of such a file, given exactly when load gives a recording.
    static std::optional<header> loadHeader(const std::string& file, std::string& problem);
    // Replaces the file through the engine's file module: it is always a whole recording.
    bool save(const std::string& file) const;

private:
    // The recording of a parsed header and its unpacked frames, or nothing without a header.
    static std::optional<quaroRecording> fromParts(const std::optional<header>& found,
                                                   std::vector<uint8_t>& frames);

    uint32_t startSeed = 0;
    uint16_t playedRules = 0;
    assistSet assists;
    std::vector<uint8_t> frames; // one packed input per frame
    std::string claimedName;
    int claimedMinutes = 0;
    int claimedSeconds = 0;
};

// The CRC-32 of zlib and PNG (reflected polynomial 0xedb88320), as the format stores it.
uint32_t crc32Of(const uint8_t* bytes, size_t size);
