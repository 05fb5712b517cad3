// A sprite that moves in whole steps along a direction at a fractional speed. The stepper is
// fixed-point: speed accumulates, and each `period` of it makes one step of the current
// frame's crawl distance and one animation frame. The accumulator rests in -period to 0.
#pragma once

#include "kuAbsSprite.h"

#include <cstdint>

// An image frame with the distance a crawl sprite moves per step while it is shown.
struct kuCrawlImageFrame : kuImageFrame {
    int32_t crawl;
};

class kuCrawlSprite : public kuAbsSprite {
public:
    static constexpr int32_t defaultPeriod = 25;

    kuCrawlSprite();

    using kuAbsSprite::assignState;
    void act() override;
    // Takes over position and the whole crawl state; the current frame is re-derived by the
    // subclass.
    virtual void assignState(kuCrawlSprite* other);
    // Advances the animation by step (+1 or -1) and updates currentCrawlFrame.
    virtual void incFrame(long step) = 0;

    pt direction; // each component -1, 0 or 1
    int32_t divisor;
    int32_t accumulator;
    int32_t period;
    int32_t speed;
    int32_t acceleration;
    kuCrawlImageFrame* currentCrawlFrame; // inside a table owned by the subclass
};
