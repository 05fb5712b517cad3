// An enemy: a character that wanders the corridors on its own, picks a new random wish at a
// wall or the house, passes arrows both ways and picks nothing up. Hit by the super hero it
// lies knocked out for a while and then walks on from where it fell. While the hero is super it
// is drawn frightened, from a sheet of its own; that look never changes how it plays.
#pragma once

#include "commonCharSprite.h"

class Sound;
class quaroRandom;

class enemyCharSprite : public commonCharSprite {
public:
    static constexpr int enemyStep = 4; // pixels per walking frame

    // Refuses: an enemy needs its pictures.
    enemyCharSprite();
    // Cuts the walk and knock-out rows from the two pictures (not owned).
    enemyCharSprite(kuImage* walkImage, kuImage* knockOutImage);

    // Walks, or runs one frame of the knocked-out sequence.
    void act() override;
    // At a wall or the house: back on the brick's centre, same speed, a new random wish.
    void handleObstacle(pt& pos, pt& delta, pt& centre, bool horizontal, mazePoint what) override;
    // Cuts the frightened walk rows from the picture (not owned), laid out as the walk sheet.
    void initFrightened(kuImage* image);
    // Draws the current frame, from the frightened rows while frightened and walking.
    void show() override;

    bool hit;                // set by the super hero; taken up at the next act
    int koCount;             // 0 while walking, else the progress of the knocked-out sequence
    Sound* birdSingingSound; // not owned
    quaroRandom* random;     // the round's generator, not owned; draws the new wishes
    bool frightened;         // the round sets it while the hero is super
    kuCrawlImageFrame frightenedAnims[rowCount][framesPerRow]; // empty until initFrightened

private:
    void actKnockedOut();
    // Moves the row in use from one set to the same direction of the other; others stay.
    void switchSet(int from, int to);
};
