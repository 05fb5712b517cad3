#include "quaroHighScore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
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

constexpr int recordBytes = 2 * wordsPerRecord;
constexpr int lastMinute = 59;
constexpr int lastSecond = 59;
constexpr mode_t folderMode = 0700;
constexpr int maxLinks = 16; // links followed to the real file, as the system limits them

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

// The file a chain of symbolic links ends at (which may not exist yet).
std::string followLinks(const std::string& file) {
    namespace fs = std::filesystem;
    fs::path path = file;
    std::error_code error;
    for (int hop = 0; hop < maxLinks && fs::is_symlink(path, error); ++hop) {
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path.string();
}

// Creates the missing folders above the file, each with mode 0700.
void createFolders(const std::string& file) {
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    std::filesystem::path partial;
    for (const std::filesystem::path& part : folder) {
        partial /= part;
        mkdir(partial.c_str(), folderMode);
    }
}

// Reads up to size bytes; returns the count, or -1 with errno set.
ssize_t readUpTo(int fd, unsigned char* bytes, size_t size) {
    size_t got = 0;
    while (got < size) {
        const ssize_t n = read(fd, bytes + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += size_t(n);
    }
    return ssize_t(got);
}

} // namespace

quaroHighScore::quaroHighScore(std::string file)
    : file(std::move(file)), realFile(followLinks(this->file)), missing(false), changed(false) {
    load();
}

quaroHighScore::~quaroHighScore() {
    if ((missing || changed) && !save())
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

void quaroHighScore::load() {
    setDefaults();
    // Without O_NONBLOCK, opening a FIFO waits for a writer.
    const int fd = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info;
    unsigned char bytes[fileBytes];
    ssize_t got = 0;
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) {
        missing = true;
        return;
    }
    if (fd < 0)
        damage = std::strerror(errno);
    else if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        damage = "not a regular file";
    else if ((got = readUpTo(fd, bytes, fileBytes)) < 0)
        damage = std::strerror(errno);
    else if (got < fileBytes)
        damage = "only " + std::to_string(got) + " of " + std::to_string(fileBytes) + " bytes";
    if (fd >= 0)
        close(fd);
    decode(bytes, int(std::max<ssize_t>(got, 0) / recordBytes));
    if (!damage.empty())
        std::printf("The high-score file %s is damaged (%s): it shows what could be read, and "
                    "is kept as %s.damaged when a new record is saved\n",
                    file.c_str(), damage.c_str(), realFile.c_str());
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

bool quaroHighScore::save() const {
    unsigned char bytes[fileBytes] = {};
    for (int r = 0; r < rowCount; ++r) {
        unsigned char* record = bytes + recordBytes * r;
        for (int i = 0; i < nameLength; ++i)
            putWord(record, i,
                    uint16_t(int(static_cast<signed char>(slots[r].name[i])) + nameOffset));
        putWord(record, reservedWord, 0);
        putWord(record, minutesWord, uint16_t(slots[r].minutes));
        putWord(record, secondsWord, uint16_t(slots[r].seconds));
    }
    createFolders(realFile);
    // A whole file keeps its permission bits; a damaged one is set aside, not copied.
    struct stat old;
    const bool keepMode = damage.empty() && stat(realFile.c_str(), &old) == 0;
    // The new table is written beside the old one and renamed over it, so the file on disk
    // is always a whole table, old or new.
    const std::string temporary = realFile + ".new";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const bool written = (!keepMode || fchmod(fd, old.st_mode & 07777) == 0) &&
                         write(fd, bytes, fileBytes) == fileBytes && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    const bool setAside =
        damage.empty() || std::rename(realFile.c_str(), (realFile + ".damaged").c_str()) == 0;
    if (!written || !closed || !setAside || std::rename(temporary.c_str(), realFile.c_str()) != 0) {
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
    changed = true;
    row& entry = slots[place + 1];
    std::memset(entry.name, 0, sizeof entry.name);
    std::strncpy(entry.name, name, nameLength);
    entry.minutes = minutes;
    entry.seconds = seconds;
}
