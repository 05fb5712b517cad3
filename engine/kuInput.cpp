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
        dispatch(event);
}

void kuInputHandler::waitEvent() {
    SDL_Event event;
    if (SDL_WaitEvent(&event))
        dispatch(event);
}

void kuInputHandler::dispatch(SDL_Event& event) {
    if (hook == nullptr || !hook->takeEvent(event))
        handleEvent(&event);
}
