#include "quaroArrowSprites.h"

#include "quaroRandom.h"
#include "vorlanMaze.h"

quaroArrowSprites::quaroArrowSprites()
    : image(nullptr), turnTimer(0), turnStep(0), turnSound(nullptr) {}

void quaroArrowSprites::init(kuImage* newImage, int startFrame) {
    image = newImage;
    frameIndex = startFrame;
    open();
}

void quaroArrowSprites::open() {
    frameCount = frameTotal;
    kuAnimationSprite::open();
    if (image == nullptr)
        kuE::kuRaiseBug("No kuImage object assigned in quaroArrowSprites::open()!");
    for (int i = 0; i < frameCount; ++i) {
        frames[i].image = image;
        rectManip::init(frames[i].rect, frameSize * i, 0, frameSize, frameSize);
    }
}

void quaroArrowSprites::close() {
    kuAnimationSprite::close();
    image = nullptr;
}

void quaroArrowSprites::restart(int startFrame, quaroRandom& random) {
    frameIndex = startFrame;
    turnStep = 0;
    turnTimer = random.below(idleCalls);
}

bool quaroArrowSprites::doTurn() {
    turnTimer = 0;
    if (++turnStep > lastTurnStep)
        turnStep = 0;
    act();
    return true;
}

bool quaroArrowSprites::actShouldShow() {
    if (++turnTimer > idleCalls) {
        playIfSet(turnSound);
        return doTurn();
    }
    if (turnStep != 0)
        return doTurn();
    return false;
}
