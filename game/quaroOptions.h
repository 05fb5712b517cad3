// The command line, parsed in one place into one value. With no arguments the game takes the
// whole screen. --help prints the same text the README and the man page give.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

struct gameOptions {
    bool windowed = false;
    bool help = false;
    bool version = false;
    std::optional<std::string> replayFile; // --replay FILE; empty when the file is missing
    std::vector<std::string> unknown;      // warned about, then ignored
};

gameOptions parseOptions(int argc, char** argv);
void printUsage(std::FILE* out);
// "quaro <version>", the version the build was made from.
void printVersion(std::FILE* out);
