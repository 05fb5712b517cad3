#include "kuAnimationSprite.h"

#include "kuScreen.h"

#include <new>

kuAnimationSprite::kuAnimationSprite() : opened(false), frameCount(0), frameIndex(0) {}

kuAnimationSprite::~kuAnimationSprite() {
    if (isOpen())
        kuAnimationSprite::close();
}

void kuAnimationSprite::open() {
    if (isOpen())
        kuE::kuRaiseBug("Animation sprite is already open in kuAnimationSprite::open()!");
    if (frameCount < 1)
        kuE::kuRaiseBug("Frame count below 1 in kuAnimationSprite::open()!");
    frames.reset(new (std::nothrow) kuImageFrame[frameCount]());
    if (!frames)
        kuE::kuRaiseGeneric("MEMORY", "Out of memory!");
    opened = true;
    if (frameIndex < 0 || frameIndex >= frameCount)
        frameIndex = 0; // reopened with fewer frames than before
}

void kuAnimationSprite::close() {
    if (!frames)
        kuE::kuRaiseBug("Animation sprite has not been opened in kuAnimationSprite::close()!");
    if (!opened)
        kuE::kuRaiseBug(
            "Animation sprite has not been opened correctly in kuAnimationSprite::close()!");
    frames.reset();
    opened = false;
}

bool kuAnimationSprite::isOpen() const {
    if (frames && !opened)
        kuE::kuRaiseBug(
            "Animation sprite has not been opened correctly in kuAnimationSprite::isOpen()!");
    return bool(frames);
}

void kuAnimationSprite::act() {
    if (++frameIndex >= frameCount)
        frameIndex = 0;
}

void kuAnimationSprite::show() {
    frames[frameIndex].displayCentered(pos);
}

void kuAnimationSprite::erase() {
    if (screen == nullptr)
        kuE::kuRaiseBug("No screen assigned in kuAnimationSprite::erase!");
    if (!frames || background == nullptr)
        return;
    screen->beginUpdate();
    erase(oldPos);
    erase(pos);
    screen->endUpdate();
}

void kuAnimationSprite::erase(const pt& at) {
    if (!frames || background == nullptr)
        return;
    const kuRectangle& rect = frames[frameIndex].rect;
    kuRectangle area = centredRect(at, rect.width, rect.height);
    background->showRect(area);
}
