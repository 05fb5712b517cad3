#include "quaroGate.h"

#include "kuScreen.h"

quaroGate::quaroGate() : image(nullptr), row(0), mazeFrame(nullptr) {}

void quaroGate::init(kuImage* newImage, int newRow) {
    image = newImage;
    row = newRow;
    frameIndex = 0;
    open();
}

void quaroGate::open() {
    frameCount = frameTotal;
    kuAnimationSprite::open();
    if (image == nullptr)
        kuE::kuRaiseBug("No kuImage object assigned in quaroGate::open()!");
    for (int i = 0; i < frameCount; ++i) {
        frames[i].image = image;
        rectManip::init(frames[i].rect, frameWidth * i, row, frameWidth, frameHeight);
    }
}

void quaroGate::show() {
    if (screen == nullptr)
        kuE::kuRaiseBug("No screen assigned in quaroGate::show!");
    if (mazeFrame == nullptr || mazeFrame->image == nullptr)
        kuE::kuRaiseBug("No maze picture assigned in quaroGate::show!");
    const kuImageFrame& frame = frames[frameIndex];
    const pt corner = rectManip::position(centredRect(pos, frame.rect.width, frame.rect.height));
    image->drawOnto(*mazeFrame->image, frame.rect, corner);
    screen->display(image, frame.rect, corner);
}
