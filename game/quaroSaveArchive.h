// The player's saved files in one file, to take them out of a browser (or any other place the
// game keeps them) and to bring them back: the high-score table and the runs of its records,
// the list of rounds won with an assist and their runs, and the settings.
// An archive is checked whole before anything is written, so a damaged one changes nothing.
//
// File format, version 2 (numbers little-endian, a file holds exactly these bytes):
//   offset  size  field
//   0       4     magic "QSAV"
//   4       2     version, 2
//   6       2     file count N, 1 to maxFiles
//   8       ...   N files, each: name length L (1 byte, 1 to maxNameBytes), the name's L bytes,
//                 size S (4 bytes, at most maxFileBytes), the file's S bytes
//   ...     4     CRC-32 (the one of zlib and PNG) of every byte before it
// A name is "Highscore.hs" (the table, 260 bytes, at most once), "Replays/NAME.run" (a run
// file that decodes as one), NAME of letters, digits, '-', '_' and '.' and never "..", the same
// two under "Assisted/" (the assisted list and its runs), or "quaro.ini" (the settings, a text
// every line of which the game understands, at most settingsFile::maxFileBytes long).
// Version 1 held only the table and its runs; it is still read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct savedFile {
    std::string name; // relative to the table's folder
    std::vector<uint8_t> bytes;

    bool operator==(const savedFile& other) const {
        return name == other.name && bytes == other.bytes;
    }
};

namespace quaroSaveArchive {

constexpr uint16_t version = 2;
constexpr uint16_t oldestVersion = 1;
constexpr size_t maxFiles = 64;
constexpr size_t maxNameBytes = 64;
constexpr uint32_t maxFileBytes = 1u << 22;
// The name an exported archive is offered under.
extern const char* const suggestedName; // "quaro-saves.qsav"

std::vector<uint8_t> encode(const std::vector<savedFile>& files);
// The files of a whole, undamaged archive whose every file is one the game can read, or nothing
// with problem saying what is wrong.
std::optional<std::vector<savedFile>> decode(const uint8_t* bytes, size_t size,
                                             std::string& problem);

// The table, the assisted list and their runs in the folder the table lives in, and the
// settings file; files that cannot be read, and runs that are damaged, are left out (and named
// on standard output). Settings with lines the game does not understand go as it applies them.
std::vector<savedFile> collect(const std::string& tableFolder, const std::string& settingsPath);
// Writes every file of a decoded archive through the engine's file module, into the folder and
// the settings file, the runs before their tables, then removes the runs that no row of their
// new table claims. False with problem saying why when a file could not be written.
bool restore(const std::string& tableFolder, const std::string& settingsPath,
             const std::vector<savedFile>& files, std::string& problem);

// The archive file's files, read and decoded; nothing, with problem saying why, for a file
// that cannot be read or is not a whole archive the game can read.
std::optional<std::vector<savedFile>> read(const std::string& file, std::string& problem);
// --export: the archive of the folder's saved files and the settings written to the file. False
// with problem saying why when there is nothing to export or the file cannot be written.
bool exportTo(const std::string& tableFolder, const std::string& settingsPath,
              const std::string& file, std::string& problem);
// --import: the saved files of the archive file restored into the folder; nothing is changed
// when the file is refused.
bool importFrom(const std::string& tableFolder, const std::string& settingsPath,
                const std::string& file, std::string& problem);

} // namespace quaroSaveArchive
