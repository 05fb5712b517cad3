// Keys, typing and the mouse on SDL 2: the key state is indexed by the keys' places on the
// keyboard (scancodes), typing arrives as text events, and the mouse moves in the window's
// points, which a display with more pixels than points makes fewer than its pixels.
#include "kuInput.h"

bool kuHeldKeys::operator[](SDLKey key) const {
    return state[SDL_GetScancodeFromKey(key)] != 0;
}

bool kuIsModifierKey(SDLKey key) {
    switch (key) {
    case SDLK_NUMLOCKCLEAR:
    case SDLK_CAPSLOCK:
    case SDLK_SCROLLLOCK:
    case SDLK_MODE:
    case SDLK_APPLICATION:
        return true;
    default:
        return key >= SDLK_LCTRL && key <= SDLK_RGUI;
    }
}

std::string kuTypedText(const SDL_Event& event) {
    if (event.type != SDL_TEXTINPUT)
        return "";
    std::string typed;
    for (const char* c = event.text.text; *c != '\0'; ++c)
        if (*c >= ' ' && *c <= '~')
            typed += *c;
    return typed;
}

bool kuIsKeyRepeat(const SDL_Event& event) {
    return event.type == SDL_KEYDOWN && event.key.repeat != 0;
}

namespace {

// The point (x, y) of the window, in the window's pixels.
pt inPixels(SDL_Window* window, int x, int y) {
    if (window == nullptr)
        return pt{x, y};
    int points = 0;
    int pointsHigh = 0;
    int pixels = 0;
    int pixelsHigh = 0;
    SDL_GetWindowSize(window, &points, &pointsHigh);
    SDL_GetWindowSizeInPixels(window, &pixels, &pixelsHigh);
    if (points <= 0 || pointsHigh <= 0)
        return pt{x, y};
    return pt{x * pixels / points, y * pixelsHigh / pointsHigh};
}

} // namespace

std::optional<pt> kuLeftButtonAloneAt() {
    int x = 0;
    int y = 0;
    if (SDL_GetMouseState(&x, &y) != SDL_BUTTON(SDL_BUTTON_LEFT))
        return std::nullopt;
    return inPixels(SDL_GetMouseFocus(), x, y);
}

std::optional<pt> kuLeftClickAt(const SDL_Event& event) {
    if (event.type != SDL_MOUSEBUTTONDOWN || event.button.button != SDL_BUTTON_LEFT)
        return std::nullopt;
    return inPixels(SDL_GetWindowFromID(event.button.windowID), event.button.x, event.button.y);
}
