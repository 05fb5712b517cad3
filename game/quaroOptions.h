// The command line, parsed in one place into one value. With no arguments the game takes the
// whole screen, enlarged by the largest whole factor that fits. --help prints the same text
// the README and the man page give.
#pragma once

#include "kuGeomUtil.h"

#include <cstdio>
#include <string>
#include <vector>

struct gameOptions {
    static constexpr int maxScale = 6;

    bool windowed = false;
    bool muted = false;           // the sound starts off
    bool reducedFlashing = false; // every blink becomes a steady mark
    bool daily = false;           // the first round is today's, after no titles
    bool help = false;
    bool version = false;
    int scale = 0;          // 1 to maxScale; 0 lets the game choose
    std::string replayFile; // the run --replay plays (a file or a link), empty for none
    std::string ghostFile;  // the run --ghost races (a file or a link), empty for none
    std::vector<std::string> verifyFiles; // --verify checks these runs headless and exits
    std::string exportFile;               // --export writes the saved games there and exits
    std::string importFile;               // --import restores the saved games from there first
    std::string settingsFile;         // --settings: the settings kept there, not in the usual file
    std::string error;                // a malformed option: the game does not start
    std::vector<std::string> unknown; // warned about, then ignored
};

gameOptions parseOptions(int argc, char** argv);
// The display settings the player keeps, under what the command line asks for this run.
gameOptions withKeptDisplay(gameOptions options, bool windowed, int scale, bool reducedFlashing);
// Why the forced scale cannot be played in full screen on a desktop of this size, in one line
// that names the desktop's size (and the game's, when even factor 1 does not fit); empty when
// it can, or when the game plays in a window.
std::string scaleRefusal(const gameOptions& options, const sz& desktop);
// False, after saying why on standard error, when a forced scale does not fit the desktop in
// full screen. Asks SDL for the desktop's size: call it after SDL started and before the
// screen opens.
bool scaleFitsDesktop(const gameOptions& options);
void printUsage(std::FILE* out);
// "quaro <version>", the version the build was made from.
void printVersion(std::FILE* out);
