#include "quaroHighScore.h"

#include "kuCloseSignals.h"
#include "kuFiles.h"
#include "kuPrintable.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

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

constexpr int recordBytes = 2 * wordsPerRecord;
constexpr int lastMinute = 59;
constexpr int lastSecond = 59;
const char* const damagedSuffix = ".damaged";
constexpr int damagedKept = 3;

uint16_t wordAt(const unsigned char* bytes, int word) {
    return uint16_t(bytes[2 * word] | bytes[2 * word + 1] << 8);
}

void putWord(unsigned char* bytes, int word, uint16_t value) {
    bytes[2 * word] = uint8_t(value & 0xff);
    bytes[2 * word + 1] = uint8_t(value >> 8);
}

// The font draws a-z, 0-9, the space and the codes 123 to 127; a capital is read as its
// small letter, anything else in a damaged or hand-made file as a space, so the table can
// always be drawn.
char drawable(char c) {
    const unsigned char code = static_cast<unsigned char>(c);
    if (c >= 'A' && c <= 'Z')
        return char(c - 'A' + 'a');
    const bool letter = c >= 'a' && c <= 'z';
    const bool digit = c >= '0' && c <= '9';
    const bool sign = code >= 123 && code <= 127;
    return letter || digit || sign || c == ' ' ? c : ' ';
}

} // namespace

quaroHighScore::quaroHighScore(std::string file) : tableFile(std::move(file)), missing(false) {
    load();
    if (!damage.empty())
        std::printf("The high-score file %s is damaged (%s): it shows what could be read, and "
                    "is kept as %s%s when a new record is saved\n",
                    kuPrintable(tableFile).c_str(), damage.c_str(),
                    kuPrintable(kuFollowLinks(tableFile)).c_str(), damagedSuffix);
}

bool quaroHighScore::save() {
    if (!missing && entered.empty())
        return true;
    const kuFileLock lock(tableFile);
    return saveLocked(lock);
}

bool quaroHighScore::saveLocked(const kuFileLock& lock) {
    if (!missing && entered.empty())
        return true;
    failure.clear();
    if (lock.heldElsewhere()) {
        failure = "another game kept it locked";
    } else {
        // Another copy of the game may have saved since this table was read: the records enter
        // the file as it is now, and stay to be saved again if this save fails.
        const std::vector<record> records = std::move(entered);
        entered.clear();
        missing = false;
        damage.clear();
        // What a save of this table cut short left beside it goes first (a daily or assisted
        // table is not looked after at start-up), so a record it held is not lost.
        recoverUnderLock(tableFile);
        load();
        for (const record& r : records)
            enterRecord(r.name.c_str(), r.minutes, r.seconds);
        const kuSaveUnderWay saving;
        if ((missing || !entered.empty()) && !write(failure) && failure.empty())
            failure = "it could not be written";
    }
    if (!failure.empty()) {
        std::printf("Error saving %s\n", kuPrintable(tableFile).c_str());
        return false;
    }
    missing = false;
    damage.clear();
    entered.clear();
    return true;
}

void quaroHighScore::recoverLeftovers(const std::string& file) {
    const kuFileLock lock(file);
    if (lock.heldElsewhere())
        return; // another copy of the game is saving: what lies there is its own
    recoverUnderLock(file);
}

void quaroHighScore::recoverUnderLock(const std::string& file) {
    kuRecoverReplace(file, fileBytes,
                     [](const std::vector<uint8_t>& bytes) { return bytes.size() == fileBytes; });
}

bool quaroHighScore::isPlayed(int i) const {
    return slots[i].minutes < defaultMinutes;
}

void quaroHighScore::setDefaults() {
    for (row& r : slots) {
        std::memset(r.name, 0, sizeof r.name);
        std::strcpy(r.name, defaultName);
        r.minutes = defaultMinutes;
        r.seconds = 0;
    }
}

void quaroHighScore::load() {
    setDefaults();
    const kuFileRead read = kuReadRegularFile(tableFile, fileBytes);
    if (read.missing) {
        missing = true;
        return;
    }
    damage = read.error;
    const size_t got = read.bytes.size();
    if (damage.empty() && got < size_t(fileBytes))
        damage = "only " + std::to_string(got) + " of " + std::to_string(fileBytes) + " bytes";
    decode(read.bytes.data(), int(got / recordBytes));
}

// Reads the first records; the rest keep the defaults. Times beyond 59:59 count as 59:59.
void quaroHighScore::decode(const unsigned char* bytes, int records) {
    for (int r = 0; r < records && r < rowCount; ++r) {
        const unsigned char* record = bytes + recordBytes * r;
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
        if (target.minutes > lastMinute) {
            target.minutes = lastMinute;
            target.seconds = lastSecond;
        }
        target.seconds = std::min(target.seconds, int32_t(lastSecond));
    }
}

bool quaroHighScore::write(std::string& error) const {
    std::vector<uint8_t> bytes(fileBytes);
    for (int r = 0; r < rowCount; ++r) {
        unsigned char* record = bytes.data() + recordBytes * r;
        for (int i = 0; i < nameLength; ++i)
            putWord(record, i,
                    uint16_t(int(static_cast<signed char>(slots[r].name[i])) + nameOffset));
        putWord(record, reservedWord, 0);
        putWord(record, minutesWord, uint16_t(slots[r].minutes));
        putWord(record, secondsWord, uint16_t(slots[r].seconds));
    }
    // A file that could not be read whole is kept, never replaced by what could be read of it,
    // and lends the new one nothing, not even its permission bits.
    const bool damaged = !damage.empty();
    if (damaged && !kuKeepAside(tableFile, damagedSuffix, damagedKept)) {
        error = "its damaged file could not be kept";
        return false;
    }
    return kuReplaceFile(tableFile, bytes, error, !damaged);
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
    entered.push_back({name, minutes, seconds});
    row& entry = slots[place + 1];
    std::memset(entry.name, 0, sizeof entry.name);
    std::strncpy(entry.name, name, nameLength);
    entry.minutes = minutes;
    entry.seconds = seconds;
}
