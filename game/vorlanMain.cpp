// The program's entry: SDL first, then the game inside its protected frame, then shutdown.
#include "vorlanGameShell.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

namespace {
constexpr int exitAfterRun = 1;
constexpr int exitNoSdl = 2;
} // namespace

int SDL_main(int argc, char** argv) {
    const gameOptions options = parseOptions(argc, argv);
    if (options.help) {
        printUsage(stdout);
        std::exit(EXIT_SUCCESS);
    }
    if (!options.error.empty()) {
        std::fprintf(stderr, "quaro: %s (try --help)\n", options.error.c_str());
        std::exit(EXIT_FAILURE);
    }
    for (const std::string& argument : options.unknown)
        std::fprintf(stderr, "quaro: ignoring unknown argument '%s' (try --help)\n",
                     argument.c_str());

    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        std::puts(SDL_GetError());
        std::fprintf(stderr, "Couldn't initialize SDL: %s\n", SDL_GetError());
        std::exit(exitNoSdl);
    }
    vorlanGameShell* shell = new vorlanGameShell;
    shell->checkedExec(argc, argv);
    delete shell;
    SDL_Quit();
    std::exit(exitAfterRun);
}

// Where SDL has no start-up code of its own that calls SDL_main, main does.
#ifndef main
int main(int argc, char** argv) {
    return SDL_main(argc, argv);
}
#endif
