#include "enemyCharSprite.h"

#include "quaroRandom.h"

namespace {

constexpr int frozenKnockOutCount = 9; // koCount up to here: the enemy lies frozen
constexpr int knockOutStartCount = 10; // koCount that switches to the knock-out row
constexpr int lastKnockOutCount = 20;  // beyond this the enemy walks again
constexpr int lastSequenceFrame = 21;
constexpr int knockOutLoopFrame = 13; // the loop runs 13 to 21

// The new wish at a wall: a draw r from 0 to 99 below each bound picks its direction.
constexpr int wishRange = 100;
constexpr int rightBelow = 28;
constexpr int leftBelow = 50;
constexpr int upBelow = 78;

} // namespace

namespace {

// Raises before the base is built, so that the enemy's own message is the one reported.
[[noreturn]] kuImage* refuseDefaultConstruction() {
    kuE::kuRaiseBug("Unsupported constructor in enemyCharSprite");
}

} // namespace

enemyCharSprite::enemyCharSprite()
    : commonCharSprite(refuseDefaultConstruction(), nullptr, enemyStep), hit(false), koCount(0),
      birdSingingSound(nullptr), random(nullptr), frightened(false), frightenedAnims{} {}

enemyCharSprite::enemyCharSprite(kuImage* walkImage, kuImage* knockOutImage)
    : commonCharSprite(walkImage, knockOutImage, enemyStep), hit(false), koCount(0),
      birdSingingSound(nullptr), random(nullptr), frightened(false), frightenedAnims{} {}

void enemyCharSprite::initFrightened(kuImage* image) {
    for (int row = 0; row < rowCount; ++row)
        initAnim(image, frightenedAnims[row], frameSize * row, 0);
}

void enemyCharSprite::show() {
    const int row = rowInUse(walkSet);
    if (!frightened || row < 0 || frightenedAnims[row][frameIndex].image == nullptr) {
        commonCharSprite::show();
        return;
    }
    if (screen == nullptr)
        kuE::kuRaiseBug("No screen assigned in commonCharSprite::show!");
    frightenedAnims[row][frameIndex].displayCentered(pos);
}

void enemyCharSprite::act() {
    if (hit) {
        hit = false;
        koCount = 1;
    }
    if (koCount <= 0)
        commonCharSprite::act();
    else
        actKnockedOut();
}

// Frozen until koCount 10, then the knock-out row to frame 21, then loops over 13 to 21 with
// the birds; the tenth loop's birds send it walking again.
void enemyCharSprite::actKnockedOut() {
    if (koCount <= frozenKnockOutCount) {
        ++koCount;
        return;
    }
    if (koCount == knockOutStartCount) {
        switchSet(walkSet, knockOutSet);
        setCurrentFrame(0);
        koCount = knockOutStartCount + 1;
    }
    if (frameIndex < lastSequenceFrame) {
        setCurrentFrame(frameIndex + 1);
        return;
    }
    playIfSet(birdSingingSound);
    setCurrentFrame(knockOutLoopFrame);
    if (++koCount > lastKnockOutCount) {
        switchSet(knockOutSet, walkSet);
        setCurrentFrame(standingFrame);
        koCount = 0;
    }
}

void enemyCharSprite::handleObstacle(pt& at, pt&, pt& centre, bool horizontal, mazePoint what) {
    if (what != mpWall && what != mpHouse)
        return;
    if (horizontal)
        at.x = centre.x;
    else
        at.y = centre.y;
    if (random == nullptr)
        kuE::kuRaiseBug("No random generator assigned in enemyCharSprite::handleObstacle!");
    const int r = random->below(wishRange);
    if (r < rightBelow) {
        wantedDX = 1;
        wantedDY = 0;
    } else if (r < leftBelow) {
        wantedDX = -1;
        wantedDY = 0;
    } else if (r < upBelow) {
        wantedDX = 0;
        wantedDY = -1;
    } else {
        wantedDX = 0;
        wantedDY = 1;
    }
}

void enemyCharSprite::switchSet(int from, int to) {
    const int row = rowInUse(from);
    if (row >= 0)
        currentAnim = anims[to][row];
}
