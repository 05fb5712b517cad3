#include "vorlanInput.h"

#include "kuPlatform.h"
#include "vorlanCharSprite.h"

VorlanInputHandler::VorlanInputHandler()
    : quit(false), pauseRequested(false), resumeRequested(false), settingsRequested(false),
      sprite(nullptr) {}

void VorlanInputHandler::activate() {
    kuInputHandler::activate();
    quit = false;
    pauseRequested = false;
    resumeRequested = false;
    settingsRequested = false;
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
    if (kuPlatform::heldKeys()[bound.key(boundAction::leave)])
        quit = true;
    if (key.type != SDL_KEYDOWN)
        return;
    const SDLKey pressed = key.keysym.sym;
    const SDLKey pauseKey = bound.key(boundAction::pause);
    if (pressed == pauseKey)
        pauseRequested = true;
    if (pressed == SDLK_o && !bound.actionOf(SDLK_o))
        settingsRequested = true;
    if (pressed == pauseKey || pressed == SDLK_SPACE || steeringKey(pressed))
        resumeRequested = true;
}

bool VorlanInputHandler::handlePad(const SDL_Event& event) {
    switch (pad.read(event)) {
    case kuPadReader::meaning::none:
        return false;
    case kuPadReader::meaning::pressed:
        pauseRequested = pauseRequested || pad.press().pauses;
        resumeRequested = resumeRequested || pad.press().resumes || pad.press().pauses;
        quit = quit || (sprite != nullptr && pad.press().quits);
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
    const bool down = steersHeld(held, boundAction::down, SDLK_s) || pad.directionY() > 0;
    const bool up = steersHeld(held, boundAction::up, SDLK_w) || pad.directionY() < 0;
    const bool right = steersHeld(held, boundAction::right, SDLK_d) || pad.directionX() > 0;
    const bool left = steersHeld(held, boundAction::left, SDLK_a) || pad.directionX() < 0;
    sprite->wantedDY = down ? 1 : (up ? -1 : 0);
    sprite->wantedDX = right ? 1 : (left ? -1 : 0);
}

bool VorlanInputHandler::steersHeld(const kuHeldKeys& held, boundAction way,
                                    SDLKey alternative) const {
    return held[bound.key(way)] || (held[alternative] && !bound.actionOf(alternative));
}

bool VorlanInputHandler::steeringKey(SDLKey key) const {
    const std::optional<boundAction> action = bound.actionOf(key);
    if (action)
        return *action == boundAction::up || *action == boundAction::down ||
               *action == boundAction::left || *action == boundAction::right;
    return key == SDLK_w || key == SDLK_a || key == SDLK_s || key == SDLK_d;
}
