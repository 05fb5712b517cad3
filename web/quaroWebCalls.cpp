// The entry points the page calls in the running game, with ccall: the player's saved files
// taken out as one archive and brought back from one. Both run between two frames (the game
// is asleep in a wait), and neither waits.
#include "quaroPaths.h"
#include "quaroSaveArchive.h"

#include "kuFiles.h"

#include <emscripten.h>

#include <string>

namespace {

std::string tableFolder() {
    const pathsSearch search = findGamePaths(thisProcessPathsInput());
    return search.found ? search.found->tableFolder : gamePaths().tableFolder;
}

} // namespace

extern "C" {

// Writes the archive of the saved files to `file` (outside the saved folder); 1 when it did.
EMSCRIPTEN_KEEPALIVE int quaroExportSaves(const char* file) {
    const std::vector<savedFile> files = quaroSaveArchive::collect(tableFolder());
    std::string error;
    return !files.empty() && kuReplaceFile(file, quaroSaveArchive::encode(files), error, false);
}

// Restores the saved files from the archive in `file`: an empty text when it did, otherwise
// why not, in which case nothing was changed. The text lives until the next call.
EMSCRIPTEN_KEEPALIVE const char* quaroImportSaves(const char* file) {
    static std::string problem;
    problem.clear();
    const kuFileRead read = kuReadRegularFile(file, quaroSaveArchive::maxFiles *
                                                        (quaroSaveArchive::maxFileBytes + 128));
    if (!read.error.empty() || read.missing || read.longer) {
        problem = "it cannot be read";
        return problem.c_str();
    }
    std::optional<std::vector<savedFile>> files =
        quaroSaveArchive::decode(read.bytes.data(), read.bytes.size(), problem);
    if (files)
        quaroSaveArchive::restore(tableFolder(), *files, problem);
    return problem.c_str();
}

} // extern "C"
