// The one lettering of the game: a bold condensed serif from Debian's DejaVu fonts, filled
// with a sunny gradient and edged in ink. The glyphs of the game font and every text of the
// screens are drawn with it, so both share one look.
#pragma once

#include "canvas.h"
#include "palette.h"

#include <cairo.h>

#include <memory>
#include <string>

// Loads the type face file once; its glyphs serve every picture of a run.
class TypeFace {
public:
    explicit TypeFace(const std::string& fontFile);
    ~TypeFace();
    TypeFace(const TypeFace&) = delete;
    TypeFace& operator=(const TypeFace&) = delete;

    // Makes this face the current font of `cr` at `sizePx` pixels.
    void use(cairo_t* cr, double sizePx) const;

private:
    struct FreeType;
    std::unique_ptr<FreeType> freeType;
    cairo_font_face_t* face;
};

// Debian's DejaVu Serif Condensed Bold, from fonts-dejavu-core; the build names the file.
#ifndef QUARO_GAME_FONT
#define QUARO_GAME_FONT "/usr/share/fonts/truetype/dejavu/DejaVuSerifCondensed-Bold.ttf"
#endif
constexpr const char* gameFontFile = QUARO_GAME_FONT;

enum class align { left, centre, right };

struct Lettering {
    double sizePx = 24;
    rgba top = palette::glyphTop;
    rgba bottom = palette::glyphBottom;
    rgba edge = palette::ink;
    double edgePx = 3;   // full width of the ink edge; half of it lies outside the glyphs
    double shadowPx = 0; // offset of a hard ink shadow down and right, 0 for none
};

// Width in pixels of `text` set in the face at `sizePx`.
double textWidth(const Canvas& canvas, const TypeFace& face, const std::string& text,
                 double sizePx);
// Draws `text` with its baseline at y and its left edge, centre or right edge at x.
void letter(const Canvas& canvas, const TypeFace& face, const std::string& text, double x,
            double baselineY, align where, const Lettering& look);
