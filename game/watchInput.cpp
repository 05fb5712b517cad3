#include "watchInput.h"

WatchInputHandler::WatchInputHandler() : stop(false), windowClosed(false) {}

void WatchInputHandler::activate() {
    kuInputHandler::activate();
    stop = false;
    windowClosed = false;
}

void WatchInputHandler::handleEvent(SDL_Event* event) {
    switch (event->type) {
    case SDL_KEYDOWN:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_JOYBUTTONDOWN:
        stop = true;
        break;
    case SDL_QUIT:
        stop = true;
        windowClosed = true;
        break;
    default:
        break;
    }
}
