#include "quaroOptions.h"

gameOptions parseOptions(int argc, char** argv) {
    gameOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--window")
            options.windowed = true;
        else if (argument == "--help" || argument == "-h")
            options.help = true;
        else
            options.unknown.push_back(argument);
    }
    return options;
}

void printUsage(std::FILE* out) {
    std::fprintf(out, "Usage: quaro [--window] [--help]\n"
                      "A maze chase: steer Quaro with the arrow keys, pick up every product,\n"
                      "then walk through the open gate into the house. Escape leaves a round.\n"
                      "Run it from the folder that holds GFX/ and SFX/; the ten best times are\n"
                      "kept in Save/Highscore.hs there.\n\n"
                      "  --window  play in a 760 x 520 window instead of the whole screen\n"
                      "  --help    show this text and exit\n\n"
                      "Exit status: 0 after a normal end, 1 after an error the game reported,\n"
                      "2 when SDL cannot start (with no display and SDL_VIDEODRIVER unset, the\n"
                      "game never falls back to a text-mode driver).\n");
}
