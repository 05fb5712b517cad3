// A sprite that erases itself by asking a background to redraw the rectangle it covered.
#pragma once

#include "kuAbsSprite.h"

// Anything that can redraw what belongs behind the sprites.
class BackgroundSprite {
public:
    virtual ~BackgroundSprite() = default;
    // Redraws the background inside rect and records it as dirty.
    virtual void showRect(kuRectangle& rect) = 0;
};

class ErasingSprite : public kuAbsSprite {
public:
    ErasingSprite();

    BackgroundSprite* background; // not owned; the owner assigns it
};
