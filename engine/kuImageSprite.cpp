#include "kuImageSprite.h"

#include "kuScreen.h"

kuImageSprite::kuImageSprite() : imageFrame{nullptr, rectManip::zeroRect} {}

void kuImageSprite::setImage(kuImage* image) {
    imageFrame.image = image;
    if (image == nullptr)
        return;
    sz size;
    image->getSize(size);
    rectManip::init(imageFrame.rect, 0, 0, size.width, size.height);
}

void kuImageSprite::show() {
    if (screen == nullptr)
        kuE::kuRaiseBug("No screen assigned in kuImageSprite::show!");
    imageFrame.displayCentered(pos);
}

void kuImageSprite::erase() {
    if (screen == nullptr)
        kuE::kuRaiseBug("No screen assigned in kuImageSprite::erase!");
    screen->beginUpdate();
    erase(oldPos);
    erase(pos);
    screen->endUpdate();
}

void kuImageSprite::erase(const pt& at) {
    if (background == nullptr)
        return;
    const kuRectangle& rect = imageFrame.rect;
    kuRectangle area = centredRect(at, rect.width, rect.height);
    background->showRect(area);
}
