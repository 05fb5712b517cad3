#include "vorlanCharSprite.h"

#include "enemyCharSprite.h"
#include "quaroCounter.h"

#include <cstdlib>
#include <initializer_list>

namespace {

constexpr int rowY[commonCharSprite::rowCount] = {0, 40, 80, 120};

constexpr int frozenKnockOutCount = 9; // koCount up to here: the hero stands frozen
constexpr int knockOutStartCount = 10; // koCount that switches to the knock-out row
constexpr int lastSequenceFrame = 21;  // drinking and knock-out sequences end here
constexpr int knockOutLoopFrame = 13;  // the knock-out loop runs 13 to 21
constexpr int drinkLoopFrame = 15;     // the drinking loop runs 15 to 21
constexpr int lastDrinkLoop = 9;       // loops 0 to 9; the tenth begin ends the drink
constexpr int productsInMaze = 106;
constexpr int contactPixels = 19; // centres this close on both axes touch
constexpr int secondsPerKnockOut = -10;
constexpr int houseRowTopPixels = 159; // a brick centre below this lies inside the gateway

} // namespace

vorlanCharSprite::vorlanCharSprite() : commonCharSprite() {}

vorlanCharSprite::vorlanCharSprite(kuImage* walkImage, kuImage* knockOutImage,
                                   kuImage* drinkingImage)
    : commonCharSprite(walkImage, knockOutImage, heroStep), drinkLoops(0), drinkAnims{},
      savedAnim(nullptr), enemies{}, timeCounter(nullptr), pickUpSound(nullptr),
      knockOutSound(nullptr), drinkingSound(nullptr), quaroWalkSound(nullptr),
      birdSingingSound(nullptr), jubiiSound(nullptr), yieeHaaSound(nullptr),
      indianTalkSound(nullptr), quaroArrowSound(nullptr), drank(false), isSuper(false), koCount(0),
      itemCount(0), inHouse(false), blockedByArrow(false) {
    for (int row : {rowRight, rowLeft, rowUp, rowDown})
        initAnim(drinkingImage, drinkAnims[row], rowY[row], 0);
}

void vorlanCharSprite::act() {
    if (maze == nullptr)
        kuE::kuRaiseBug("No maze assigned to character sprite in commonCharSprite::act!");
    blockedByArrow = false;
    if (koCount > 0) {
        actKnockedOut();
    } else if (savedAnim != nullptr) {
        actDrinking();
    } else {
        commonCharSprite::act();
        if (frameIndex == 0)
            playIfSet(quaroWalkSound);
    }
    pickUp();
    meetEnemies();
}

void vorlanCharSprite::actKnockedOut() {
    if (koCount <= frozenKnockOutCount) {
        ++koCount;
        return;
    }
    if (koCount == knockOutStartCount) {
        if (savedAnim != nullptr)
            drinkToWalkMode();
        switchFromWalkTo(anims[knockOutSet]);
        setCurrentFrame(0);
        koCount = knockOutStartCount + 1;
    }
    if (frameIndex < lastSequenceFrame) {
        setCurrentFrame(frameIndex + 1);
    } else {
        playIfSet(birdSingingSound);
        setCurrentFrame(knockOutLoopFrame);
        ++koCount;
    }
}

// Nine full loops and a tenth cut short after frame 15; the hero does not move.
void vorlanCharSprite::actDrinking() {
    if (drinkLoops > lastDrinkLoop) {
        drinkToWalkMode();
        drank = true;
        return;
    }
    if (frameIndex < lastSequenceFrame) {
        setCurrentFrame(frameIndex + 1);
        return;
    }
    setCurrentFrame(drinkLoopFrame);
    if (drinkLoops % 2 == 0)
        playIfSet(drinkingSound);
    ++drinkLoops;
}

// By the brick that holds the position: taken a few pixels past the brick's edge.
void vorlanCharSprite::pickUp() {
    switch (maze->getBrickMeaning(pos)) {
    case mpItem:
        maze->removePosItem(pos);
        playIfSet(pickUpSound);
        if (++itemCount >= productsInMaze)
            maze->openGate();
        break;
    case mpCup:
        maze->removePosItem(pos);
        playIfSet(jubiiSound);
        playIfSet(drinkingSound);
        savedAnim = currentAnim;
        switchFromWalkTo(drinkAnims);
        setCurrentFrame(0);
        drinkLoops = 0;
        break;
    default:
        break;
    }
}

void vorlanCharSprite::meetEnemies() {
    for (enemyCharSprite* enemy : enemies) {
        if (enemy == nullptr || enemy->koCount != 0 ||
            std::abs(enemy->pos.x - pos.x) > contactPixels ||
            std::abs(enemy->pos.y - pos.y) > contactPixels)
            continue;
        if (isSuper) {
            if (timeCounter != nullptr)
                timeCounter->addSec(secondsPerKnockOut);
            enemy->hit = true;
            playIfSet(knockOutSound);
            playIfSet(yieeHaaSound);
        } else if (koCount == 0) {
            if (savedAnim != nullptr)
                drinkToWalkMode();
            playIfSet(knockOutSound);
            playIfSet(indianTalkSound);
            koCount = 1;
            return;
        }
    }
}

bool vorlanCharSprite::walksAgainst(mazePoint arrow) const {
    switch (arrow) {
    case mpArrowDown:
        return currentAnim == anims[walkSet][rowUp];
    case mpArrowUp:
        return currentAnim == anims[walkSet][rowDown];
    case mpArrowLeft:
        return currentAnim == anims[walkSet][rowRight];
    case mpArrowRight:
        return currentAnim == anims[walkSet][rowLeft];
    default:
        return false;
    }
}

void vorlanCharSprite::handleObstacle(pt& at, pt&, pt& centre, bool horizontal, mazePoint what) {
    if (walksAgainst(what)) {
        what = mpWall;
        playIfSet(quaroArrowSound);
        blockedByArrow = true;
    }
    if (what == mpHouse) {
        if (!maze->isGateOpen())
            what = mpWall;
        else if (centre.y > houseRowTopPixels)
            inHouse = true;
    }
    if (what != mpWall)
        return;
    if (horizontal)
        at.x = centre.x;
    else
        at.y = centre.y;
    speed = 0;
}

void vorlanCharSprite::drinkToWalkMode() {
    if (savedAnim == nullptr)
        return;
    currentAnim = savedAnim;
    savedAnim = nullptr;
    setCurrentFrame(standingFrame);
}

void vorlanCharSprite::resetForRound() {
    savedAnim = nullptr;
    drinkLoops = 0;
    drank = false;
    koCount = 0;
    itemCount = 0;
    inHouse = false;
    blockedByArrow = false;
    standFacing(rowUp);
}

void vorlanCharSprite::assignState(vorlanCharSprite* other) {
    commonCharSprite::assignState(other);
    itemCount = other->itemCount;
    inHouse = other->inHouse;
}

void vorlanCharSprite::switchFromWalkTo(kuCrawlImageFrame table[rowCount][framesPerRow]) {
    const int row = rowInUse(walkSet);
    if (row >= 0)
        currentAnim = table[row];
}
