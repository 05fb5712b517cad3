// The title screens' handler: any key press, gamepad button or the left mouse button on the
// picture goes on, a window close asks to leave. The flags are cleared by activate at the start of
// every screen.
#pragma once

#include "kuGamepad.h"
#include "kuGeomUtil.h"
#include "kuInput.h"

class kuScreen;

class IntroInputHandler : public kuInputHandler {
public:
    IntroInputHandler();

    void activate() override;
    void handleEvent(SDL_Event* event) override;
    // Goes on when the output point (a mouse position) shows the picture, not the border.
    void clickAt(const pt& outputPoint);

    bool quit;        // the window was closed
    bool proceed;     // a key or the left button alone
    kuScreen* screen; // not owned; maps the mouse to the canvas, which it is while null

private:
    kuPadReader pad;
};
