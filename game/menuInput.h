// The menus' handler: s, h and q (or Escape) choose by the keys held, a left click chooses by
// the button under the mouse, a window close quits. Every menu picture shows its three
// buttons inside the same click areas. A digit key names a row of the table.
#pragma once

#include "kuGeomUtil.h"
#include "kuInput.h"

class MenuInputHandler : public kuInputHandler {
public:
    MenuInputHandler();

    void activate() override;
    // A key press is judged by the whole keyboard state, never by the mouse; every other
    // event by the mouse while the left button alone is held.
    void handleEvent(SDL_Event* event) override;
    // Chooses the button whose area holds the point, if any.
    void clickAt(const pt& point);

    kuRectangle quitRect;
    kuRectangle startRect;
    kuRectangle highscoreRect;
    bool quit;
    bool startGame;
    bool showHighscore;
    int rowKey; // -1, or the row of the last digit pressed: 0 for key 1, ..., 9 for key 0
};
