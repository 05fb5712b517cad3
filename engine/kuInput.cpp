#include "kuInput.h"

#include "kuPlatform.h"

int eventFilter(const SDL_Event*) {
    return 1;
}

void kuInputHandler::activate() {
    kuPlatform::setEventFilter(eventFilter);
}

int kuInputHandler::pollEvents() {
    SDL_Event event;
    int count = 0;
    for (; SDL_PollEvent(&event); ++count)
        dispatch(event);
    return count;
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
