// A round raced against the ghost of a run: the round starts from the run's seed under the
// current rules with the ghost drawn over it, each split is shown in the bottom wall (in the
// place a replay's progress takes) as the player's products reach it, and the splits are listed
// after the round. A race is a real round: it is recorded, and a record set in it is kept with its
// own run.
#pragma once

#include "quaroGhost.h"

class kuScreen;
class quaroLettering;
class vorlanMaze;

class quaroRace {
public:
    // Traces the run's hero on the round (hidden), then starts the round from the run's seed
    // with the ghost over it and the player's lives. The cast's screen, maze and font outlive
    // the race.
    quaroRace(quaroRound& round, quaroLettering& font, const quaroRecording& run, int lives);
    // Takes the ghost off the round.
    ~quaroRace();
    quaroRace(const quaroRace&) = delete;
    quaroRace& operator=(const quaroRace&) = delete;

    // After each frame of the round: a split reached in it is drawn in the bottom wall.
    void afterFrame();
    // Draws the splits in a box over the maze ("10: behind 2" per line); not yet shown.
    void drawSplitTable();
    const quaroGhost& ghost() const { return theGhost; }

private:
    quaroRound& round;
    quaroLettering& font;
    quaroGhost theGhost;
};
