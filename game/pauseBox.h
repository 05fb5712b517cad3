// The box that says a round is paused: "paused" in the game's font on a dark box in the middle
// of the maze. Showing it keeps a copy of the picture under it, and hiding it puts that copy
// back, so the round's picture comes back exactly.
#pragma once

#include "kuGeomUtil.h"
#include "kuImages.h"

class kuScreen;
class quaroCounter;

class pauseBox {
public:
    static const kuRectangle area;

    // Neither is owned; the font draws without a background of its own.
    pauseBox(kuScreen* screen, quaroCounter* font);

    // Draws the box over the picture (recorded, not yet shown).
    void show();
    // Draws back what the box covered (recorded, not yet shown); nothing when it is hidden.
    void hide();
    bool isShown() const { return under.isOpen(); }

private:
    kuScreen* screen;
    quaroCounter* font;
    kuImage under;
};
