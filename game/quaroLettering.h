// The lettering the game writes its messages in: the letters, capitals, digits and signs of the
// font picture (fontLayout.h), 25 pixels high, letters and digits 15 pixels wide, signs as narrow
// as they are, and spaces of 8 pixels. The three letters with umlauts of the name entry keep
// their codes, 125 to 127, so that a name reads as it was typed.
#pragma once

#include "kuBitmapFont.h"

#include <string>

class kuImage;

class quaroLettering : public kuBitmapFont {
public:
    static constexpr int height = 25;
    static constexpr int spaceAdvance = 8;

    using kuBitmapFont::open;
    // Cuts the glyphs from the font picture (not owned), which draws through its own screen.
    void open(kuImage* image);

    // Writes the text with its top-left corner at `at`; raises, as every font does, at a
    // character without a glyph (see drawable).
    void drawText(const char* text, const pt& at) override;
    void drawText(const std::string& text, const pt& at) { drawText(text.c_str(), at); }
    // Writes the text centred on x, its top at y.
    void drawCentred(const std::string& text, int32_t x, int32_t y);
    // Pixels the text takes.
    int32_t width(const std::string& text);
    // The text with every character the lettering has no glyph for turned into a space.
    std::string drawable(std::string text);

private:
    bool hasGlyph(char c);
};
