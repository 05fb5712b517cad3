// A round with nothing of the game around it: the pictures and sounds a round is drawn and
// heard with, loaded from the data folder, and the cast built over them, all owned here. The
// benchmark, the demonstration maker and the tests play rounds on it without the shell.
#pragma once

#include "quaroAssets.h"
#include "quaroRound.h"

#include <memory>

class Sound;
class kuImage;
class kuScreen;
struct gamePaths;

class quaroStage {
public:
    // Loads from the paths' data folder onto the open screen, which outlives the stage.
    // Raises, as the game's own loading does, when a file is missing or wrong.
    quaroStage(kuScreen& screen, const gamePaths& paths);
    ~quaroStage();
    quaroStage(const quaroStage&) = delete;
    quaroStage& operator=(const quaroStage&) = delete;

    quaroRound& round() { return theRound; }
    kuImage* pictureOf(quaroAssets::picture which) { return pictures[which].get(); }

private:
    std::array<std::unique_ptr<kuImage>, quaroAssets::pictureCount> pictures;
    std::array<std::unique_ptr<Sound>, quaroAssets::soundCount> sounds;
    quaroRound theRound;
    roundCast cast;
};
