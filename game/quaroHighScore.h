// The ten best round times, fastest first, with the players' names, kept in
// "Save/Highscore.hs". The object reads the file when it is made and writes it back when it
// dies; rows only enter through enterRecord, so the table stays in order.
#pragma once

#include <cstdint>
#include <string>

class quaroHighScore {
public:
    static constexpr int rowCount = 10;
    static constexpr int nameLength = 10; // characters, without the terminator

    // Loads the table file (by default "Save/Highscore.hs", relative to the working folder),
    // or the default table when it is missing or short.
    explicit quaroHighScore(std::string file = fileName);
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

    const std::string& getFile() const { return file; }

    // Where the table lives unless the caller names another file.
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

    std::string file;
    row slots[rowCount];
};
