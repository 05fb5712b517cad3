#include "vorlanInput.h"

#include "kuPlatform.h"
#include "vorlanCharSprite.h"

namespace {

// Only the first gamepad steers.
constexpr Uint8 firstPad = 0;
constexpr Uint8 horizontalAxis = 0;
constexpr Uint8 verticalAxis = 1;
// Buttons 0 and 1 choose on the menus; the others pause and resume a round.
constexpr Uint8 firstPauseButton = 2;

int stickDirection(Sint16 value) {
    if (value > VorlanInputHandler::stickDeadZone)
        return 1;
    return value < -VorlanInputHandler::stickDeadZone ? -1 : 0;
}

bool steeringKey(SDLKey key) {
    switch (key) {
    case SDLK_UP:
    case SDLK_DOWN:
    case SDLK_LEFT:
    case SDLK_RIGHT:
    case SDLK_w:
    case SDLK_a:
    case SDLK_s:
    case SDLK_d:
        return true;
    default:
        return false;
    }
}

} // namespace

VorlanInputHandler::VorlanInputHandler()
    : quit(false), pauseRequested(false), resumeRequested(false), sprite(nullptr), padDX(0),
      padDY(0) {}

void VorlanInputHandler::activate() {
    kuInputHandler::activate();
    quit = false;
    pauseRequested = false;
    resumeRequested = false;
    padDX = 0;
    padDY = 0;
    if (sprite != nullptr) {
        sprite->wantedDX = 0;
        sprite->wantedDY = 0;
    }
}

void VorlanInputHandler::handleEvent(SDL_Event* event) {
    switch (event->type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        handleKey(event->key);
        break;
    case SDL_JOYHATMOTION:
    case SDL_JOYAXISMOTION:
    case SDL_JOYBUTTONDOWN:
        handlePad(*event);
        break;
    case SDL_QUIT:
        quit = true;
        break;
    default:
        if (kuPlatform::lostFocus(*event))
            pauseRequested = true;
        break;
    }
}

void VorlanInputHandler::handleKey(const SDL_KeyboardEvent& key) {
    if (sprite == nullptr)
        return;
    steer();
    if (kuPlatform::heldKeys()[SDLK_ESCAPE])
        quit = true;
    if (key.type != SDL_KEYDOWN)
        return;
    const SDLKey pressed = key.keysym.sym;
    if (pressed == SDLK_p)
        pauseRequested = true;
    if (pressed == SDLK_p || pressed == SDLK_SPACE || steeringKey(pressed))
        resumeRequested = true;
}

void VorlanInputHandler::handlePad(const SDL_Event& event) {
    if (event.type == SDL_JOYBUTTONDOWN) {
        if (event.jbutton.which == firstPad && event.jbutton.button >= firstPauseButton)
            pauseRequested = resumeRequested = true;
        return;
    }
    if (event.type == SDL_JOYHATMOTION) {
        if (event.jhat.which != firstPad || event.jhat.hat != 0)
            return;
        const Uint8 hat = event.jhat.value;
        padDX = (hat & SDL_HAT_RIGHT) ? 1 : ((hat & SDL_HAT_LEFT) ? -1 : 0);
        padDY = (hat & SDL_HAT_DOWN) ? 1 : ((hat & SDL_HAT_UP) ? -1 : 0);
    } else {
        if (event.jaxis.which != firstPad)
            return;
        if (event.jaxis.axis == horizontalAxis)
            padDX = stickDirection(event.jaxis.value);
        else if (event.jaxis.axis == verticalAxis)
            padDY = stickDirection(event.jaxis.value);
        else
            return;
    }
    if (padDX != 0 || padDY != 0)
        resumeRequested = true;
    if (sprite != nullptr)
        steer();
}

void VorlanInputHandler::steer() {
    const Uint8* held = kuPlatform::heldKeys();
    const bool down = held[SDLK_DOWN] || held[SDLK_s] || padDY > 0;
    const bool up = held[SDLK_UP] || held[SDLK_w] || padDY < 0;
    const bool right = held[SDLK_RIGHT] || held[SDLK_d] || padDX > 0;
    const bool left = held[SDLK_LEFT] || held[SDLK_a] || padDX < 0;
    sprite->wantedDY = down ? 1 : (up ? -1 : 0);
    sprite->wantedDX = right ? 1 : (left ? -1 : 0);
}
