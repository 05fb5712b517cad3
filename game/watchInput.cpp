#include "watchInput.h"

WatchInputHandler::WatchInputHandler() : stop(false) {}

void WatchInputHandler::activate() {
    kuInputHandler::activate();
    stop = false;
}

void WatchInputHandler::handleEvent(SDL_Event* event) {
    switch (event->type) {
    case SDL_KEYDOWN:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_QUIT:
        stop = true;
        break;
    default:
        if (pad.read(*event) == kuPadReader::meaning::pressed)
            stop = true;
        break;
    }
}
