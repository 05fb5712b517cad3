#include "enterInput.h"

#include "kuImages.h"
#include "kuScreen.h"
#include "quaroCounter.h"

#include <cstring>

namespace {

constexpr char cursorGlyph = '{';
// The font's three extra letters, typed with the backquote, quote and right-bracket keys.
constexpr char extraLetter1 = 125;
constexpr char extraLetter2 = 126;
constexpr char extraLetter3 = 127;

// The character of the name a typed character gives, or 0 for one the name cannot hold. The
// table keeps lower-case letters only, so capitals are typed as lower-case.
char nameCharacter(char typed) {
    if (typed >= 'a' && typed <= 'z')
        return typed;
    if (typed >= 'A' && typed <= 'Z')
        return char(typed - 'A' + 'a');
    if ((typed >= '0' && typed <= '9') || typed == ' ')
        return typed;
    switch (typed) {
    case '`':
        return extraLetter1;
    case '\'':
        return extraLetter2;
    case ']':
        return extraLetter3;
    default:
        return 0;
    }
}

} // namespace

EnterInputHandler::EnterInputHandler()
    : cursor(0), cursorText{cursorGlyph, '\0'}, name{}, font(nullptr), screen(nullptr),
      background(nullptr), textRect(rectManip::zeroRect), cursorVisible(true), done(false) {}

void EnterInputHandler::activate() {
    kuInputHandler::activate();
    done = false;
    name[0] = '\0';
    cursor = 0;
    cursorVisible = true;
}

void EnterInputHandler::handleEvent(SDL_Event* event) {
    // Keys queued behind the end of the entry are not part of the name.
    if (done)
        return;
    cursorVisible = true;
    if (event->type == SDL_QUIT)
        done = true;
    bool typed = false;
    for (const char c : kuTypedText(*event))
        if (const char letter = nameCharacter(c)) {
            type(letter);
            typed = true;
        }
    if (typed) {
        show();
    } else if (event->type == SDL_KEYDOWN) {
        const SDLKey key = event->key.keysym.sym;
        const int length = int(std::strlen(name));
        if (key == SDLK_BACKSPACE && cursor > 0) {
            erasePrevious();
            show();
        } else if (key == SDLK_LEFT && cursor > 0) {
            --cursor;
            show();
        } else if (key == SDLK_RIGHT && cursor < length) {
            ++cursor;
            show();
        } else if (key == SDLK_ESCAPE || key == SDLK_RETURN || key == SDLK_KP_ENTER) {
            done = true;
        }
    }
    if (done) {
        cursorVisible = false;
        show();
    }
}

void EnterInputHandler::type(char c) {
    const int length = int(std::strlen(name));
    if (length >= maxNameLength)
        return;
    std::memmove(name + cursor + 1, name + cursor, size_t(length - cursor + 1));
    name[cursor++] = c;
}

void EnterInputHandler::erasePrevious() {
    const int length = int(std::strlen(name));
    std::memmove(name + cursor - 1, name + cursor, size_t(length - cursor + 1));
    --cursor;
}

void EnterInputHandler::show() {
    const pt origin = font->pos;
    if (background != nullptr)
        background->display(textRect, origin);
    font->drawText(name, origin);
    if (cursorVisible)
        font->drawText(cursorText, {origin.x + quaroCounter::glyphWidth * cursor, origin.y});
    screen->update();
}
