#include "quaroHighScore.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

const char* const quaroHighScore::fileName = "Save/Highscore.hs";
const char* const quaroHighScore::folderName = "Save";

namespace {

// Each record is 13 little-endian 16-bit words: ten name bytes, a reserved word, minutes,
// seconds.
constexpr int wordsPerRecord = 13;
constexpr int reservedWord = 10;
constexpr int minutesWord = 11;
constexpr int secondsWord = 12;
constexpr int fileWords = quaroHighScore::rowCount * wordsPerRecord; // 130 words, 260 bytes
constexpr int fileBytes = 2 * fileWords;
// Name bytes are stored as their signed value plus this offset; only its low byte matters
// when reading, so every byte comes back.
constexpr uint16_t nameOffset = 0x1f5b;

const char* const defaultName = "qwopp";
constexpr int defaultMinutes = 10;

uint16_t wordAt(const unsigned char* bytes, int word) {
    return uint16_t(bytes[2 * word] | bytes[2 * word + 1] << 8);
}

void putWord(unsigned char* bytes, int word, uint16_t value) {
    bytes[2 * word] = uint8_t(value & 0xff);
    bytes[2 * word + 1] = uint8_t(value >> 8);
}

// The font draws a-z, 0-9, the space and the codes 123 to 127; anything else in a damaged or
// hand-edited file is read as a space, so the table can always be drawn.
char drawable(char c) {
    const unsigned char code = static_cast<unsigned char>(c);
    const bool letter = c >= 'a' && c <= 'z';
    const bool digit = c >= '0' && c <= '9';
    const bool sign = code >= 123 && code <= 127;
    return letter || digit || sign || c == ' ' ? c : ' ';
}

// Creates the missing folders on the way to the table, outermost first, for the player alone:
// the table may live in the player's own data folder, which no one else is to read.
void createMissingFolders(const std::filesystem::path& folder) {
    std::filesystem::path partial;
    for (const std::filesystem::path& part : folder) {
        partial /= part;
        mkdir(partial.c_str(), 0700); // a folder that exists stays as it is
    }
}

} // namespace

quaroHighScore::quaroHighScore(std::string file) : file(std::move(file)) {
    if (!load())
        setDefaults();
}

quaroHighScore::~quaroHighScore() {
    if (!save())
        std::printf("Error saving %s\n", file.c_str());
}

void quaroHighScore::setDefaults() {
    for (row& r : slots) {
        std::memset(r.name, 0, sizeof r.name);
        std::strcpy(r.name, defaultName);
        r.minutes = defaultMinutes;
        r.seconds = 0;
    }
}

bool quaroHighScore::load() {
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (in == nullptr)
        return false;
    unsigned char bytes[fileBytes];
    const size_t wordsRead = std::fread(bytes, 2, fileWords, in);
    std::fclose(in);
    if (wordsRead != size_t(fileWords))
        return false;
    for (int r = 0; r < rowCount; ++r) {
        const unsigned char* record = bytes + 2 * wordsPerRecord * r;
        row& target = slots[r];
        std::memset(target.name, 0, sizeof target.name);
        for (int i = 0; i < nameLength; ++i) {
            const char c = char(uint8_t(wordAt(record, i)) - uint8_t(nameOffset));
            if (c == '\0')
                break;
            target.name[i] = drawable(c);
        }
        target.minutes = wordAt(record, minutesWord);
        target.seconds = wordAt(record, secondsWord);
    }
    return true;
}

bool quaroHighScore::save() const {
    unsigned char bytes[fileBytes] = {};
    for (int r = 0; r < rowCount; ++r) {
        unsigned char* record = bytes + 2 * wordsPerRecord * r;
        for (int i = 0; i < nameLength; ++i)
            putWord(record, i,
                    uint16_t(int(static_cast<signed char>(slots[r].name[i])) + nameOffset));
        putWord(record, reservedWord, 0);
        putWord(record, minutesWord, uint16_t(slots[r].minutes));
        putWord(record, secondsWord, uint16_t(slots[r].seconds));
    }
    // The new table is written beside the old one and renamed over it, so the file on disk
    // is always a whole table, old or new.
    createMissingFolders(std::filesystem::path(file).parent_path());
    const std::string temporary = file + ".new";
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (out == nullptr)
        return false;
    const bool written = std::fwrite(bytes, 1, fileBytes, out) == size_t(fileBytes) &&
                         std::fflush(out) == 0 && fsync(fileno(out)) == 0;
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), file.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

int quaroHighScore::isRecord(int minutes, int seconds) const {
    for (int i = 0; i < rowCount; ++i) {
        const row& r = slots[i];
        if (r.minutes > minutes || (r.minutes == minutes && r.seconds > seconds))
            return i + 1;
    }
    return -1;
}

void quaroHighScore::enterRecord(const char* name, int minutes, int seconds) {
    int place = rowCount - 1;
    for (; place >= 0; --place) {
        const row& r = slots[place];
        const bool worse = r.minutes > minutes || (r.minutes == minutes && r.seconds > seconds);
        if (!worse)
            break;
        if (place + 1 < rowCount)
            slots[place + 1] = r;
    }
    if (place + 1 == rowCount)
        return; // no record: nothing to enter
    row& entry = slots[place + 1];
    std::memset(entry.name, 0, sizeof entry.name);
    std::strncpy(entry.name, name, nameLength);
    entry.minutes = minutes;
    entry.seconds = seconds;
}
