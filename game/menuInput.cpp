#include "menuInput.h"

#include "kuScreen.h"

namespace {
constexpr int32_t buttonX = 50;
constexpr uint32_t buttonWidth = 150;
constexpr uint32_t buttonHeight = 50;
constexpr int32_t settingsY = 262;
constexpr int32_t startY = 320;
constexpr int32_t highscoreY = 380;
constexpr int32_t quitY = 435;

// Keys 1 to 9 name rows 0 to 8, key 0 row 9; any other key none.
int rowOfKey(SDLKey key) {
    if (key >= SDLK_1 && key <= SDLK_9)
        return key - SDLK_1;
    return key == SDLK_0 ? 9 : -1;
}
} // namespace

MenuInputHandler::MenuInputHandler()
    : quit(false), startGame(false), showHighscore(false), openSettings(false), switchList(false),
      playDaily(false), rowKey(-1), raceRow(false), raceArmed(false), screen(nullptr),
      tableShown(false) {
    rectManip::init(settingsRect, buttonX, settingsY, buttonWidth, buttonHeight);
    rectManip::init(quitRect, buttonX, quitY, buttonWidth, buttonHeight);
    rectManip::init(startRect, buttonX, startY, buttonWidth, buttonHeight);
    rectManip::init(highscoreRect, buttonX, highscoreY, buttonWidth, buttonHeight);
}

void MenuInputHandler::activate() {
    kuInputHandler::activate();
    quit = false;
    startGame = false;
    showHighscore = false;
    openSettings = false;
    switchList = false;
    playDaily = false;
    rowKey = -1;
    raceRow = false;
    raceArmed = false;
}

void MenuInputHandler::handleEvent(SDL_Event* event) {
    // The first choice stands: keys queued behind it change nothing.
    if (quit || startGame || showHighscore || openSettings || playDaily)
        return;
    // The event's own key and button, not what is held when it is handled: a key pressed
    // while the game was busy is released by then.
    if (event->type == SDL_KEYDOWN) {
        const SDLKey key = event->key.keysym.sym;
        rowKey = rowOfKey(key);
        raceRow = rowKey >= 0 && raceArmed;
        raceArmed = key == SDLK_g;
        if (key == SDLK_s)
            startGame = true;
        else if (key == SDLK_h)
            showHighscore = true;
        else if (key == SDLK_o)
            openSettings = true;
        else if (key == SDLK_a)
            switchList = true;
        else if (key == SDLK_d)
            playDaily = true;
        else if (key == SDLK_q || key == SDLK_ESCAPE)
            quit = true;
        return;
    }
    if (event->type == SDL_MOUSEBUTTONDOWN) {
        if (const std::optional<pt> click = kuLeftClickAt(*event))
            clickAt(*click);
        return;
    }
    if (event->type == SDL_QUIT)
        quit = true;
    if (pad.read(*event) == kuPadReader::meaning::pressed) {
        const kuPadPress& press = pad.press();
        if (press.starts)
            startGame = true;
        else if (press.showsTable && tableShown)
            switchList = true; // a pad has no A key
        else if (press.showsTable)
            showHighscore = true;
        else if (press.quits)
            quit = true;
        return;
    }
    if (const std::optional<pt> mouse = kuLeftButtonAloneAt())
        clickAt(*mouse);
}

void MenuInputHandler::clickAt(const pt& outputPoint) {
    const std::optional<pt> point = screen != nullptr ? screen->toCanvas(outputPoint) : outputPoint;
    if (!point)
        return;
    if (rectManip::containsPoint(startRect, *point))
        startGame = true;
    else if (rectManip::containsPoint(highscoreRect, *point))
        showHighscore = true;
    else if (rectManip::containsPoint(quitRect, *point))
        quit = true;
    else if (rectManip::containsPoint(settingsRect, *point))
        openSettings = true;
    else if (point->x >= markX && point->x < markX + int32_t(markSize) && point->y >= tableTop &&
             point->y < tableTop + tableRowHeight * tableRows) {
        rowKey = (point->y - tableTop) / tableRowHeight;
        raceRow = true;
    }
}
