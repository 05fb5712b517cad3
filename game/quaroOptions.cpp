#include "quaroOptions.h"

namespace {

const std::string scaleOption = "--scale";

// A whole number from 1 to maxScale, or 0 for anything else.
int scaleFrom(const std::string& text) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '0' + gameOptions::maxScale)
        return 0;
    return text[0] - '0';
}

} // namespace

gameOptions parseOptions(int argc, char** argv) {
    gameOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--window") {
            options.windowed = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == scaleOption || argument.rfind(scaleOption + "=", 0) == 0) {
            std::string value;
            if (argument != scaleOption)
                value = argument.substr(scaleOption.size() + 1);
            else if (i + 1 < argc)
                value = argv[++i];
            options.scale = scaleFrom(value);
            if (options.scale == 0)
                options.error = "--scale takes a whole number from 1 to " +
                                std::to_string(gameOptions::maxScale) +
                                (value.empty() ? "" : ", not '" + value + "'");
        } else {
            options.unknown.push_back(argument);
        }
    }
    return options;
}

void printUsage(std::FILE* out) {
    std::fprintf(out,
                 "Usage: quaro [--window] [--scale N] [--help]\n"
                 "A maze chase: steer Quaro with the arrow keys, pick up every product,\n"
                 "then walk through the open gate into the house. Escape leaves a round.\n"
                 "Run it from the folder that holds GFX/ and SFX/; the ten best times are\n"
                 "kept in Save/Highscore.hs there.\n\n"
                 "The 760 x 520 picture is enlarged by a whole factor N, every pixel an\n"
                 "N x N block, and centred on black. Full screen keeps the desktop's own\n"
                 "size (the monitor's mode never changes) and takes the largest N that\n"
                 "fits; a window takes the largest N that fits in 90%% of the desktop's\n"
                 "width and 85%% of its height.\n\n"
                 "  --window   play in a window instead of the whole screen\n"
                 "  --scale N  enlarge by N, 1 to %d; in full screen N must fit the desktop\n"
                 "  --help     show this text and exit\n\n"
                 "Keys on every screen: F11 or Alt+Enter switches between window and full\n"
                 "screen.\n",
                 gameOptions::maxScale);
}
