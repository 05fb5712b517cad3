#include "introInput.h"

IntroInputHandler::IntroInputHandler() : quit(false), proceed(false) {}

void IntroInputHandler::activate() {
    kuInputHandler::activate();
    quit = false;
    proceed = false;
}

void IntroInputHandler::handleEvent(SDL_Event* event) {
    if (event->type == SDL_KEYDOWN)
        proceed = true;
    else if (event->type == SDL_QUIT)
        quit = true;
    // Any event at all goes on while the left button alone is held, even a mouse motion.
    if (SDL_GetMouseState(nullptr, nullptr) == SDL_BUTTON(SDL_BUTTON_LEFT))
        proceed = true;
}
