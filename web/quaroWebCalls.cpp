// The entry points the page calls in the running game (web/quaro-share.js): the player's saved
// files taken out as one archive, and an archive checked before the page starts the game again
// to import it (--import); and the daily round's seed of a date, by which the browser test
// checks that the browser's daily round is the desktop's. They run while the game waits
// between two frames, so they write nothing under Save/: a write there syncs the browser's
// database, which is itself a wait.
#include "quaroDaily.h"
#include "quaroPaths.h"
#include "quaroSaveArchive.h"

#include <emscripten.h>

#include <cstdint>
#include <string>

namespace {

gamePaths savedPaths() {
    const pathsSearch search = findGamePaths(thisProcessPathsInput());
    return search.found ? *search.found : gamePaths();
}

} // namespace

extern "C" {

// Writes the archive of the saved files to `file`, which is outside Save/. Returns an empty
// text when it did, otherwise why not; the text lives until the next call.
EMSCRIPTEN_KEEPALIVE const char* quaroExportSaves(const char* file) {
    static std::string problem;
    problem.clear();
    const gamePaths paths = savedPaths();
    quaroSaveArchive::exportTo(paths.tableFolder, paths.keptSettingsFile(), file, problem);
    return problem.c_str();
}

// An empty text when the archive in `file` can be imported, otherwise why not; the text lives
// until the next call.
EMSCRIPTEN_KEEPALIVE const char* quaroCheckSaves(const char* file) {
    static std::string problem;
    problem.clear();
    quaroSaveArchive::read(file, problem);
    return problem.c_str();
}

// The seed of the daily round of the date (quaroDaily::seedOf).
EMSCRIPTEN_KEEPALIVE uint32_t quaroDailySeed(int year, int month, int day) {
    return quaroDaily::seedOf({year, month, day});
}

} // extern "C"
