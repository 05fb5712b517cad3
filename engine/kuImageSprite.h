// A sprite that shows one image frame centred on its position.
#pragma once

#include "ErasingSprite.h"

class kuImageSprite : public ErasingSprite {
public:
    kuImageSprite();

    // Shows the whole image; a null image leaves the frame's rectangle as it was.
    void setImage(kuImage* image);

    void show() override;
    void act() override {}
    // Restores both the old and the new place as one dirty rectangle.
    void erase() override;
    // Restores the frame-sized rectangle centred on `at` through the background.
    virtual void erase(const pt& at);

    kuImageFrame imageFrame;
};
