#include "roundCues.h"

#include "enemyCharSprite.h"
#include "quaroRound.h"
#include "readingsLayout.h"
#include "vorlanCharSprite.h"
#include "vorlanMaze.h"

namespace {

kuImageFrame frameOf(kuImage* picture, const readingsLayout::box& part) {
    kuImageFrame frame{picture, {}};
    rectManip::init(frame.rect, part.x, part.y, uint32_t(part.width), uint32_t(part.height));
    return frame;
}

// The wait mark stands above the hero, on the side away from the arrow that blocks it.
constexpr int32_t markBesidePixels = 16;
constexpr int32_t markAbovePixels = 34;

} // namespace

roundCues::roundCues(vorlanMaze* maze, kuImage* marks, kuImage* banners, Sound* superEnding)
    : maze(maze), glow(frameOf(marks, readingsLayout::glowMark)),
      waitMark(frameOf(marks, readingsLayout::waitMark)),
      gateBanner(maze, banners, readingsLayout::gateBanner), superEnding(superEnding) {}

void roundCues::start() {
    glowShown = false;
    lastFramesLeft = 0;
    gateSeenOpen = false;
    bannerLeft = 0;
    bannerUp = false;
    markUp = false;
}

bool roundCues::glowAt(int32_t superFramesLeft, bool steady) {
    if (superFramesLeft <= 0 || superFramesLeft > cueFrames)
        return false;
    return steady || (cueFrames - superFramesLeft) / pulseFrames % 2 == 0;
}

int32_t roundCues::runningDown(const quaroRound& round) {
    const vorlanCharSprite* hero = round.hero();
    if (!hero->isSuper || hero->savedAnim != nullptr)
        return 0;
    return round.superFramesLeft();
}

void roundCues::beforeActorsShow(const quaroRound& round) {
    if (markUp) {
        maze->showArea(markPlace);
        markUp = false;
    }
    if (!gateSeenOpen && !maze->isGateClosed()) {
        gateSeenOpen = true;
        bannerLeft = bannerFrames;
    }
    if (bannerLeft > 0) {
        --bannerLeft;
        gateBanner.show();
        bannerUp = true;
    } else if (bannerUp) {
        gateBanner.hide();
        bannerUp = false;
    }

    const vorlanCharSprite* hero = round.hero();
    const int32_t left = runningDown(round);
    if (left == cueFrames && lastFramesLeft != cueFrames)
        playIfSet(superEnding);
    lastFramesLeft = left;
    glowShown = glowAt(left, steady);
    if (glowShown)
        glow.displayCentered(hero->pos);

    for (enemyCharSprite* enemy : round.getCast().enemies)
        enemy->frightened = hero->isSuper;
}

void roundCues::afterActorsShow(const quaroRound& round) {
    const vorlanCharSprite* hero = round.hero();
    if (!hero->blockedByArrow)
        return;
    const int32_t side = hero->direction.x > 0 ? -1 : 1;
    const pt centre = {hero->pos.x + side * markBesidePixels,
                       hero->pos.y - markAbovePixels + int32_t(waitMark.rect.height / 2)};
    markPlace = centredRect(centre, waitMark.rect.width, waitMark.rect.height);
    waitMark.display(rectManip::position(markPlace));
    markUp = true;
}
