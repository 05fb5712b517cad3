// A bitmap font of 15 x 25 glyphs (letters, digits and five signs) that also keeps a time of
// minutes and seconds: during a round it advances one second every 27 ticks, stops at 59:59,
// never goes below 00:00 and shows itself as "mm|ss" over the restored maze.
#pragma once

#include "kuBitmapFont.h"

class kuImage;
class vorlanMaze;

class quaroCounter : public kuBitmapFont {
public:
    static constexpr int glyphWidth = 15;
    static constexpr int glyphHeight = 25;
    static constexpr int textWidth = 75; // five glyphs: the area restored under the time

    quaroCounter();
    ~quaroCounter() override;

    using kuBitmapFont::open;
    // Sets the range '0' to 127 and cuts the glyphs from image (not owned).
    virtual void open(kuImage* image);
    void close() override;
    virtual void localClose();
    // Also ties the font picture to the screen, since the glyphs draw through it.
    void setScreen(kuScreen* newScreen) override;

    // Sets the time; the first second then comes on the second tick. Draws nothing.
    void giveTime(int newMinutes, int newSeconds);
    int getMinutes() const { return minutes; }
    int getSeconds() const { return seconds; }
    // Adds n seconds (n may be negative). Draws nothing.
    void addSec(int n);
    // Once per frame: every 27th call advances the time a second and shows it.
    void tick();
    // Restores the background under 75 pixels at pos, if there is one, and draws the time.
    void showTime();

    kuImage* fontImage; // not owned
    int minutes;
    int seconds;
    int frameTicks;
    vorlanMaze* background; // not owned
    pt pos;                 // top-left corner of the text
};
