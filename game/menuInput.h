// The menus' handler: s, d (today's round), h, o and q (or Escape) choose by the key pressed, a
// gamepad's buttons start, show the table or leave as kuGamepad.h tells, a left click chooses by
// the button under the mouse, a window close quits, and a digit key names a row of the table (to
// race it when g came just before). Keys and clicks count by their events, so those made while
// the game was busy count too. Every menu picture shows its four buttons inside the same click
// areas, in canvas coordinates: the mouse is mapped from the output through the screen, and a
// click on the border chooses nothing.
#pragma once

#include "kuGamepad.h"
#include "kuGeomUtil.h"
#include "kuInput.h"

class kuScreen;

class MenuInputHandler : public kuInputHandler {
public:
    // The table's rows, and the column where a row whose run is kept shows its mark: a click
    // on a mark races that row's run, as g and its digit do.
    static constexpr int32_t tableTop = 103;
    static constexpr int32_t tableRowHeight = 23;
    static constexpr int tableRows = 10;
    static constexpr int32_t markX = 304;
    static constexpr uint32_t markSize = 20;

    MenuInputHandler();

    void activate() override;
    // A key press is judged by its key, never by the mouse; a left button press by where it
    // was pressed; every other event by the mouse while the left button alone is held.
    void handleEvent(SDL_Event* event) override;
    // Chooses the button shown at the output point (a mouse position), if any, or names the
    // row to race whose mark column it is in.
    void clickAt(const pt& outputPoint);

    kuRectangle quitRect;
    kuRectangle startRect;
    kuRectangle highscoreRect;
    kuRectangle settingsRect;
    bool quit;
    bool startGame;
    bool showHighscore;
    bool openSettings;
    bool switchList; // a: the table's menu shows its other list (the table, the assisted wins)
    bool playDaily;
    int rowKey;       // -1, or the row of the last digit pressed: 0 for key 1, ..., 9 for key 0
    bool raceRow;     // the digit of rowKey came right after g
    bool raceArmed;   // g was the last key
    kuScreen* screen; // not owned; maps the mouse to the canvas, which it is while null
    bool tableShown;  // the table's menu is on screen: the pad's table button switches its list

private:
    kuPadReader pad;
};
