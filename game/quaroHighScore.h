// The ten best round times, fastest first, with the players' names, kept in a file of 260
// bytes ("Save/Highscore.hs" unless the caller names another): ten records of thirteen
// little-endian 16-bit words, ten name bytes (each its signed value plus 0x1f5b, read back by
// the low byte), a reserved word, the minutes and the seconds. Rows only enter through
// enterRecord, so the table stays in order. The object reads the file when it is made; save
// writes it, but only when the file was missing or a record entered; a file it could not read
// whole is kept beside it as "<file>.damaged" (the three last such) when it is replaced.
// Copies of the game sharing the file never lose each other's records: a save takes the
// file's lock ("<file>.lock") and enters its records into the file as it is at that moment.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class kuFileLock;

class quaroHighScore {
public:
    static constexpr int rowCount = 10;
    static constexpr int nameLength = 10; // characters, without the terminator

    // Loads the table file, or the default table for a missing one. A file that exists but
    // cannot be read whole (short, unreadable, not a regular file) gives what could be read
    // and defaults for the rest, and one line on standard output naming the file and why.
    explicit quaroHighScore(std::string file = fileName);
    virtual ~quaroHighScore() = default;
    quaroHighScore(const quaroHighScore&) = delete;
    quaroHighScore& operator=(const quaroHighScore&) = delete;

    const char* getSlotName(int i) const { return slots[i].name; }
    int getSlotMinutes(int i) const { return slots[i].minutes; }
    int getSlotSeconds(int i) const { return slots[i].seconds; }
    // Row i holds a time played, not the default row a new table starts with.
    bool isPlayed(int i) const;

    // The place (1 to 10) the time would take, or -1. An equal time is no record.
    int isRecord(int minutes, int seconds) const;
    // Enters the time below every row that is not worse; the last row drops out. A time that
    // is no record changes nothing.
    void enterRecord(const char* name, int minutes, int seconds);

    // Holding the file's lock, recovers what a save cut short left beside the file (as
    // recoverLeftovers), reads the file again, enters the records entered here since the
    // last save into it, and writes it when one entered or when it was missing, through the
    // engine's file module (links followed, permission bits kept). The table then holds what
    // the file holds. True when it does; otherwise the old file stays, "Error saving <file>"
    // is printed and saveError says why. A look that found the file writes nothing.
    bool save();
    // The same, for a caller that holds the file's lock around more than the save.
    bool saveLocked(const kuFileLock& lock);
    // Why the last save failed, in a few words ("no space left on device").
    const std::string& saveError() const { return failure; }

    // Why the file could not be read whole; empty when it could, or when it was missing.
    const std::string& getDamage() const { return damage; }
    const std::string& file() const { return tableFile; }

    // At start-up, holding the file's lock: removes what saves cut short left beside the file,
    // and when the file is missing puts the newest whole table among it in its place.
    static void recoverLeftovers(const std::string& file);

    // Where the table lives unless the caller names another file.
    static const char* const fileName;
    static const char* const folderName;

private:
    // recoverLeftovers, for a caller that holds the file's lock.
    static void recoverUnderLock(const std::string& file);

    struct row {
        char name[nameLength + 2];
        int32_t minutes;
        int32_t seconds;
    };

    struct record {
        std::string name;
        int minutes;
        int seconds;
    };

    void setDefaults();
    void load();
    void decode(const unsigned char* bytes, int records);
    bool write(std::string& error) const;

    std::string tableFile;
    bool missing;
    std::string damage;
    std::vector<record> entered; // since the last save, in the order they entered
    std::string failure;
    row slots[rowCount];
};
