// The name entry on the congratulation screen: letters (as lower-case), digits, the space and
// three extra letters are typed at the cursor, at most 10 characters; Escape, Return or Enter
// finish.
// Every change is drawn at once over the restored text area.
#pragma once

#include "kuGeomUtil.h"
#include "kuInput.h"

class kuImage;
class kuScreen;
class quaroCounter;

class EnterInputHandler : public kuInputHandler {
public:
    static constexpr int maxNameLength = 10;

    EnterInputHandler();

    // Starts a new entry: empty name, cursor at 0 and visible, not done.
    void activate() override;
    void handleEvent(SDL_Event* event) override;
    // Restores the text area from the background (if any), draws the name and the cursor at
    // the font's position, and updates the screen.
    virtual void show();

    int32_t cursor; // insertion index into name, 0 to its length
    char cursorText[2];
    char name[maxNameLength + 1];
    quaroCounter* font;  // not owned; its pos is the text origin
    kuScreen* screen;    // not owned
    kuImage* background; // not owned; null when there is none
    kuRectangle textRect;
    bool cursorVisible;
    bool done;

private:
    void type(char c);
    void erasePrevious();
};
