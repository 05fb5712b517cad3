// The hero: a character the player steers, which picks up products, drinks from the mugs,
// is stopped by arrows walked against, enters the house only through the open gate and meets
// the enemies. It exists twice, normal and super form; its flags tell the round when a drink
// has ended, when the hero is knocked out and when it has reached the house.
#pragma once

#include "commonCharSprite.h"

class Sound;
class enemyCharSprite;
class quaroCounter;

class vorlanCharSprite : public commonCharSprite {
public:
    static constexpr int enemyCount = 4;
    static constexpr int heroStep = 3; // pixels per walking frame

    // Refuses: the hero needs its pictures.
    vorlanCharSprite();
    // Cuts the walk, knock-out and drinking rows from the three pictures (not owned).
    vorlanCharSprite(kuImage* walkImage, kuImage* knockOutImage, kuImage* drinkingImage);

    // One frame: knocked out, drinking or walking; then pick-up and contacts in every state.
    void act() override;
    // Arrows walked against and the closed house stop the hero on its brick's centre; the
    // open gateway sets inHouse.
    void handleObstacle(pt& pos, pt& delta, pt& centre, bool horizontal, mazePoint what) override;
    // Back to the walk row the drinking began on, frame 9; nothing when not drinking.
    void drinkToWalkMode();
    // As at the start of a round: up, walking and not drinking, nothing picked up, facing up
    // on the standing frame. Position and crawl state are the round's to set.
    void resetForRound();
    using commonCharSprite::assignState;
    // The common state plus itemCount and inHouse; the drinking and knock-out state stays.
    virtual void assignState(vorlanCharSprite* other);

    int drinkLoops;
    kuCrawlImageFrame drinkAnims[rowCount][framesPerRow];
    kuCrawlImageFrame* savedAnim; // the walk row in use when the drinking began; null if none
    enemyCharSprite* enemies[enemyCount]; // not owned
    quaroCounter* timeCounter;            // not owned

    // Not owned; a null sound plays nothing.
    Sound* pickUpSound;
    Sound* knockOutSound;
    Sound* drinkingSound;
    Sound* quaroWalkSound;
    Sound* birdSingingSound;
    Sound* jubiiSound;
    Sound* yieeHaaSound;
    Sound* indianTalkSound;
    Sound* quaroArrowSound;

    bool drank; // a drinking has ended; the round clears it
    bool isSuper;
    int koCount; // 0 while up; 1 when caught, then counting through the knock-out sequence
    int itemCount;
    bool inHouse;
    // An arrow walked against stopped the hero in its last act. Only shown, never played by.
    bool blockedByArrow;

private:
    void actKnockedOut();
    void actDrinking();
    void pickUp();
    void meetEnemies();
    bool walksAgainst(mazePoint arrow) const;
    // Maps the walk row in use to the same direction of another table; any other row stays.
    void switchFromWalkTo(kuCrawlImageFrame table[rowCount][framesPerRow]);
};
