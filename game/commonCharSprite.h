// The base of every character that walks the maze: it keeps walking straight, reverses at
// once, turns at the first junction that opens towards a perpendicular wish and asks its
// subclass what to do when something stands in its way. A character always stands on a
// corridor line: across its direction its coordinate is that of a brick centre.
#pragma once

#include "kuCrawlSprite.h"
#include "vorlanMaze.h"

// The rows of every character sheet, top to bottom, and the two sets cut from the walk and
// the knock-out pictures: anims[walkSet][rowUp] is the walking-up row.
constexpr int rowUp = 0;
constexpr int rowDown = 1;
constexpr int rowLeft = 2;
constexpr int rowRight = 3;
constexpr int walkSet = 0;
constexpr int knockOutSet = 1;

class commonCharSprite : public kuCrawlSprite {
public:
    static constexpr int rowCount = 4;
    static constexpr int setCount = 2;
    static constexpr int framesPerRow = 40;
    static constexpr int frameSize = 40;    // pixels on a side
    static constexpr int walkCycle = 12;    // frames 0 to 11 make the walking cycle
    static constexpr int standingFrame = 9; // shown whenever the character stops or turns
    static constexpr int defaultWalkSpeed = 32;

    // Refuses: a character needs its pictures.
    commonCharSprite();
    // Cuts both sets of rows (the pictures are not owned); a walking step moves `step`
    // pixels. Stands on frame 9 of the walk-right row, direction (1, 0), speed 0.
    commonCharSprite(kuImage* walkImage, kuImage* knockOutImage, int step);

    // Fills the 40 frames of one row from the sheet row at y.
    static void initAnim(kuImage* image, kuCrawlImageFrame row[framesPerRow], int y, int crawl);

    // No range check on n; raises when no row is in use.
    void setCurrentFrame(int n);
    // Stands on the standing frame of a walk row (rowUp to rowRight), with the direction of
    // that row: row and direction in step, as at the start of a round.
    void standFacing(int row);
    // Stands still on at, facing along a walk row, without wishes and with the crawl at rest:
    // as every character stands when a round begins, whatever the last round left.
    void startAt(const pt& at, int row);
    int getCurrentFrame() const { return frameIndex; }

    // Moves through the walking cycle 0 to 11.
    void incFrame(long step) override;
    using kuCrawlSprite::assignState;
    // Takes over position, crawl state, wishes and frame; the row only if it is a walk row.
    virtual void assignState(commonCharSprite* other);
    // One frame of walking along the corridors.
    void act() override;
    // Called by act when the brick ahead is not empty: pos may be corrected, centre is the
    // middle of the character's brick, horizontal tells the axis of the move.
    virtual void handleObstacle(pt& pos, pt& delta, pt& centre, bool horizontal,
                                mazePoint what) = 0;

    // Asks the maze to restore the current frame's rectangle centred on at.
    void erase(const pt& at);
    // Restores the old and the new place as one dirty rectangle.
    void erase() override;
    // Draws the current frame centred on pos.
    void show() override;

    int frameIndex;
    kuCrawlImageFrame anims[setCount][rowCount][framesPerRow];
    kuCrawlImageFrame* currentAnim; // the first frame of the row in use
    vorlanMaze* maze;               // not owned
    int wantedDY;                   // -1 up, 0 none, +1 down
    int wantedDX;                   // -1 left, 0 none, +1 right
    int walkSpeed;

protected:
    // The row (rowUp to rowRight) of the given set that is in use, or -1.
    int rowInUse(int set) const;
    static int rowOfTable(const kuCrawlImageFrame* anim,
                          const kuCrawlImageFrame table[rowCount][framesPerRow]);

private:
    void requireMazeToErase() const;
    void reverse();
    void tryTurn(int turnX, int turnY);
};
