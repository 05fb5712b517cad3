#include "quaroOptions.h"

#include "quaroConfig.h"

gameOptions parseOptions(int argc, char** argv) {
    gameOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--window")
            options.windowed = true;
        else if (argument == "--help" || argument == "-h")
            options.help = true;
        else if (argument == "--version")
            options.version = true;
        else if (argument == "--replay")
            options.replayFile = i + 1 < argc ? argv[++i] : "";
        else if (argument.rfind("--replay=", 0) == 0)
            options.replayFile = argument.substr(std::string("--replay=").size());
        else
            options.unknown.push_back(argument);
    }
    return options;
}

void printUsage(std::FILE* out) {
    std::fprintf(out, "Usage: quaro [--window] [--replay FILE] [--help] [--version]\n"
                      "A maze chase: steer Quaro with the arrow keys, pick up every product,\n"
                      "then walk through the open gate into the house. Escape leaves a round.\n\n"
                      "  --window       play in a 760 x 520 window instead of the whole screen\n"
                      "  --replay FILE  play the recorded run in FILE and exit: 0 when it ends\n"
                      "                 with the time it claims, 1 otherwise; a key or a click\n"
                      "                 stops it\n"
                      "  --help         show this text and exit\n"
                      "  --version      show the version and exit\n\n"
                      "Every round is recorded, and the run of each record is kept beside the\n"
                      "table, in Save/Replays/. On the high-score table, 1 to 9 and 0 play the\n"
                      "run of rows 1 to 10; any key or click goes back to the table. A menu left\n"
                      "alone for 30 seconds plays the best run (or the game's own demonstration)\n"
                      "until a key or a click.\n\n"
                      "The pictures and sounds (GFX/ and SFX/) are read from the first of these\n"
                      "folders that holds them: $QUARO_DATA_DIR, the current folder, the\n"
                      "executable's folder, the installed data. The ten best times are kept in\n"
                      "Save/Highscore.hs in that folder; with the installed data, which is\n"
                      "read-only, in $XDG_DATA_HOME/quaro/Save/Highscore.hs (by default\n"
                      "~/.local/share/quaro/Save/Highscore.hs).\n\n"
                      "Exit status: 0 after a normal end, 1 after an error the game reported\n"
                      "(no data found, a damaged picture or sound), 2 when SDL cannot start\n"
                      "(with no display and SDL_VIDEODRIVER unset, the game never falls back\n"
                      "to a text-mode driver).\n\n");
}

void printVersion(std::FILE* out) {
    std::fprintf(out, "quaro %s\n", quaroVersion);
}
