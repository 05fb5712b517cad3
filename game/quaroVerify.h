// Runs checked without a window: each file's run is played from its seed on a headless stage,
// as fast as the machine goes, and one line per file says what the run claims, what its round
// did and whether the two agree, as checkRun decides for every run the game plays back.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

class quaroRound;
struct gamePaths;

struct verifiedRun {
    bool matches = false;
    // "FILE: NAME claims MM:SS, played MM:SS in F frames, won: matches", or "... lost: does
    // not match (WHY)", or "FILE: refused: WHY" for a file that holds no run this game plays.
    std::string line;
};

// Plays the file's run on the round, whose cast is built.
verifiedRun verifyRunFile(quaroRound& round, const std::string& file);

// --verify, once SDL's video started headless (kuPlatform::startHeadless): loads a stage from
// the paths' data on a screen of its own, prints each file's line on `out`, and says on
// standard error why nothing could be played. True when every file matches.
bool verifyRuns(const std::vector<std::string>& files, const gamePaths& paths, std::FILE* out);
