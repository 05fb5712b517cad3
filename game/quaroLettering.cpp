#include "quaroLettering.h"

#include "fontLayout.h"
#include "kuImages.h"

namespace {

constexpr signed char firstCode = '!';
constexpr signed char lastCode = 127;
constexpr int umlautsColumn = 2; // the three letters with umlauts in the counter's row
constexpr int umlautCount = 3;
constexpr char firstUmlaut = '}';

} // namespace

void quaroLettering::open(kuImage* image) {
    using namespace fontLayout;
    rangeStart = firstCode;
    rangeEnd = lastCode;
    kuBitmapFont::open();
    // The left part of a sign's cell, the centred part of the others.
    const auto cut = [this, image](char code, int column, int row, int width, bool centred) {
        kuImageFrame* glyph = getChar(code);
        glyph->image = image;
        const int left = glyphWidth * column + (centred ? (glyphWidth - width) / 2 : 0);
        rectManip::init(glyph->rect, left, glyphHeight * row, uint32_t(width), glyphHeight);
    };
    for (int i = 0; i < 26; ++i) {
        cut(char('a' + i), i, letterRow, letterWidths[i], true);
        cut(char('A' + i), i, capitalRow, capitalWidths[i], true);
    }
    for (int i = 0; i < 10; ++i)
        cut(char('0' + i), i, digitRow, digitWidths[i], true);
    for (int i = 0; i < umlautCount; ++i)
        cut(char(firstUmlaut + i), umlautsColumn + i, counterRow, glyphWidth, true);
    for (int i = 0; i < signCount; ++i)
        cut(signs[i].code, i, signRow, signs[i].width, false);
}

void quaroLettering::drawText(const char* text, const pt& at) {
    pt pen = at;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == ' ') {
            pen.x += spaceAdvance;
            continue;
        }
        const kuImageFrame* glyph = getChar(*c);
        glyph->display(pen);
        pen.x += int32_t(glyph->rect.width);
    }
}

void quaroLettering::drawCentred(const std::string& text, int32_t x, int32_t y) {
    drawText(text, {x - width(text) / 2, y});
}

int32_t quaroLettering::width(const std::string& text) {
    int32_t pixels = 0;
    for (char c : text)
        pixels += c == ' ' ? spaceAdvance : int32_t(getChar(c)->rect.width);
    return pixels;
}

std::string quaroLettering::drawable(std::string text) {
    for (char& c : text)
        if (!hasGlyph(c))
            c = ' ';
    return text;
}

bool quaroLettering::hasGlyph(char c) {
    const signed char code = static_cast<signed char>(c);
    return code >= rangeStart && code <= rangeEnd && getChar(c)->image != nullptr;
}
