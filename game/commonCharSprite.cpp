#include "commonCharSprite.h"

#include "kuScreen.h"

#include <initializer_list>

namespace {

// The y of each row in a character sheet, and the direction each walk row shows.
constexpr int rowY[commonCharSprite::rowCount] = {0, 40, 80, 120};
constexpr pt rowDirection[commonCharSprite::rowCount] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};

} // namespace

commonCharSprite::commonCharSprite()
    : frameIndex(0), anims{}, currentAnim(nullptr), maze(nullptr), wantedDY(0), wantedDX(0),
      walkSpeed(defaultWalkSpeed) {
    kuE::kuRaiseBug("Unsupported constructor in vorlanCharSprite");
}

commonCharSprite::commonCharSprite(kuImage* walkImage, kuImage* knockOutImage, int step)
    : frameIndex(0), anims{}, currentAnim(nullptr), maze(nullptr), wantedDY(0), wantedDX(0),
      walkSpeed(defaultWalkSpeed) {
    standFacing(rowRight);
    for (int row : {rowRight, rowLeft, rowUp, rowDown})
        initAnim(walkImage, anims[walkSet][row], rowY[row], step);
    for (int row : {rowRight, rowLeft, rowUp, rowDown})
        initAnim(knockOutImage, anims[knockOutSet][row], rowY[row], 0);
    period = defaultWalkSpeed;
}

void commonCharSprite::initAnim(kuImage* image, kuCrawlImageFrame row[framesPerRow], int y,
                                int crawl) {
    for (int i = 0; i < framesPerRow; ++i) {
        row[i].image = image;
        rectManip::init(row[i].rect, frameSize * i, y, frameSize, frameSize);
        row[i].crawl = crawl;
    }
}

void commonCharSprite::setCurrentFrame(int n) {
    if (currentAnim == nullptr)
        kuE::kuRaiseBug("currentAnim not set in commonCharSprite::setCurrentFrame!");
    frameIndex = n;
    currentCrawlFrame = &currentAnim[n];
}

void commonCharSprite::standFacing(int row) {
    currentAnim = anims[walkSet][row];
    direction = rowDirection[row];
    setCurrentFrame(standingFrame);
}

void commonCharSprite::startAt(const pt& at, int row) {
    pos = at;
    oldPos = at;
    standFacing(row);
    speed = 0;
    accumulator = 0;
    acceleration = 0;
    wantedDX = 0;
    wantedDY = 0;
}

void commonCharSprite::incFrame(long step) {
    frameIndex += int(step);
    if (frameIndex >= walkCycle)
        frameIndex -= walkCycle;
    else if (frameIndex < 0)
        frameIndex += walkCycle;
    currentCrawlFrame = &currentAnim[frameIndex];
}

void commonCharSprite::assignState(commonCharSprite* other) {
    kuCrawlSprite::assignState(other);
    const int row = other->rowInUse(walkSet);
    if (row >= 0)
        currentAnim = anims[walkSet][row];
    wantedDX = other->wantedDX;
    wantedDY = other->wantedDY;
    setCurrentFrame(other->getCurrentFrame());
}

void commonCharSprite::act() {
    if (maze == nullptr)
        kuE::kuRaiseBug("No maze assigned to character sprite in commonCharSprite::act!");
    // The perpendicular wishes are read before handleObstacle may change them.
    int turnX = 0;
    int turnY = 0;
    if (direction.x != 0) {
        if (wantedDX != 0)
            speed = wantedDX * walkSpeed * direction.x;
        turnY = wantedDY;
    } else if (direction.y != 0) {
        if (wantedDY != 0)
            speed = wantedDY * walkSpeed * direction.y;
        turnX = wantedDX;
    }
    if (speed < 0)
        reverse();
    kuCrawlSprite::act();

    pt delta = {pos.x - oldPos.x, pos.y - oldPos.y};
    pt centre = pos;
    if (delta.x != 0 || delta.y != 0) {
        const bool horizontal = delta.x != 0;
        const mazePoint what = maze->hasObstacle(pos, delta, centre);
        if (what != mpEmpty)
            handleObstacle(pos, delta, centre, horizontal, what);
    }
    tryTurn(turnX, turnY);
    if (speed == 0)
        setCurrentFrame(standingFrame);
}

void commonCharSprite::reverse() {
    speed = -speed;
    if (direction.x > 0) {
        currentAnim = anims[walkSet][rowLeft];
        direction.x = -1;
    } else if (direction.x < 0) {
        currentAnim = anims[walkSet][rowRight];
        direction.x = 1;
    }
    if (direction.y > 0) {
        currentAnim = anims[walkSet][rowUp];
        direction.y = -1;
    } else if (direction.y < 0) {
        currentAnim = anims[walkSet][rowDown];
        direction.y = 1;
    }
    setCurrentFrame(standingFrame);
}

// A turn puts the character one pixel past the junction's centre in the new direction.
void commonCharSprite::tryTurn(int turnX, int turnY) {
    const pt delta = {pos.x - oldPos.x, pos.y - oldPos.y};
    pt centre = pos;
    if (turnX != 0) {
        if (maze->hasJunction(pos, delta, turnX, 0, centre) == mpWall)
            return;
        pos = {centre.x + turnX, centre.y};
        direction = {turnX, 0};
        currentAnim = anims[walkSet][turnX > 0 ? rowRight : rowLeft];
    } else if (turnY != 0) {
        if (maze->hasJunction(pos, delta, 0, turnY, centre) == mpWall)
            return;
        pos = {centre.x, centre.y + turnY};
        direction = {0, turnY};
        currentAnim = anims[walkSet][turnY > 0 ? rowDown : rowUp];
    } else {
        return;
    }
    speed = walkSpeed;
    setCurrentFrame(standingFrame);
}

void commonCharSprite::erase(const pt& at) {
    if (currentCrawlFrame == nullptr)
        return;
    requireMazeToErase();
    const kuRectangle& rect = currentCrawlFrame->rect;
    maze->showCenteredSizePos({rect.width, rect.height}, at);
}

void commonCharSprite::erase() {
    if (screen == nullptr)
        kuE::kuRaiseBug("No screen assigned in commonCharSprite::erase!");
    if (currentCrawlFrame == nullptr)
        return;
    requireMazeToErase(); // before the bracket, which a raise would leave open
    screen->beginUpdate();
    erase(oldPos);
    erase(pos);
    screen->endUpdate();
}

void commonCharSprite::show() {
    if (screen == nullptr)
        kuE::kuRaiseBug("No screen assigned in commonCharSprite::show!");
    if (currentCrawlFrame != nullptr)
        currentCrawlFrame->displayCentered(pos);
}

void commonCharSprite::requireMazeToErase() const {
    if (maze == nullptr)
        kuE::kuRaiseBug("No maze assigned to character sprite in commonCharSprite::erase!");
}

int commonCharSprite::rowInUse(int set) const {
    return rowOfTable(currentAnim, anims[set]);
}

int commonCharSprite::rowOfTable(const kuCrawlImageFrame* anim,
                                 const kuCrawlImageFrame table[rowCount][framesPerRow]) {
    for (int row = 0; row < rowCount; ++row)
        if (anim == table[row])
            return row;
    return -1;
}
