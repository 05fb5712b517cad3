#include "kuCrawlSprite.h"

#include "kuExceptions.h"

kuCrawlSprite::kuCrawlSprite()
    : direction(pointManip::zeroPoint), divisor(1), accumulator(0), period(defaultPeriod), speed(0),
      acceleration(0), currentCrawlFrame(nullptr) {}

void kuCrawlSprite::act() {
    // A step consumes `period` of the accumulator; below 1 the stepping loop would never end.
    if (period < 1)
        kuE::kuRaiseBug("Period below 1 in kuCrawlSprite::act!");
    if (divisor == 0)
        kuE::kuRaiseBug("Divisor of 0 in kuCrawlSprite::act!");
    oldPos = pos;
    speed += acceleration;
    accumulator += speed;
    if (currentCrawlFrame == nullptr)
        return;
    while (accumulator > 0 || accumulator < -period) {
        int32_t sign;
        if (accumulator > 0) {
            accumulator -= period;
            sign = 1;
        } else {
            accumulator += period;
            sign = -1;
        }
        const int32_t crawl = currentCrawlFrame->crawl;
        pos.x += direction.x * crawl * sign / divisor;
        pos.y += direction.y * crawl * sign / divisor;
        incFrame(sign);
    }
}

void kuCrawlSprite::assignState(kuCrawlSprite* other) {
    kuAbsSprite::assignState(other);
    accumulator = other->accumulator;
    period = other->period;
    speed = other->speed;
    acceleration = other->acceleration;
    divisor = other->divisor;
    direction = other->direction;
}
