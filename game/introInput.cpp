#include "introInput.h"

#include "kuScreen.h"

IntroInputHandler::IntroInputHandler() : quit(false), proceed(false), screen(nullptr) {}

void IntroInputHandler::activate() {
    kuInputHandler::activate();
    quit = false;
    proceed = false;
}

void IntroInputHandler::handleEvent(SDL_Event* event) {
    if (event->type == SDL_KEYDOWN || pad.read(*event) == kuPadReader::meaning::pressed)
        proceed = true;
    else if (event->type == SDL_QUIT)
        quit = true;
    // A click made while the game was busy is over by the time it is handled.
    if (const std::optional<pt> click = kuLeftClickAt(*event))
        clickAt(*click);
    // Any event at all goes on while the left button alone is held, even a mouse motion.
    if (const std::optional<pt> mouse = kuLeftButtonAloneAt())
        clickAt(*mouse);
}

void IntroInputHandler::clickAt(const pt& outputPoint) {
    if (screen == nullptr || screen->toCanvas(outputPoint))
        proceed = true;
}
