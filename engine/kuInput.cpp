#include "kuInput.h"

int eventFilter(const SDL_Event*) {
    return 1;
}

void kuInputHandler::activate() {
    SDL_SetEventFilter(eventFilter);
}

void kuInputHandler::pollEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event))
        handleEvent(&event);
}

void kuInputHandler::waitEvent() {
    SDL_Event event;
    if (SDL_WaitEvent(&event))
        handleEvent(&event);
}
