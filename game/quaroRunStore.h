// The runs behind the records: one recording per file in "Replays/" beside the high-score
// table. Each run carries the name and time of its row, so a row and a run are matched by what
// the run holds, never by where it lies: whatever was killed when, a row never shows another
// row's run. A row has a run when a whole recording of its name and time, not yet given to a
// row above it, lies in the folder. Matching reads the folder once and the headers of at most
// maxRunsLookedAt runs, never a run's frames: a folder of many or hostile files costs little.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class quaroHighScore;
class quaroRecording;
struct kuFolderEntry;

class quaroRunStore {
public:
    static const char* const folderName;    // "Replays", inside the table's folder
    static const char* const fileExtension; // ".run"
    // A folder holds the runs of ten rows and, for a while, those of records being saved;
    // far more is not the game's doing, and only this many entries and runs are looked at.
    static constexpr size_t maxEntriesListed = 10000;
    static constexpr size_t maxRunsLookedAt = 100;
    // A run no row claims may be another copy of the game's new record, saved a moment before
    // its table: only unclaimed files older than this are removed.
    static constexpr int64_t unclaimedKeptSeconds = 600;

    explicit quaroRunStore(const std::string& tableFolder);

    // The file of each row's run, row 0 first; an empty name for a row without a run. The
    // runs named in the game's way after a row's time are looked at first. A damaged file is
    // named on standard output and given to no row.
    std::vector<std::string> runsOf(const quaroHighScore& table) const;
    // Writes the run into the folder through a temporary file renamed over it, and returns the
    // file; on failure says so on standard output and returns an empty name.
    std::string keep(const quaroRecording& run) const;
    // Removes the folder's runs that no row of the table claims (those of rows that dropped
    // out, damaged ones, temporaries of a save cut short) once they are older than keptSeconds;
    // other files stay. Call it holding the table's lock, with the table as it is on disk.
    void prune(const quaroHighScore& table, int64_t keptSeconds = unclaimedKeptSeconds) const;
    // The save of a record entered in the table: holding the table's lock (so that another
    // copy of the game saving its own record waits meanwhile) and as one save under way
    // (which a close waits for), keeps the run (none for null), then saves the table, whose
    // records enter the file as it is now, then prunes. The run is written before the table: a
    // kill in between leaves a run no row claims, never a row whose run is missing. False, with
    // the table's saveError saying why, when the table could not be saved.
    bool saveRecord(quaroHighScore& table, const quaroRecording* run) const;

    const std::string& folder() const { return runFolder; }
    // The run files of the folder (at most maxEntriesListed entries are looked at), sorted
    // by name.
    std::vector<std::string> runFiles() const;

private:
    std::vector<std::string> runsOf(const quaroHighScore& table,
                                    const std::vector<kuFolderEntry>& entries) const;

    std::string runFolder;
};
