#include "quaroOptions.h"

#include "kuScreen.h"
#include "quaroAssets.h"
#include "quaroConfig.h"

namespace {

const std::string scaleOption = "--scale";
const std::string replayOption = "--replay";
const std::string exportOption = "--export";
const std::string importOption = "--import";
const std::string settingsOption = "--settings";
const std::string verifyOption = "--verify";
const std::string ghostOption = "--ghost";

// The value of an option given as "--option=VALUE" or "--option VALUE"; empty when missing.
std::string valueOf(const std::string& option, int argc, char** argv, int& i) {
    const std::string argument = argv[i];
    if (argument != option)
        return argument.substr(option.size() + 1);
    return i + 1 < argc ? argv[++i] : "";
}

bool names(const std::string& argument, const std::string& option) {
    return argument == option || argument.rfind(option + "=", 0) == 0;
}

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
        } else if (argument == "--mute") {
            options.muted = true;
        } else if (argument == "--reduced-flashing") {
            options.reducedFlashing = true;
        } else if (argument == "--daily") {
            options.daily = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
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
        } else if (names(argument, replayOption)) {
            options.replayFile = valueOf(replayOption, argc, argv, i);
            if (options.replayFile.empty())
                options.error = "--replay takes the file of a run, or a link to one";
        } else if (names(argument, ghostOption)) {
            options.ghostFile = valueOf(ghostOption, argc, argv, i);
            if (options.ghostFile.empty())
                options.error = "--ghost takes the file of a run, or a link to one";
        } else if (names(argument, verifyOption)) {
            // Every argument after it up to the next option is a file.
            if (argument != verifyOption)
                options.verifyFiles.push_back(argument.substr(verifyOption.size() + 1));
            while (argument == verifyOption && i + 1 < argc &&
                   std::string(argv[i + 1]).rfind("--", 0) != 0)
                options.verifyFiles.push_back(argv[++i]);
            if (options.verifyFiles.empty() || options.verifyFiles.back().empty())
                options.error = "--verify takes the files of one or more runs";
        } else if (names(argument, exportOption)) {
            options.exportFile = valueOf(exportOption, argc, argv, i);
            if (options.exportFile.empty())
                options.error = "--export takes the file to write the saved games to";
        } else if (names(argument, importOption)) {
            options.importFile = valueOf(importOption, argc, argv, i);
            if (options.importFile.empty())
                options.error = "--import takes a file of saved games";
        } else if (names(argument, settingsOption)) {
            options.settingsFile = valueOf(settingsOption, argc, argv, i);
            if (options.settingsFile.empty())
                options.error = "--settings takes the file to keep the settings in";
        } else {
            options.unknown.push_back(argument);
        }
    }
    return options;
}

gameOptions withKeptDisplay(gameOptions options, bool windowed, int scale, bool reducedFlashing) {
    options.windowed = options.windowed || windowed;
    if (options.scale == 0)
        options.scale = scale;
    options.reducedFlashing = options.reducedFlashing || reducedFlashing;
    return options;
}

std::string scaleRefusal(const gameOptions& options, const sz& reportedDesktop) {
    const sz canvas = quaroAssets::screenSize;
    const sz desktop = kuScaler::usableDesktop(reportedDesktop, canvas);
    if (options.windowed || options.scale == 0 ||
        kuScaler::fitsFullScreen(canvas, desktop, options.scale))
        return "";
    const std::string scale = "--scale " + std::to_string(options.scale);
    const std::string desktopSize =
        std::to_string(desktop.width) + " x " + std::to_string(desktop.height);
    if (!kuScaler::fitsFullScreen(canvas, desktop, 1))
        return "quaro: the " + desktopSize + " desktop is smaller than the game's " +
               std::to_string(canvas.width) + " x " + std::to_string(canvas.height) +
               " picture at any scale, so " + scale + " cannot take it whole; add --window";
    return "quaro: " + scale + " does not fit the " + desktopSize +
           " desktop in full screen; at most " +
           std::to_string(kuScaler::largestFactor(canvas, desktop, true)) +
           " does, or add --window";
}

bool scaleFitsDesktop(const gameOptions& options) {
    const std::string refusal = scaleRefusal(options, kuScreen::reportedDesktopSize());
    if (refusal.empty())
        return true;
    std::fprintf(stderr, "%s\n", refusal.c_str());
    return false;
}

void printUsage(std::FILE* out) {
    std::fprintf(
        out,
        "Usage: quaro [--window] [--scale N] [--mute] [--reduced-flashing] [--daily]\n"
        "             [--ghost FILE|LINK] [--replay FILE|LINK]\n"
        "             [--export FILE] [--import FILE] [--settings FILE]\n"
        "             [--help] [--version]\n"
        "       quaro --verify FILE...\n"
        "A maze chase: steer Quaro through the maze, pick up every product, then walk\n"
        "through the open gate into the house.\n\n"
        "  --window       play in a window instead of the whole screen\n"
        "  --scale N      enlarge by N, 1 to %d; in full screen N must fit the desktop\n"
        "  --mute         start with the sound off\n"
        "  --reduced-flashing\n"
        "                 show steady marks instead of blinking ones (the name entry's\n"
        "                 cursor, the glow of the super form's last seconds)\n"
        "  --daily        start with today's round (see the daily round below)\n"
        "  --replay FILE  play the recorded run in FILE and exit: 0 when its round is\n"
        "                 won at the time it claims, 1 otherwise; a key or a click\n"
        "                 stops it. The name in a run is its own claim. A link whose\n"
        "                 address ends in #run=CODE, as the browser game shares runs,\n"
        "                 or the CODE alone, plays the run it carries\n"
        "  --ghost FILE   race the ghost of the run in FILE (or a link): its hero drawn\n"
        "                 translucent over a round of its seed, with a split beside the\n"
        "                 clock at every 10 products and a table of them after the round;\n"
        "                 a record set in the race counts\n"
        "  --verify FILE...\n"
        "                 play each run at full speed with no window and no sound, and\n"
        "                 print a line per file: its name, the time it claims, the time\n"
        "                 played, its frames, won, lost or left, and whether it matches\n"
        "                 (or why it was refused); exit 0 only when every run matches.\n"
        "                 Needs no display\n"
        "  --export FILE  write the high-score table, the assisted list, their runs\n"
        "                 and the settings to FILE and exit\n"
        "  --import FILE  restore them from such a FILE, then play;\n"
        "                 a damaged FILE is refused and nothing is changed\n"
        "  --settings FILE\n"
        "                 keep the settings in FILE instead of\n"
        "                 ~/.config/quaro/quaro.ini ($XDG_CONFIG_HOME/quaro/quaro.ini)\n"
        "  --help         show this text and exit\n"
        "  --version      show the version and exit\n\n"
        "The 760 x 520 picture is enlarged by a whole factor N, every pixel an N x N\n"
        "block, and centred on black. Full screen keeps the desktop's own size (the\n"
        "monitor's mode never changes) and takes the largest N that fits; a window takes\n"
        "the largest N that fits in 90%% of the desktop's width and 85%% of its height.\n\n"
        "Keys in a round (unless the settings bind others): the arrow keys or W A S D\n"
        "steer, P pauses (P, Space or a steering key resumes; losing the focus pauses\n"
        "too), Escape leaves the round.\n"
        "On the menus: s starts a round, d plays today's round, h shows the high\n"
        "scores, o opens the settings, q or Escape quits.\n"
        "On the high-score table: a mark shows the rows whose run is kept; 1 to 9 and 0\n"
        "play back the run of rows 1 to 10, and g then such a digit (or a click on the\n"
        "row's mark) races its ghost; a shows the rounds won with an assist (their runs\n"
        "played the same way), and a again the table. A menu left alone for 30 seconds\n"
        "plays the best run (or the game's own demonstration).\n"
        "While a run plays: P or Space pauses and resumes, Right and Left step a frame\n"
        "forward and back while paused, + and - (= and the keypad's too) change the\n"
        "speed through x1/4, x1/2, x1, x2, x4 and x8 (silent away from x1), Home starts\n"
        "it again, t takes over (the round goes on with your steering as practice,\n"
        "never recorded), c copies the run's link (its code, which --replay takes);\n"
        "any other key, a click or a gamepad button stops watching.\n"
        "On every screen: M switches the sound off and on (in the name entry it is a\n"
        "letter), F11 or Alt+Enter switches between window and full screen, and closing\n"
        "the window (or SIGTERM, SIGINT, SIGHUP) ends the game (a name being typed is\n"
        "kept); a second such signal, or 3 seconds without an end, ends it at once.\n"
        "Gamepad: the d-pad (or hat) or the left stick steers; any button goes on from\n"
        "the titles; on the menus A (confirm) or Start (pause) starts a round, B (table)\n"
        "shows the high scores and Back (leave) quits; in a round Start pauses and\n"
        "resumes, A resumes, Back leaves, and pulling the pad out pauses. (The classic\n"
        "SDL 1.2 build knows buttons by number: 0 confirms, 1 shows the high scores, 2\n"
        "pauses, 3 leaves, the others pause and resume.) Gamepad mappings of your own go\n"
        "in ~/.config/quaro/gamecontrollerdb.txt.\n\n"
        "The settings screen (o on the menus, O in the pause box) binds the round's keys\n"
        "and the pad's four buttons (one bound elsewhere is swapped), sets the volumes of the "
        "effects and of the\n"
        "voices, the speed (50%% to 100%%, 66 ms a frame at 100%%) and the lives (1 to 3),\n"
        "the window and the reduced flashing; arrows choose and change, Enter binds,\n"
        "Escape leaves. Every change is kept in ~/.config/quaro/quaro.ini\n"
        "($XDG_CONFIG_HOME/quaro/quaro.ini, or the FILE of --settings): sections [keys]\n"
        "(up down left right pause leave mute = a key name such as Left, J or F5),\n"
        "[pad] (confirm pause leave table = a button: a, b, x, y, start, back,\n"
        "leftshoulder, ...; a number on the classic build),\n"
        "[sound] (effects voices = 0 to 100), [assist] (speed = 50 to 100, lives = 1\n"
        "to 3), [display] (window = yes|no, scale = 0 to 6, reduced-flashing = yes|no).\n"
        "Lines not understood are named and ignored. A round won with an assist is no\n"
        "record: it goes to the list in Save/Assisted/, with its run.\n\n"
        "The daily round is the same for every player on a UTC day: its seed is the\n"
        "date's number YYYYMMDD times 2654435761, modulo 2^32. Its best times are kept\n"
        "in a table of their own per day, Save/Daily/YYYY-MM-DD/ beside the main\n"
        "table, with their runs; the menu shows today's best, and after the round\n"
        "the game prints a line to share, such as\n"
        "  quaro daily 2026-12-08: won in 01:02, 106 products, 3 knock-outs\n\n"
        "Every round is recorded, and the run of each record is kept beside the table,\n"
        "in Save/Replays/. Copies of the game sharing a table lock it while they save\n"
        "(Highscore.hs.lock beside it), so none loses another's record.\n\n"
        "The pictures and sounds (GFX/ and SFX/) are read from the first of these\n"
        "folders that holds them: $QUARO_DATA_DIR, the current folder, the\n"
        "executable's folder, the installed data. The ten best times are kept in\n"
        "Save/Highscore.hs in that folder; with the installed data, which is\n"
        "read-only, in $XDG_DATA_HOME/quaro/Save/Highscore.hs (by default\n"
        "~/.local/share/quaro/Save/Highscore.hs; a relative XDG_DATA_HOME or HOME is\n"
        "ignored).\n\n"
        "Exit status: 0 after a normal end, 1 after an error the game reported\n"
        "(no data found, a damaged picture or sound, a --scale that does not fit, a\n"
        "--replay run that cannot be read or is not its round won at its time, a file\n"
        "of saved games that cannot be written or is refused), 2 when SDL cannot start\n"
        "(with no display and SDL_VIDEODRIVER unset, the game never falls back to a\n"
        "text-mode driver), 129, 130 or 143 when SIGHUP, SIGINT or SIGTERM ended it\n"
        "at once.\n\n",
        gameOptions::maxScale);
}

void printVersion(std::FILE* out) {
    std::fprintf(out, "quaro %s\n", quaroVersion);
}
