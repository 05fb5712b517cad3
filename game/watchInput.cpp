#include "watchInput.h"

#include <utility>

WatchInputHandler::WatchInputHandler() : stop(false) {}

void WatchInputHandler::activate() {
    kuInputHandler::activate();
    stop = false;
    actions.clear();
}

void WatchInputHandler::handleEvent(SDL_Event* event) {
    switch (event->type) {
    case SDL_KEYDOWN: {
        const viewerAction action = viewerActionOf(event->key.keysym.sym);
        if (action == viewerAction::none)
            stop = true;
        else
            actions.push_back(action);
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_JOYBUTTONDOWN:
    case SDL_QUIT:
        stop = true;
        break;
    default:
        break;
    }
}

std::vector<viewerAction> WatchInputHandler::takeActions() {
    return std::exchange(actions, {});
}
