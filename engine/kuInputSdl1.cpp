// Keys, typing and the mouse on SDL 1.2 (the classic desktop build and the browser's): the key
// state is indexed by key names, and a key press carries the character it types.
#include "kuInput.h"

namespace {

// The keys of printable ASCII characters are named by the characters.
constexpr int firstPrintable = ' ';
constexpr int lastPrintable = '~';

} // namespace

bool kuHeldKeys::operator[](SDLKey key) const {
    return state[key] != 0;
}

bool kuIsModifierKey(SDLKey key) {
    return key >= SDLK_NUMLOCK && key <= SDLK_COMPOSE;
}

std::string kuTypedText(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN)
        return "";
    const int key = event.key.keysym.sym;
    if (key < firstPrintable || key > lastPrintable)
        return "";
    return std::string(1, char(key));
}

bool kuIsKeyRepeat(const SDL_Event&) {
    return false;
}

std::optional<pt> kuLeftButtonAloneAt() {
    int x = 0;
    int y = 0;
    if (SDL_GetMouseState(&x, &y) != SDL_BUTTON(SDL_BUTTON_LEFT))
        return std::nullopt;
    return pt{x, y};
}

std::optional<pt> kuLeftClickAt(const SDL_Event& event) {
    if (event.type != SDL_MOUSEBUTTONDOWN || event.button.button != SDL_BUTTON_LEFT)
        return std::nullopt;
    return pt{event.button.x, event.button.y};
}
