// The program's entry: the command line and the data search first, then SDL, then the game
// inside its protected frame, then shutdown.
#include "kuCloseSignals.h"
#include "kuPlatform.h"
#include "kuPrintable.h"
#include "kuScreen.h"
#include "quaroOptions.h"
#include "quaroPaths.h"
#include "quaroRecording.h"
#include "quaroRunLink.h"
#include "quaroSaveArchive.h"
#include "quaroSettings.h"
#include "quaroVerify.h"
#include "vorlanGameShell.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {
constexpr int exitNormalEnd = 0;
constexpr int exitAfterError = 1;
constexpr int exitNoData = 1;
constexpr int exitNoSdl = 2;

// The run an option names (a file or a link), none for an empty one; one that cannot be
// played ends the game before anything opens.
std::optional<quaroRecording> runOfOption(const std::string& fileOrLink) {
    if (fileOrLink.empty())
        return std::nullopt;
    std::string problem;
    std::optional<quaroRecording> run = quaroRunLink::namesLink(fileOrLink)
                                            ? quaroRunLink::load(fileOrLink, problem)
                                            : quaroRecording::load(fileOrLink, problem);
    if (!run) {
        std::fprintf(stderr, "quaro: %s\n", problem.c_str());
        std::exit(exitAfterError);
    }
    return run;
}
} // namespace

int SDL_main(int argc, char** argv) {
    const gameOptions options = parseOptions(argc, argv);
    if (options.version) {
        printVersion(stdout);
        std::exit(EXIT_SUCCESS);
    }
    const pathsSearch search = findGamePaths(thisProcessPathsInput());
    if (options.help) {
        printUsage(stdout);
        printPaths(stdout, search);
        std::exit(EXIT_SUCCESS);
    }
    if (!options.error.empty()) {
        std::fprintf(stderr, "quaro: %s (try --help)\n", options.error.c_str());
        std::exit(EXIT_FAILURE);
    }
    for (const std::string& argument : options.unknown)
        std::fprintf(stderr, "quaro: ignoring unknown argument '%s' (try --help)\n",
                     kuPrintable(argument).c_str());
    // Before SDL starts, so that a game without its data opens no window.
    if (search.found && !search.note.empty())
        std::fprintf(stderr, "%s\n", search.note.c_str());
    if (!search.found) {
        std::fprintf(stderr, "%s\n", search.failure.c_str());
        std::exit(exitNoData);
    }
    // Runs are verified headless: no window, no sound, whatever the display.
    if (!options.verifyFiles.empty()) {
        if (!kuPlatform::startHeadless()) {
            std::fprintf(stderr, "Couldn't initialize SDL: %s\n", SDL_GetError());
            std::exit(exitNoSdl);
        }
        const bool allMatch = verifyRuns(options.verifyFiles, *search.found, stdout);
        SDL_Quit();
        std::exit(allMatch ? exitNormalEnd : exitAfterError);
    }
    // The saved games go out, or come in, before anything opens.
    const std::string& tableFolder = search.found->tableFolder;
    const std::string settingsName =
        options.settingsFile.empty() ? search.found->keptSettingsFile() : options.settingsFile;
    std::string refusal;
    if (!options.exportFile.empty()) {
        if (!quaroSaveArchive::exportTo(tableFolder, settingsName, options.exportFile, refusal)) {
            std::fprintf(stderr, "quaro: could not export to %s: %s\n", options.exportFile.c_str(),
                         refusal.c_str());
            std::exit(exitAfterError);
        }
        std::printf("The table, the assisted list, their runs and the settings are in %s\n",
                    options.exportFile.c_str());
        std::exit(exitNormalEnd);
    }
    if (!options.importFile.empty()) {
        if (!quaroSaveArchive::importFrom(tableFolder, settingsName, options.importFile, refusal)) {
            std::fprintf(stderr, "quaro: %s was not imported: %s\n", options.importFile.c_str(),
                         refusal.c_str());
            std::exit(exitAfterError);
        }
        std::printf("The saved games and the settings of %s are restored\n",
                    options.importFile.c_str());
    }
    // So does a run that cannot be played.
    const std::optional<quaroRecording> replay = runOfOption(options.replayFile);
    const std::optional<quaroRecording> ghost = runOfOption(options.ghostFile);

    // The player's settings: a damaged line is named and ignored, the rest applies.
    auto store = std::make_unique<settingsFile>(settingsName);
    const settingsRead kept = store->load();
    if (!kept.problems.empty()) {
        std::string lines;
        for (const std::string& problem : kept.problems)
            lines += (lines.empty() ? "" : "; ") + problem;
        std::fprintf(stderr, "quaro: ignoring in %s: %s\n", store->name().c_str(), lines.c_str());
    }
    gameOptions played = withKeptDisplay(options, kept.settings.windowed, kept.settings.scale,
                                         kept.settings.reducedFlashing);

    if (!kuPlatform::startSdl(SDL_INIT_AUDIO | SDL_INIT_VIDEO)) {
        std::puts(SDL_GetError());
        std::fprintf(stderr, "Couldn't initialize SDL: %s\n", SDL_GetError());
        std::exit(exitNoSdl);
    }
    // A kept scale the desktop cannot hold now gives way to the largest that fits.
    if (options.scale == 0 && !scaleRefusal(played, kuScreen::reportedDesktopSize()).empty())
        played.scale = 0;
    bool normalEnd = false;
    {
        // From here on a close request ends the game whatever SDL or the game is doing.
        const kuCloseSignals closeSignals;
        vorlanGameShell* shell = new vorlanGameShell;
        shell->configure(played, *search.found, replay, ghost);
        shell->keepSettings(kept.settings, std::move(store));
        // A forced factor that does not fit is refused, with its reason, before anything opens.
        normalEnd = scaleFitsDesktop(played) && shell->checkedExec(argc, argv) &&
                    !shell->replays().fileRunFailed();
        delete shell;
    }
    SDL_Quit();
    std::exit(normalEnd ? exitNormalEnd : exitAfterError);
}

// Where SDL has no start-up code of its own that calls SDL_main, main does.
#ifndef main
int main(int argc, char** argv) {
    return SDL_main(argc, argv);
}
#endif
