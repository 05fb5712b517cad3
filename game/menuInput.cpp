#include "menuInput.h"

#include "kuPlatform.h"

namespace {
constexpr int32_t buttonX = 50;
constexpr uint32_t buttonWidth = 150;
constexpr uint32_t buttonHeight = 50;
constexpr int32_t startY = 320;
constexpr int32_t highscoreY = 380;
constexpr int32_t quitY = 435;
} // namespace

MenuInputHandler::MenuInputHandler() : quit(false), startGame(false), showHighscore(false) {
    rectManip::init(quitRect, buttonX, quitY, buttonWidth, buttonHeight);
    rectManip::init(startRect, buttonX, startY, buttonWidth, buttonHeight);
    rectManip::init(highscoreRect, buttonX, highscoreY, buttonWidth, buttonHeight);
}

void MenuInputHandler::activate() {
    kuInputHandler::activate();
    quit = false;
    startGame = false;
    showHighscore = false;
}

void MenuInputHandler::handleEvent(SDL_Event* event) {
    if (event->type == SDL_KEYDOWN) {
        const Uint8* keys = kuPlatform::heldKeys();
        if (keys[SDLK_s])
            startGame = true;
        else if (keys[SDLK_h])
            showHighscore = true;
        else if (keys[SDLK_q] || keys[SDLK_ESCAPE])
            quit = true;
        return;
    }
    if (event->type == SDL_QUIT)
        quit = true;
    int x = 0;
    int y = 0;
    if (SDL_GetMouseState(&x, &y) == SDL_BUTTON(SDL_BUTTON_LEFT))
        clickAt({x, y});
}

void MenuInputHandler::clickAt(const pt& point) {
    if (rectManip::containsPoint(startRect, point))
        startGame = true;
    else if (rectManip::containsPoint(highscoreRect, point))
        showHighscore = true;
    else if (rectManip::containsPoint(quitRect, point))
        quit = true;
}
