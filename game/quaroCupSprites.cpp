#include "quaroCupSprites.h"

quaroCupSprites::quaroCupSprites() : row(0), image(nullptr) {}

void quaroCupSprites::init(kuImage* newImage, int newRow) {
    image = newImage;
    row = newRow;
    open();
}

void quaroCupSprites::open() {
    frameCount = frameTotal;
    kuAnimationSprite::open();
    if (image == nullptr)
        kuE::kuRaiseBug("No kuImage object assigned in quaroCupSprites::open()!");
    for (int i = 0; i < frameCount; ++i) {
        frames[i].image = image;
        rectManip::init(frames[i].rect, frameSize * i, row, frameSize, frameSize);
    }
}
