#include "kuAbsSprite.h"

kuAbsSprite::kuAbsSprite()
    : screen(nullptr), oldPos(pointManip::zeroPoint), pos(pointManip::zeroPoint) {}

void kuAbsSprite::assignState(kuAbsSprite* other) {
    pos = other->pos;
    oldPos = other->oldPos;
}
