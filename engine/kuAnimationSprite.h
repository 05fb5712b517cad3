// A sprite that cycles through a table of image frames. The subclass sets frameCount, calls
// open and then fills every frame; the sprite is open exactly while it holds the table.
#pragma once

#include "ErasingSprite.h"

#include <cstdint>
#include <memory>

class kuAnimationSprite : public ErasingSprite {
public:
    kuAnimationSprite();
    ~kuAnimationSprite() override;

    void show() override;
    // Advances to the next frame, wrapping to 0.
    void act() override;
    void erase() override;
    virtual void open();
    virtual void close();
    virtual void erase(const pt& at);
    bool isOpen() const;

    std::unique_ptr<kuImageFrame[]> frames;
    bool opened;
    int32_t frameCount;
    int32_t frameIndex; // survives closing and reopening while it stays below frameCount
};
