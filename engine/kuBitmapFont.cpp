#include "kuBitmapFont.h"

#include <new>

kuBitmapFont::kuBitmapFont() : screen(nullptr), rangeStart(0), rangeEnd(0) {}

kuBitmapFont::~kuBitmapFont() {
    if (isOpen())
        kuBitmapFont::close();
}

void kuBitmapFont::open() {
    if (isOpen())
        kuE::kuRaiseBug("Bitmap font is already open in kuBitmapFont::open()!");
    if (rangeStart >= rangeEnd)
        kuE::kuRaiseBug("Invalid character range specified in kuBitmapFont::open()!");
    glyphs.reset(new (std::nothrow) kuImageFrame[rangeEnd - rangeStart + 1]());
    if (!glyphs)
        kuE::kuRaiseGeneric("MEMORY", "Out of memory!");
}

void kuBitmapFont::close() {
    if (!isOpen())
        kuE::kuRaiseBug("Bitmap font has not been opened in kuBitmapFont::close()!");
    glyphs.reset();
}

kuImageFrame* kuBitmapFont::getChar(char c) {
    if (!isOpen())
        kuE::kuRaiseBug("Bitmap font is not open in kuBitmapFont::getChar()!");
    const signed char code = static_cast<signed char>(c);
    if (code < rangeStart || code > rangeEnd)
        kuE::kuRaiseBug("Character out of range in kuBitmapFont::getChar()!");
    return &glyphs[code - rangeStart];
}

void kuBitmapFont::drawText(const char* text, const pt& at) {
    pt pen = at;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == ' ') {
            pen.x += spaceWidth;
            continue;
        }
        const kuImageFrame* glyph = getChar(*c);
        glyph->display(pen);
        pen.x += int32_t(glyph->rect.width);
    }
}
