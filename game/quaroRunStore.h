// The runs behind the records: one recording per file in "Replays/" beside the high-score
// table. Each run carries the name and time of its row, so a row and a run are matched by what
// the run holds, never by where it lies: whatever was killed when, a row never shows another
// row's run. A row has a run when a whole recording of its name and time, not yet given to a
// row above it, lies in the folder.
#pragma once

#include <string>
#include <vector>

class quaroHighScore;
class quaroRecording;

class quaroRunStore {
public:
    static const char* const folderName;    // "Replays", inside the table's folder
    static const char* const fileExtension; // ".run"

    explicit quaroRunStore(const std::string& tableFolder);

    // The file of each row's run, row 0 first; an empty name for a row without a run. A
    // damaged file is named on standard output and given to no row.
    std::vector<std::string> runsOf(const quaroHighScore& table) const;
    // Writes the run into the folder through a temporary file renamed over it, and returns the
    // file; on failure says so on standard output and returns an empty name.
    std::string keep(const quaroRecording& run) const;
    // Removes the folder's runs that no row of the table claims (those of rows that dropped
    // out, damaged ones, temporaries of a save cut short); other files stay.
    void prune(const quaroHighScore& table) const;
    // Whether the folder holds any run at all, without reading one.
    bool empty() const;

    const std::string& folder() const { return runFolder; }
    // Every run file of the folder, sorted by name, so that the matching is the same each time.
    std::vector<std::string> runFiles() const;

private:
    std::string runFolder;
};
