#include "kuInput.h"

#include "kuPlatform.h"

int eventFilter(const SDL_Event*) {
    return 1;
}

void kuInputHandler::activate() {
    kuPlatform::setEventFilter(eventFilter);
}

void kuInputHandler::pollEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event))
        dispatch(event);
}

void kuInputHandler::waitEvent() {
    SDL_Event event;
    if (kuPlatform::waitEvent(&event))
        dispatch(event);
}

void kuInputHandler::dispatch(SDL_Event& event) {
    if (hook == nullptr || !hook->takeEvent(event))
        handleEvent(&event);
}
