#include "screens.h"

#include "canvas.h"
#include "characters.h"
#include "palette.h"
#include "rng.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace screens {
namespace {

using characters::portrait;
using characters::who;

constexpr double horizonY = 330;
constexpr uint64_t desertSeed = 1881;

struct Sky {
    rgba top, low, sun, farRock, nearRock;
};
constexpr Sky daySky{palette::skyTop, palette::skyLow, palette::sun, palette::mesaFar,
                     palette::mesa};
constexpr Sky duskSky{{58, 40, 104, 255},
                      {244, 112, 78, 255},
                      {255, 196, 120, 255},
                      {150, 70, 96, 255},
                      {104, 44, 58, 255}};

void gradient(const Canvas& c, double y0, rgba top, double y1, rgba low) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 1, low.r / 255.0, low.g / 255.0, low.b / 255.0);
    cairo_set_source(c.cr(), g);
    cairo_fill(c.cr());
    cairo_pattern_destroy(g);
}

void drawMesas(const Canvas& c, const double (*points)[2], int count, double baseY, rgba fill) {
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 0, baseY);
    for (int i = 0; i < count; ++i)
        cairo_line_to(cr, points[i][0], points[i][1]);
    cairo_line_to(cr, widthPx, baseY);
    cairo_close_path(cr);
    c.fillEdge(fill, shade(fill, 0.35), 2.0);
}

void drawCactus(const Canvas& c, double x, double groundY, double height) {
    const double w = height * 0.16;
    auto limb = [&](double x0, double y0, double x1, double y1) {
        c.capsule(x0, y0, x1, y1, w + 4, palette::ink);
    };
    auto flesh = [&](double x0, double y0, double x1, double y1) {
        c.capsule(x0, y0, x1, y1, w, palette::cactus);
    };
    const double armY = groundY - height * 0.55;
    const double arms[][4] = {
        {x, groundY, x, groundY - height},
        {x, armY, x - height * 0.3, armY},
        {x - height * 0.3, armY, x - height * 0.3, armY - height * 0.25},
        {x, armY - height * 0.12, x + height * 0.28, armY - height * 0.12},
        {x + height * 0.28, armY - height * 0.12, x + height * 0.28, armY - height * 0.42}};
    for (const auto& a : arms)
        limb(a[0], a[1], a[2], a[3]);
    for (const auto& a : arms)
        flesh(a[0], a[1], a[2], a[3]);
    c.capsule(x - w * 0.2, groundY - 4, x - w * 0.2, groundY - height + 4, w * 0.15,
              shade(palette::cactus, -0.3));
}

void drawBackdrop(const Canvas& c, const Sky& sky) {
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, widthPx, horizonY);
    gradient(c, 0, sky.top, horizonY, sky.low);
    for (int ring = 3; ring >= 1; --ring) {
        c.circle(610, 130, 40 + ring * 14);
        cairo_set_source_rgba(cr, sky.sun.r / 255.0, sky.sun.g / 255.0, sky.sun.b / 255.0, 0.12);
        cairo_fill(cr);
    }
    c.circle(610, 130, 42);
    c.fill(sky.sun);
    const double far[][2] = {{0, 262},   {60, 262},  {75, 240},  {150, 240}, {168, 270},
                             {300, 272}, {318, 250}, {380, 250}, {392, 276}, {520, 280},
                             {540, 236}, {640, 236}, {660, 268}, {760, 268}};
    drawMesas(c, far, 14, horizonY, sky.farRock);
    const double near[][2] = {{0, 200},   {90, 200},  {104, 220}, {118, 300},
                              {200, 318}, {560, 320}, {630, 300}, {640, 214},
                              {700, 214}, {716, 250}, {760, 250}};
    drawMesas(c, near, 11, horizonY + 2, sky.nearRock);
    cairo_rectangle(cr, 0, horizonY, widthPx, heightPx - horizonY);
    gradient(c, horizonY, palette::sandLight, heightPx, palette::sandShade);
    Rng rng(desertSeed);
    for (int i = 0; i < 160; ++i) {
        const double y = rng.range(horizonY + 6, heightPx);
        c.ellipse(rng.range(0, widthPx), y, 1 + (y - horizonY) / 90, 0.6 + (y - horizonY) / 160);
        c.fill(palette::pebble);
    }
}

Lettering titleLook(double size) {
    Lettering look;
    look.sizePx = size;
    look.edgePx = std::max(3.0, size / 11);
    look.shadowPx = std::max(2.0, size / 18);
    return look;
}

Lettering textLook(double size) {
    Lettering look;
    look.sizePx = size;
    look.edgePx = 3.2;
    return look;
}

void say(const Canvas& c, const TypeFace& face, const std::string& text, double x, double y,
         double size, align where = align::centre) {
    letter(c, face, text, x, y, where, textLook(size));
}

void bigTitle(const Canvas& c, const TypeFace& face, const std::string& text, double y,
              double size) {
    letter(c, face, text, widthPx / 2.0, y, align::centre, titleLook(size));
}

// A plain board: flat inside, so that what the game writes on it reads the same everywhere.
void board(const Canvas& c, double x, double y, double w, double h) {
    c.roundedBox(x, y, w, h, 10);
    c.fillEdge(palette::woodDeep, palette::ink, 3.0);
    c.roundedBox(x + 5, y + 5, w - 10, h - 10, 6);
    c.stroke(palette::woodDark, 1.5);
}

void button(const Canvas& c, const TypeFace& face, const area& a, char key,
            const std::string& label) {
    const double x = a.x + 2, y = a.y + 2, w = a.width - 4, h = a.height - 4;
    c.roundedBox(x, y, w, h, 7);
    gradient(c, y, palette::woodLight, y + h, palette::wood);
    c.roundedBox(x, y, w, h, 7);
    c.stroke(palette::ink, 2.0);
    c.roundedBox(x + 7, y + 7, h - 14, h - 14, 5);
    c.fillEdge(palette::woodDeep, palette::ink, 1.5);
    say(c, face, std::string(1, key), x + 7 + (h - 14) / 2, y + h / 2 + 8, 24);
    const double labelX = x + h + 2, room = w - h - 8;
    double size = 24;
    while (textWidth(c, face, label, size) > room)
        size -= 0.5;
    say(c, face, label, labelX + room / 2, y + h / 2 + size * 0.33, size);
}

// The board of the menu with its four buttons, the same on every picture a menu runs over.
void menuBoard(const Canvas& c, const TypeFace& face) {
    board(c, 28, 240, 194, 266);
    button(c, face, settingsArea, 'o', "settings");
    button(c, face, startArea, 's', "start");
    button(c, face, scoresArea, 'h', "high scores");
    button(c, face, quitArea, 'q', "quit");
}

void pressAnyKey(const Canvas& c, const TypeFace& face) {
    say(c, face, "press any key or click", widthPx / 2.0, 500, 26);
}

void pasteScaled(const Canvas& c, const Picture& picture, int sx, int sy, int sw, int sh, double x,
                 double y, double scale) {
    const Picture part = picture.crop(sx, sy, sw, sh);
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_surface_t* surface = surfaceOf(part);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_surface_destroy(surface);
    cairo_restore(cr);
}

} // namespace

Picture title(const TypeFace& face) {
    Canvas c(widthPx, heightPx);
    drawBackdrop(c, daySky);
    bigTitle(c, face, "quaro", 150, 150);
    say(c, face, "the kid", widthPx / 2.0 + 150, 196, 40);
    drawCactus(c, 90, 420, 120);
    drawCactus(c, 690, 400, 90);
    characters::drawPortrait(c, who::kid, portrait::standing, 380, 460, 5.2);
    characters::drawPortrait(c, who::outlaw, portrait::walking, 560, 440, 3.2, true);
    characters::drawPortrait(c, who::outlaw, portrait::walking, 200, 440, 3.2);
    pressAnyKey(c, face);
    return c.picture();
}

Picture howToPlay(const TypeFace& face, const Art& art) {
    Canvas c(widthPx, heightPx);
    drawBackdrop(c, daySky);
    c.roundedBox(16, 66, widthPx - 32, 412, 14);
    c.fillEdge(rgba{88, 52, 30, 235}, palette::ink, 3.0);
    bigTitle(c, face, "how to play", 56, 54);

    // The rules, each beside a picture of what it is about.
    constexpr double ruleX = 104, ruleSize = 17, ruleLine = 20;
    struct Rule {
        double y;
        const char* first;
        const char* second;
    };
    const Rule rules[] = {
        {96, "pick up all 106 goods of the general store: the last one",
         "opens the gate, and walking into the house wins."},
        {150, "a mug of root beer makes you super for a while: outlaws you",
         "touch are knocked out, each takes 10 seconds off your time."},
        {204, "turning arrows stop you when you walk against them; wait.", nullptr},
        {240, "an outlaw who catches you knocks you out!", nullptr},
    };
    for (const Rule& rule : rules) {
        say(c, face, rule.first, ruleX, rule.y, ruleSize, align::left);
        if (rule.second)
            say(c, face, rule.second, ruleX, rule.y + ruleLine, ruleSize, align::left);
    }
    pasteScaled(c, art.products, 0, 0, 59, 40, 32, 78, 1.0);
    pasteScaled(c, art.mugs, 0, 0, 40, 40, 42, 128, 1.2);
    pasteScaled(c, art.arrow, 80, 0, 40, 40, 46, 180, 1.0);
    characters::drawPortrait(c, who::outlaw, portrait::walking, 66, 252, 1.0, true);

    c.capsule(40, 262, widthPx - 40, 262, 2, palette::woodDark);

    // Every key, and the gamepad.
    constexpr double keyX = 44, meaningX = 300, keySize = 17, keyLine = 20, firstKeyY = 284;
    struct Key {
        const char* keys;
        const char* meaning;
    };
    const Key keys[] = {
        {"arrow keys or W A S D", "steer Quaro"},
        {"P", "pause; P or Space goes on"},
        {"Esc", "leave the round"},
        {"M", "sound off and on"},
        {"F11 or Alt+Enter", "window or full screen"},
        {"S, D, H, O, Q on the menus", "start, today's round, table, settings, quit"},
        {"1 to 9, 0 on the table", "watch a run; G first: race it; A: assisted wins"},
        {"gamepad", "d-pad or stick steers; A confirms, B: table,"},
        {"", "Start pauses, Back leaves (settings rebind them)"},
    };
    Lettering keyLook = textLook(keySize);
    keyLook.top = palette::white;
    keyLook.bottom = palette::gold;
    for (size_t i = 0; i < sizeof keys / sizeof keys[0]; ++i) {
        const double y = firstKeyY + keyLine * double(i);
        letter(c, face, keys[i].keys, keyX, y, align::left, keyLook);
        say(c, face, keys[i].meaning, meaningX, y, keySize, align::left);
    }
    pressAnyKey(c, face);
    return c.picture();
}

Picture menu(const TypeFace& face) {
    Canvas c(widthPx, heightPx);
    drawBackdrop(c, daySky);
    bigTitle(c, face, "quaro", 130, 130);
    menuBoard(c, face);
    drawCactus(c, 700, 430, 110);
    characters::drawPortrait(c, who::kid, portrait::drinking, 440, 470, 4.2);
    characters::drawPortrait(c, who::outlaw, portrait::walking, 610, 455, 3.4, true);
    say(c, face, "press s, d, h, o or q, or click", 470, 508, 20);
    // Where the game adds today's best time of the daily round, when there is one.
    say(c, face, "d: today's round", 100, 30, 20);
    return c.picture();
}

Picture gameOver(const TypeFace& face) {
    Canvas c(widthPx, heightPx);
    drawBackdrop(c, duskSky);
    bigTitle(c, face, "game over", 130, 110);
    say(c, face, "the outlaws got you, partner.", 480, 200, 28);
    board(c, gameOverBoard.x, gameOverBoard.y, gameOverBoard.width, gameOverBoard.height);
    menuBoard(c, face);
    characters::drawPortrait(c, who::kid, portrait::knockedOut, 540, 430, 4.4);
    characters::drawPortrait(c, who::outlaw, portrait::standing, 690, 470, 3.2);
    return c.picture();
}

Picture congratulation(const TypeFace& face) {
    Canvas c(widthPx, heightPx);
    drawBackdrop(c, daySky);
    bigTitle(c, face, "you made it!", 120, 96);
    say(c, face, "you got home safe, but the table", 480, 190, 28);
    say(c, face, "holds ten faster riders. try again!", 480, 226, 28);
    menuBoard(c, face);
    characters::drawPortrait(c, who::kid, portrait::standing, 470, 480, 4.6);
    drawCactus(c, 680, 440, 120);
    return c.picture();
}

Picture newRecord(const TypeFace& face) {
    Canvas c(widthPx, heightPx);
    drawBackdrop(c, daySky);
    bigTitle(c, face, "a new record!", 120, 96);
    say(c, face, "you are one of the ten fastest riders.", widthPx / 2.0, 200, 28);
    say(c, face, "type your name and press return:", widthPx / 2.0, 320, 28);
    board(c, nameField.x - 14, nameField.y - 12, nameField.width + 28, nameField.height + 24);
    characters::drawPortrait(c, who::superKid, portrait::standing, 120, 470, 4.4);
    drawCactus(c, 680, 460, 120);
    return c.picture();
}

Picture highScores(const TypeFace& face) {
    Canvas c(widthPx, heightPx);
    drawBackdrop(c, daySky);
    bigTitle(c, face, "high scores", 56, 56);
    constexpr int rows = 10, glyphPx = 15, timeGlyphs = 5;
    const double left = 300, top = 70;
    const double right = tableTimeX + timeGlyphs * glyphPx + 24;
    const double bottom = tableFirstRowY + (rows - 1) * tableRowStepPx + 25 + 12;
    board(c, left, top, right - left, bottom - top);
    say(c, face, "name", tableNameX, 95, 18, align::left);
    say(c, face, "time", tableTimeX, 95, 18, align::left);
    for (int i = 0; i < rows; ++i) {
        const double baseline = tableFirstRowY + i * tableRowStepPx + 19;
        say(c, face, std::to_string(i + 1) + ".", tableNameX - 12, baseline, 20, align::right);
    }
    menuBoard(c, face);
    characters::drawPortrait(c, who::kid, portrait::standing, 700, 470, 3.0);
    return c.picture();
}

Picture credits(const TypeFace& face) {
    Canvas c(widthPx, heightPx);
    drawBackdrop(c, duskSky);
    bigTitle(c, face, "thanks for playing!", 100, 76);
    const char* lines[] = {"quaro, a maze chase out west",
                           "code, pictures and sounds:",
                           "the quaro team",
                           "every picture drawn and every sound",
                           "played by the game's own generator",
                           "so long, partner!"};
    double y = 170;
    for (const char* line : lines) {
        say(c, face, line, widthPx / 2.0, y, 28);
        y += 42;
    }
    characters::drawPortrait(c, who::kid, portrait::walking, 120, 490, 3.0, true);
    characters::drawPortrait(c, who::outlaw, portrait::knockedOut, 640, 470, 3.0);
    return c.picture();
}

Picture runMark() {
    constexpr int widthPx = 20;
    constexpr int heightPx = 20;
    Canvas c(widthPx, heightPx);
    c.roundedBox(1.5, 1.5, widthPx - 3, heightPx - 3, 4);
    c.fillEdge(palette::woodDeep, palette::ink, 1.5);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 7, 5.5);
    cairo_line_to(cr, 15, 10);
    cairo_line_to(cr, 7, 14.5);
    cairo_close_path(cr);
    c.fill(palette::sandLight);
    Picture mark = c.picture();
    mark.snapAlpha();
    return mark;
}

} // namespace screens
