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

// The character a key types, or 0 for a key that types nothing.
char typedBy(SDLKey key) {
    if (key >= SDLK_a && key <= SDLK_z)
        return char('a' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9)
        return char('0' + (key - SDLK_0));
    switch (key) {
    case SDLK_SPACE:
        return ' ';
    case SDLK_BACKQUOTE:
        return extraLetter1;
    case SDLK_QUOTE:
        return extraLetter2;
    case SDLK_RIGHTBRACKET:
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
    if (event->type == SDL_KEYDOWN) {
        const SDLKey key = event->key.keysym.sym;
        const int length = int(std::strlen(name));
        if (const char c = typedBy(key)) {
            type(c);
            show();
        } else if (key == SDLK_BACKSPACE && cursor > 0) {
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
