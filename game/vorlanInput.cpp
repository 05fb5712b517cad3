#include "vorlanInput.h"

#include "kuPlatform.h"
#include "vorlanCharSprite.h"

VorlanInputHandler::VorlanInputHandler() : quit(false), sprite(nullptr) {}

void VorlanInputHandler::activate() {
    kuInputHandler::activate();
    quit = false;
    if (sprite != nullptr) {
        sprite->wantedDX = 0;
        sprite->wantedDY = 0;
    }
}

void VorlanInputHandler::handleEvent(SDL_Event* event) {
    switch (event->type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        if (sprite == nullptr)
            return;
        const Uint8* held = kuPlatform::heldKeys();
        sprite->wantedDY = held[SDLK_DOWN] ? 1 : (held[SDLK_UP] ? -1 : 0);
        sprite->wantedDX = held[SDLK_RIGHT] ? 1 : (held[SDLK_LEFT] ? -1 : 0);
        if (held[SDLK_ESCAPE])
            quit = true;
        break;
    }
    case SDL_QUIT:
        quit = true;
        break;
    default:
        break;
    }
}
