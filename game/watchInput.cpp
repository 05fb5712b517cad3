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
        const SDLKey key = event->key.keysym.sym;
        // Shift and the like come before the keys they change (+ is Shift and = on many
        // keyboards): they neither act nor stop.
        if (kuIsModifierKey(key))
            break;
        const viewerAction action = viewerActionOf(key);
        if (action == viewerAction::none)
            stop = true;
        else
            actions.push_back(action);
        break;
    }
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

std::vector<viewerAction> WatchInputHandler::takeActions() {
    return std::exchange(actions, {});
}
