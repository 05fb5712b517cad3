// Text drawn from glyphs cut out of bitmaps: one image frame per character of the range
// rangeStart to rangeEnd, in character order. The subclass sets the range, calls open and
// fills the glyphs it draws; the font is open exactly while it holds the table.
#pragma once

#include "kuAbsSprite.h"

#include <memory>

class kuScreen;

class kuBitmapFont {
public:
    static constexpr int spaceWidth = 15; // pixels a space advances the pen

    kuBitmapFont();
    virtual ~kuBitmapFont();
    kuBitmapFont(const kuBitmapFont&) = delete;
    kuBitmapFont& operator=(const kuBitmapFont&) = delete;

    // Draws the glyphs side by side from `at` (their top-left corner); each glyph is recorded
    // as dirty on its own. Raises at the first character outside the range.
    virtual void drawText(const char* text, const pt& at);
    virtual void open();
    virtual void close();
    virtual void setScreen(kuScreen* newScreen) { screen = newScreen; }

    bool isOpen() const { return bool(glyphs); }
    char getRangeStart() const { return rangeStart; }
    char getRangeEnd() const { return rangeEnd; }
    kuImageFrame* getChar(char c);
    kuScreen* getScreen() const { return screen; }

protected:
    kuScreen* screen;
    std::unique_ptr<kuImageFrame[]> glyphs;
    signed char rangeStart;
    signed char rangeEnd; // inclusive
};
