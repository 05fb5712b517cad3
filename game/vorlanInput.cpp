#include "vorlanInput.h"

#include "kuPlatform.h"
#include "vorlanCharSprite.h"

namespace {

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
    : quit(false), pauseRequested(false), resumeRequested(false), sprite(nullptr) {}

void VorlanInputHandler::activate() {
    kuInputHandler::activate();
    quit = false;
    pauseRequested = false;
    resumeRequested = false;
    pad.reset();
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
    case SDL_QUIT:
        quit = true;
        break;
    default:
        if (!handlePad(*event) && kuPlatform::lostFocus(*event))
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

bool VorlanInputHandler::handlePad(const SDL_Event& event) {
    switch (pad.read(event)) {
    case kuPadReader::meaning::none:
        return false;
    case kuPadReader::meaning::pressed:
        pauseRequested = pauseRequested || pad.press().pauses;
        resumeRequested = resumeRequested || pad.press().resumes || pad.press().pauses;
        return true;
    case kuPadReader::meaning::unplugged:
        pauseRequested = true;
        break;
    case kuPadReader::meaning::steered:
        if (pad.directionX() != 0 || pad.directionY() != 0)
            resumeRequested = true;
        break;
    }
    if (sprite != nullptr)
        steer();
    return true;
}

void VorlanInputHandler::steer() {
    const kuHeldKeys held = kuPlatform::heldKeys();
    const bool down = held[SDLK_DOWN] || held[SDLK_s] || pad.directionY() > 0;
    const bool up = held[SDLK_UP] || held[SDLK_w] || pad.directionY() < 0;
    const bool right = held[SDLK_RIGHT] || held[SDLK_d] || pad.directionX() > 0;
    const bool left = held[SDLK_LEFT] || held[SDLK_a] || pad.directionX() < 0;
    sprite->wantedDY = down ? 1 : (up ? -1 : 0);
    sprite->wantedDX = right ? 1 : (left ? -1 : 0);
}
