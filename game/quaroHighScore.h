// The ten best round times, fastest first, with the players' names, kept in
// "Save/Highscore.hs". The object reads the file when it is made and writes it back when it
// dies; rows only enter through enterRecord, so the table stays in order.
#pragma once

#include <cstdint>

class quaroHighScore {
public:
    static constexpr int rowCount = 10;
    static constexpr int nameLength = 10; // characters, without the terminator

    // Loads "Save/Highscore.hs", or the default table when it is missing or short.
    quaroHighScore();
    // Writes the table (also when nothing changed). The old file is replaced only by a
    // complete new one; on failure it stays and "Error saving Save/Highscore.hs" is printed.
    virtual ~quaroHighScore();
    quaroHighScore(const quaroHighScore&) = delete;
    quaroHighScore& operator=(const quaroHighScore&) = delete;

    const char* getSlotName(int i) const { return slots[i].name; }
    int getSlotMinutes(int i) const { return slots[i].minutes; }
    int getSlotSeconds(int i) const { return slots[i].seconds; }

    // The place (1 to 10) the time would take, or -1. An equal time is no record.
    int isRecord(int minutes, int seconds) const;
    // Enters the time below every row that is not worse; the last row drops out. A time that
    // is no record changes nothing.
    void enterRecord(const char* name, int minutes, int seconds);

    // Where the table lives, relative to the working directory.
    static const char* const fileName;
    static const char* const folderName;

private:
    struct row {
        char name[nameLength + 2];
        int32_t minutes;
        int32_t seconds;
    };

    void setDefaults();
    bool load();
    bool save() const;

    row slots[rowCount];
};
