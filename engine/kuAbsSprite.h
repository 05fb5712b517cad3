// The root of the sprite family: something at a point of the screen that acts once per
// frame, shows itself centred on its position and erases itself by restoring what lies
// behind it. Also the image frame, the part of a picture a sprite or font draws.
#pragma once

#include "kuExceptions.h"
#include "kuGeomUtil.h"
#include "kuImages.h"

class kuScreen;

// The rectangle of the given extent whose centre is `centre` (halves truncated).
inline kuRectangle centredRect(const pt& centre, uint32_t width, uint32_t height) {
    kuRectangle rect;
    rectManip::init(rect, centre.x - int32_t(width / 2), centre.y - int32_t(height / 2), width,
                    height);
    return rect;
}

// A picture and the rectangle of it to show. The image is not owned.
struct kuImageFrame {
    kuImage* image;
    kuRectangle rect;

    // Draws the frame with its top-left corner at `at`.
    void display(const pt& at) const {
        if (image == nullptr)
            kuE::kuRaiseBug("pointer image is NULL in kuImageFrame::display");
        image->display(rect, at);
    }
    // Draws the frame centred on `centre` (halves of the extent truncated).
    void displayCentered(const pt& centre) const {
        if (image == nullptr)
            kuE::kuRaiseBug("pointer image is NULL in kuImageFrame::displayCentered");
        image->display(rect, rectManip::position(centredRect(centre, rect.width, rect.height)));
    }
};

class kuAbsSprite {
public:
    kuAbsSprite();
    virtual ~kuAbsSprite() = default;

    // Takes over position and previous position; the screen link is not copied.
    virtual void assignState(kuAbsSprite* other);
    virtual void setScreen(kuScreen* newScreen) { screen = newScreen; }
    virtual void show() = 0;
    virtual void act() = 0;
    virtual void erase() = 0;

    void updateOldPos() { oldPos = pos; }

    kuScreen* screen;
    pt oldPos; // the position before the last move
    pt pos;    // the point the picture is centred on
};
