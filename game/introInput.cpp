#include "introInput.h"

#include "kuScreen.h"

IntroInputHandler::IntroInputHandler() : quit(false), proceed(false), screen(nullptr) {}

void IntroInputHandler::activate() {
    kuInputHandler::activate();
    quit = false;
    proceed = false;
}

void IntroInputHandler::handleEvent(SDL_Event* event) {
    if (event->type == SDL_KEYDOWN || event->type == SDL_JOYBUTTONDOWN)
        proceed = true;
    else if (event->type == SDL_QUIT)
        quit = true;
    // A click made while the game was busy is over by the time it is handled.
    if (event->type == SDL_MOUSEBUTTONDOWN && event->button.button == SDL_BUTTON_LEFT)
        clickAt({event->button.x, event->button.y});
    // Any event at all goes on while the left button alone is held, even a mouse motion.
    int x = 0;
    int y = 0;
    if (SDL_GetMouseState(&x, &y) == SDL_BUTTON(SDL_BUTTON_LEFT))
        clickAt({x, y});
}

void IntroInputHandler::clickAt(const pt& outputPoint) {
    if (screen == nullptr || screen->toCanvas(outputPoint))
        proceed = true;
}
