#include "vorlanGameShell.h"

#include "enemyCharSprite.h"
#include "enterInput.h"
#include "introInput.h"
#include "kuAudio.h"
#include "kuImages.h"
#include "kuPlatform.h"
#include "kuScreen.h"
#include "menuInput.h"
#include "pauseBox.h"
#include "quaroCounter.h"
#include "quaroHighScore.h"
#include "shellKeys.h"
#include "vorlanCharSprite.h"
#include "vorlanInput.h"
#include "vorlanMaze.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>

namespace {

constexpr uint32_t screenWidth = 760;
constexpr uint32_t screenHeight = 520;
const char* const windowTitle = "Quaro";

// The colour key of every keyed picture.
constexpr Uint8 keyRed = 220;
constexpr Uint8 keyGreen = 188;
constexpr Uint8 keyBlue = 108;

const char* const titlePicture1 = "GFX/Misc/StartScreen_01.bmp";
const char* const titlePicture2 = "GFX/Misc/StartScreen_02.bmp";
const char* const menuPicture = "GFX/Misc/StartScreen_03.bmp";
const char* const gameOverPicture = "GFX/Misc/GameOver.bmp";
const char* const creditsPicture = "GFX/Misc/Credits.bmp";
const char* const noRecordPicture = "GFX/Misc/Congrat1.bmp";
const char* const recordPicture = "GFX/Misc/Congrat2.bmp";
const char* const highScorePicture = "GFX/Misc/HighScore.bmp";
constexpr int creditsSeconds = 4;

// The size of every picture is what the game cuts from it.
constexpr sz screenPictureSize = {screenWidth, screenHeight};
constexpr uint32_t frame = commonCharSprite::frameSize;
constexpr sz characterSheetSize = {22 * frame, commonCharSprite::rowCount* frame}; // frames 0-21
constexpr sz productsSize = {mazeLayout::productX[mazeLayout::productKinds - 1] +
                                 mazeLayout::productWidth[mazeLayout::productKinds - 1],
                             mazeLayout::productHeight};
constexpr sz mugsSize = {10 * frame, 4 * frame};     // ten frames for each of the four mugs
constexpr sz arrowSize = {8 * frame, frame};         // eight frames, one row
constexpr sz gateSize = {10 * 3 * frame, 2 * frame}; // ten frames three bricks wide, two rows
constexpr sz fontSize = {26 * quaroCounter::glyphWidth, 3 * quaroCounter::glyphHeight};

// Pictures and sounds in the order they are loaded.
struct imageAsset {
    kuImage* vorlanGameShell::*field;
    const char* fileName;
    bool keyed;
    sz size;
};
const imageAsset imageAssets[] = {
    {&vorlanGameShell::levelMapImage, "GFX/Misc/Level_Map.bmp", false, screenPictureSize},
    {&vorlanGameShell::walkImage, "GFX/Quaro/Quaro_Walk.bmp", true, characterSheetSize},
    {&vorlanGameShell::drinkingImage, "GFX/Quaro/Quaro_Drinking.bmp", true, characterSheetSize},
    {&vorlanGameShell::knockOutImage, "GFX/Quaro/Quaro_KnockOut.bmp", true, characterSheetSize},
    {&vorlanGameShell::superWalkImage, "GFX/Quaro/Quaro_SuperWalk.bmp", true, characterSheetSize},
    {&vorlanGameShell::superDrinkingImage, "GFX/Quaro/Quaro_SuperDrinking.bmp", true,
     characterSheetSize},
    {&vorlanGameShell::indianWalkImage, "GFX/Indian/Indian_Walk.bmp", true, characterSheetSize},
    {&vorlanGameShell::indianKnockOutImage, "GFX/Indian/Indian_KnockOut.bmp", true,
     characterSheetSize},
    {&vorlanGameShell::productsImage, "GFX/Misc/Products.bmp", true, productsSize},
    {&vorlanGameShell::mugsImage, "GFX/Misc/Mugs.bmp", true, mugsSize},
    {&vorlanGameShell::arrowImage, "GFX/Misc/Arrow.bmp", true, arrowSize},
    {&vorlanGameShell::gateImage, "GFX/Misc/Gate.bmp", true, gateSize},
    {&vorlanGameShell::fontImage, "GFX/Misc/Font.bmp", true, fontSize},
};

// The screens are loaded when they are shown, and checked at start-up so that none can fail
// later.
const char* const screenPictures[] = {titlePicture1,   titlePicture2,   menuPicture,
                                      gameOverPicture, creditsPicture,  noRecordPicture,
                                      recordPicture,   highScorePicture};

struct soundAsset {
    Sound* vorlanGameShell::*field;
    const char* fileName;
};
const soundAsset soundAssets[] = {
    {&vorlanGameShell::drinkingSound, "SFX/Drinking.wav"},
    {&vorlanGameShell::knockOutSound, "SFX/KnockOut.wav"},
    {&vorlanGameShell::arrowTurnSound, "SFX/ArrowTurn.wav"},
    {&vorlanGameShell::quaroArrowSound, "SFX/QuaroArrow.wav"},
    {&vorlanGameShell::quaroWalkSound, "SFX/QuaroWalk.wav"},
    {&vorlanGameShell::birdSingingSound, "SFX/BirdSinging.wav"},
    {&vorlanGameShell::gateSound, "SFX/Gate.wav"},
    {&vorlanGameShell::indianYell1Sound, "SFX/IndianYell_01.wav"},
    {&vorlanGameShell::indianYell2Sound, "SFX/IndianYell_02.wav"},
    {&vorlanGameShell::indianTalkSound, "SFX/IndianTalk.wav"},
    {&vorlanGameShell::jubiiSound, "SFX/Jubii.wav"},
    {&vorlanGameShell::pickUpSound, "SFX/PickUp.wav"},
    {&vorlanGameShell::yieeHaaSound, "SFX/YieeHaa.wav"},
    {&vorlanGameShell::gameOverSound, "SFX/GameOver.wav"},
    {&vorlanGameShell::quaroTheKidSound, "SFX/QuaroTheKid.wav"},
    {&vorlanGameShell::congratSound, "SFX/Congrat.wav"},
};

// Pictures are freed in this order, which is not the order they were loaded in.
kuImage* vorlanGameShell::*const imagesToFree[] = {
    &vorlanGameShell::arrowImage,          &vorlanGameShell::mugsImage,
    &vorlanGameShell::walkImage,           &vorlanGameShell::drinkingImage,
    &vorlanGameShell::knockOutImage,       &vorlanGameShell::superWalkImage,
    &vorlanGameShell::superDrinkingImage,  &vorlanGameShell::indianWalkImage,
    &vorlanGameShell::indianKnockOutImage, &vorlanGameShell::productsImage,
    &vorlanGameShell::levelMapImage,       &vorlanGameShell::gateImage,
    &vorlanGameShell::fontImage,
};

template <class T> void release(T*& object) {
    delete object;
    object = nullptr;
}

} // namespace

vorlanGameShell::vorlanGameShell()
    : screen(nullptr), audio(nullptr), playInput(nullptr), introInput(nullptr), menuInput(nullptr),
      enterInput(nullptr), drinkingSound(nullptr), knockOutSound(nullptr), arrowTurnSound(nullptr),
      quaroArrowSound(nullptr), quaroWalkSound(nullptr), birdSingingSound(nullptr),
      gateSound(nullptr), indianYell1Sound(nullptr), indianYell2Sound(nullptr),
      indianTalkSound(nullptr), jubiiSound(nullptr), pickUpSound(nullptr), yieeHaaSound(nullptr),
      gameOverSound(nullptr), quaroTheKidSound(nullptr), congratSound(nullptr),
      levelMapImage(nullptr), walkImage(nullptr), drinkingImage(nullptr), knockOutImage(nullptr),
      superWalkImage(nullptr), superDrinkingImage(nullptr), indianWalkImage(nullptr),
      indianKnockOutImage(nullptr), productsImage(nullptr), mugsImage(nullptr), arrowImage(nullptr),
      gateImage(nullptr), fontImage(nullptr), maze(nullptr), timeCounter(nullptr),
      tableCounter(nullptr), nameCounter(nullptr), you(nullptr), normalYou(nullptr),
      superYou(nullptr), enemies{}, nextFrameTime(0), superTimer(0), replays(*this),
      clock(&defaultClock), windowed(false), scale(0), startMuted(false), gamepad(nullptr) {}

vorlanGameShell::~vorlanGameShell() {
    freeData();
}

void vorlanGameShell::setClock(frameClock* newClock) {
    clock = newClock != nullptr ? newClock : &defaultClock;
}

void vorlanGameShell::userExec(int argc, char** argv) {
    const gameOptions options = parseOptions(argc, argv);
    windowed = windowed || options.windowed;
    startMuted = startMuted || options.muted;
    if (options.scale > 0)
        scale = options.scale;
    if (!scaleFits())
        return;
    if (!options.replayFile.empty()) {
        replays.playFile(options.replayFile);
        return;
    }
    loadData();
    quaroTheKidSound->play();
    // A request to close the game ends every screen at once, the credits included.
    titleScreen(titlePicture1);
    if (!closing())
        titleScreen(titlePicture2);
    if (!closing())
        playMenus(menuScreen(menuPicture));
    if (!closing())
        delayScreen(creditsPicture, creditsSeconds);
    freeData();
}

bool vorlanGameShell::closing() const {
    return keys != nullptr && keys->closeRequested();
}

bool vorlanGameShell::scaleFits() const {
    if (windowed || scale == 0)
        return true;
    const sz canvas = {screenWidth, screenHeight};
    const sz desktop = kuScaler::usableDesktop(kuScreen::reportedDesktopSize(), canvas);
    if (kuScaler::fitsFullScreen(canvas, desktop, scale))
        return true;
    std::fprintf(stderr,
                 "quaro: --scale %d does not fit the %u x %u desktop in full screen; at most "
                 "%d does, or add --window\n",
                 scale, desktop.width, desktop.height,
                 kuScaler::largestFactor(canvas, desktop, true));
    return false;
}

int vorlanGameShell::playMenus(int choice) {
    while (choice != choiceQuit && !closing()) {
        if (choice == choiceStart) {
            initGame();
            const int result = run();
            if (closing())
                break; // a round closed with the game is left as Escape leaves it
            switch (result) {
            case roundLeft:
                choice = menuScreen(menuPicture);
                break;
            case roundLost:
                gameOverSound->play();
                choice = menuScreen(gameOverPicture);
                break;
            default:
                choice = checkHighscore();
                break;
            }
        } else {
            displayHighscore();
            choice = menuScreen(nullptr);
        }
    }
    return choice;
}

void vorlanGameShell::loadData() {
    startDevices();
    loadAssets();
    buildActors();
    nextFrameTime = 0;
}

void vorlanGameShell::startDevices() {
    audio = new Audio;
    screen = new kuScreen;
    playInput = new VorlanInputHandler;
    introInput = new IntroInputHandler;
    menuInput = new MenuInputHandler;
    enterInput = new EnterInputHandler;
    audio->start();
    audio->setMuted(startMuted);
    openGamepad();
    screen->setSize({screenWidth, screenHeight});
    screen->setFullScreen(!windowed);
    screen->setScale(scale);
    screen->open();
    SDL_WM_SetCaption(windowTitle, windowTitle);
    connectInput();
}

// Every handler lets the shared keys see its events first; the handlers that read the mouse
// map it through the screen.
void vorlanGameShell::connectInput() {
    keys = std::make_unique<shellKeys>(screen, audio);
    kuInputHandler* const handlers[] = {playInput, introInput, menuInput, enterInput};
    for (kuInputHandler* handler : handlers)
        handler->setHook(keys.get());
    replays.setHook(keys.get());
    introInput->screen = screen;
    menuInput->screen = screen;
}

void vorlanGameShell::loadAssets() {
    for (const imageAsset& asset : imageAssets) {
        kuImage* image = asset.keyed ? loadKeyedImage(asset.fileName) : loadImage(asset.fileName);
        this->*asset.field = image;
        requireSize(*image, paths.dataFile(asset.fileName), asset.size);
    }
    for (const char* fileName : screenPictures)
        requireSize(*std::unique_ptr<kuImage>(loadImage(fileName)), paths.dataFile(fileName),
                    screenPictureSize);
    for (const soundAsset& asset : soundAssets)
        this->*asset.field = loadSound(asset.fileName);
}

void vorlanGameShell::requireSize(const kuImage& image, const std::string& fileName,
                                  const sz& expected) {
    sz found;
    image.getSize(found);
    if (sizeManip::isEqual(found, expected))
        return;
    char message[kuE::textSize];
    std::snprintf(message, sizeof message, "%s is %u x %u pixels, expected %u x %u",
                  fileName.c_str(), unsigned(found.width), unsigned(found.height),
                  unsigned(expected.width), unsigned(expected.height));
    kuE::kuRaiseGeneric("FileLoad", message);
}

void vorlanGameShell::buildActors() {
    maze = new vorlanMaze(roundRandom);
    maze->setScreen(screen);
    maze->setImage(levelMapImage);
    maze->initItems(productsImage);
    maze->initCups(mugsImage);
    maze->initArrows(arrowImage, arrowTurnSound);
    maze->initGate(gateImage, gateSound);

    timeCounter = new quaroCounter;
    timeCounter->setScreen(screen);
    timeCounter->open(fontImage);
    timeCounter->background = maze;
    timeCounter->pos = {mazeLayout::clockX, mazeLayout::clockY};

    tableCounter = new quaroCounter;
    tableCounter->setScreen(screen);
    tableCounter->open(fontImage);

    nameCounter = new quaroCounter;
    nameCounter->setScreen(screen);
    nameCounter->open(fontImage);
    enterInput->font = nameCounter;
    enterInput->screen = screen;

    for (enemyCharSprite*& enemy : enemies) {
        enemy = new enemyCharSprite(indianWalkImage, indianKnockOutImage);
        enemy->setScreen(screen);
        enemy->maze = maze;
        enemy->birdSingingSound = birdSingingSound;
        enemy->random = &roundRandom;
    }
    // The heroes hold pointers to the enemies and the clock, so they come last.
    normalYou = createYou(walkImage, knockOutImage, drinkingImage);
    superYou = createYou(superWalkImage, knockOutImage, superDrinkingImage);
    superYou->isSuper = true;
}

// The first gamepad, if there is one; none, or one that cannot be opened, is no error.
void vorlanGameShell::openGamepad() {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0 || SDL_NumJoysticks() < 1)
        return;
    gamepad = SDL_JoystickOpen(0);
    SDL_JoystickEventState(SDL_ENABLE);
}

void vorlanGameShell::freeData() {
    for (enemyCharSprite*& enemy : enemies)
        release(enemy);
    release(normalYou);
    release(superYou);
    you = nullptr;
    release(maze);
    for (kuImage* vorlanGameShell::*field : imagesToFree)
        release(this->*field);
    release(timeCounter);
    release(tableCounter);
    release(nameCounter);
    // The device stops and drops what is still playing before any sound data goes.
    release(audio);
    for (const soundAsset& asset : soundAssets)
        release(this->*asset.field);
    release(enterInput);
    release(playInput);
    release(introInput);
    release(menuInput);
    keys.reset();
    if (gamepad != nullptr)
        SDL_JoystickClose(gamepad);
    gamepad = nullptr;
    release(screen);
}

kuImage* vorlanGameShell::loadImage(const char* fileName) {
    std::unique_ptr<kuImage> image(new (std::nothrow) kuImage);
    if (!image)
        kuE::kuRaiseGeneric("MEMORY", "Out of memory!");
    image->setScreen(screen);
    image->loadBMP(paths.dataFile(fileName).c_str());
    return image.release();
}

kuImage* vorlanGameShell::loadKeyedImage(const char* fileName) {
    kuImage* image = loadImage(fileName);
    kuPlatform::setColourKey(image->getSDLSurface(), keyRed, keyGreen, keyBlue);
    return image;
}

Sound* vorlanGameShell::loadSound(const char* fileName) {
    // Every sound is checked, with or without a device, and converted now: no sound can fail
    // in the middle of a round.
    const std::string path = paths.dataFile(fileName);
    const std::string problem = soundFileProblem(path.c_str());
    if (!problem.empty())
        kuE::kuRaiseGeneric("FileLoad", ("Couldn't load " + path + ": " + problem).c_str());
    std::unique_ptr<Sound> sound(new Sound);
    sound->loadWAV(path.c_str());
    sound->CheckConvert();
    return sound.release();
}

vorlanCharSprite* vorlanGameShell::createYou(kuImage* walk, kuImage* knockOut, kuImage* drinking) {
    vorlanCharSprite* hero = new vorlanCharSprite(walk, knockOut, drinking);
    hero->setScreen(screen);
    hero->maze = maze;
    hero->timeCounter = timeCounter;
    hero->pickUpSound = pickUpSound;
    hero->drinkingSound = drinkingSound;
    hero->quaroWalkSound = quaroWalkSound;
    hero->birdSingingSound = birdSingingSound;
    hero->knockOutSound = knockOutSound;
    hero->jubiiSound = jubiiSound;
    hero->yieeHaaSound = yieeHaaSound;
    hero->indianTalkSound = indianTalkSound;
    hero->quaroArrowSound = quaroArrowSound;
    for (int i = 0; i < enemyCount; ++i)
        hero->enemies[i] = enemies[i];
    return hero;
}

void vorlanGameShell::makeSuper() {
    you = superYou;
    superYou->assignState(normalYou);
    playInput->sprite = superYou;
}

void vorlanGameShell::makeNormal() {
    you = normalYou;
    normalYou->assignState(superYou);
    playInput->sprite = normalYou;
}

namespace {

struct enemyStart {
    mazeLayout::brickIndex brick;
    int wantedDX;
    int wantedDY;
    int row;
};
// Each enemy starts on a mug corner, wishing to walk out of it.
const enemyStart enemyStarts[vorlanGameShell::enemyCount] = {
    {mazeLayout::mugBricks[0], 0, 1, rowDown},
    {mazeLayout::mugBricks[1], -1, 0, rowLeft},
    {mazeLayout::mugBricks[2], 0, -1, rowUp},
    {mazeLayout::mugBricks[3], 1, 0, rowRight},
};
constexpr mazeLayout::brickIndex heroStart = {9, 3}; // in front of the gate

// A round ends once the knocked-out hero's count passes this; above 4 it counts as caught.
constexpr int knockedOutForGood = 14;
constexpr int caught = 4;

// Each of the three yells sounds with a chance of 1 in this many per frame.
constexpr int yellOdds = 200;

} // namespace

void vorlanGameShell::initGame() {
    startRound(clock->ticks());
}

// A round follows from its seed and its inputs alone (a recording holds nothing else), so
// everything a round reads starts here as in the first round after loading: what an earlier
// round left (products, arrow phases, the actors' crawl and frames, a drink cut short) must
// not reach this one.
void vorlanGameShell::startRound(uint32_t seed) {
    roundRandom.reseed(seed);
    replays.roundStarting(seed);
    you = normalYou;
    pt heroAt;
    maze->brickIndexToPos(heroStart.x, heroStart.y, heroAt);
    for (vorlanCharSprite* form : {normalYou, superYou}) {
        form->resetForRound();
        form->startAt(heroAt, rowUp);
    }

    playInput->sprite = normalYou;
    superTimer = 0;
    playInput->activate();
    maze->reInit();

    for (int i = 0; i < enemyCount; ++i) {
        enemyCharSprite* enemy = enemies[i];
        const enemyStart& start = enemyStarts[i];
        pt at;
        maze->brickIndexToPos(start.brick.x, start.brick.y, at);
        enemy->startAt(at, start.row);
        enemy->wantedDX = start.wantedDX;
        enemy->wantedDY = start.wantedDY;
        enemy->koCount = 0;
        enemy->hit = false;
    }
    timeCounter->giveTime(0, 0);

    screen->beginUpdate();
    maze->show();
    screen->endUpdate();
}

int vorlanGameShell::run() {
    while (!roundOver()) {
        playFrame();
        if (playInput->pauseRequested && !roundOver())
            pauseRound();
    }
    return roundResult();
}

bool vorlanGameShell::roundOver() const {
    return playInput->quit || you->koCount > knockedOutForGood || you->inHouse;
}

// Nothing of the round moves while it is paused, and its clock counts frames, so the time
// spent paused never counts. The frames still pace the wait for the player's key.
void vorlanGameShell::pauseRound() {
    pauseBox box(screen, tableCounter);
    box.show();
    screen->update();
    audio->setPaused(true);
    playInput->pauseRequested = playInput->resumeRequested = false;
    while (!playInput->resumeRequested && !playInput->quit) {
        playInput->pollEvents();
        waitFrame();
    }
    audio->setPaused(false);
    box.hide();
    screen->update();
    playInput->pauseRequested = playInput->resumeRequested = false;
}

int vorlanGameShell::roundResult() const {
    if (playInput->quit)
        return roundLeft;
    if (you->koCount > caught)
        return roundLost;
    return roundWon;
}

void vorlanGameShell::playFrame() {
    timeSuperForm();
    replays.inputStep();
    you->act();
    you->erase();
    for (enemyCharSprite* enemy : enemies) {
        enemy->act();
        enemy->erase();
    }
    maze->act();
    you->show();
    for (enemyCharSprite* enemy : enemies)
        enemy->show();
    timeCounter->tick();
    screen->update();
    randomYell();
    waitFrame();
}

// The super form lasts 250 frames from the end of a drink; the timer stands still while the
// hero drinks.
void vorlanGameShell::timeSuperForm() {
    if (you->savedAnim != nullptr)
        return;
    if (you->drank) {
        you->drank = false;
        // A hero caught in the frame its drink ended stays caught: the super form is never
        // knocked out, so switching now would let it escape.
        if (you->koCount > 0)
            return;
        if (you == normalYou)
            makeSuper();
        superTimer = superFrames;
    }
    if (superTimer > 0 && superTimer-- == 1)
        makeNormal();
}

void vorlanGameShell::randomYell() {
    switch (roundRandom.below(yellOdds)) {
    case 0:
        indianYell1Sound->play();
        break;
    case 1:
        indianYell2Sound->play();
        break;
    case 2:
        indianTalkSound->play();
        break;
    default:
        break;
    }
}

void vorlanGameShell::waitFrame() {
    const Uint32 now = clock->ticks();
    // A deadline more than one frame away cannot be real: the tick counter wrapped, or the
    // deadline is stale. Waiting only within one frame keeps a wrap from becoming a long
    // sleep.
    const int32_t remaining = int32_t(nextFrameTime - now);
    if (remaining > 0 && Uint32(remaining) <= frameMs)
        clock->delay(Uint32(remaining));
    nextFrameTime = now + frameMs;
}

std::unique_ptr<kuImage> vorlanGameShell::drawPictureFile(const char* fileName) {
    auto image = std::make_unique<kuImage>();
    image->setScreen(screen);
    image->loadBMP(paths.dataFile(fileName).c_str());
    sz size;
    image->getSize(size);
    kuRectangle whole;
    rectManip::init(whole, 0, 0, size.width, size.height);
    image->display(whole, pointManip::zeroPoint);
    return image;
}

void vorlanGameShell::displayImageFile(const char* fileName) {
    drawPictureFile(fileName); // the picture is freed before the screen shows it
    screen->update();
}

int vorlanGameShell::titleScreen(const char* fileName) {
    displayImageFile(fileName);
    introInput->activate();
    while (!introInput->quit && !introInput->proceed)
        introInput->waitEvent();
    return introInput->quit ? 0 : 1;
}

int vorlanGameShell::menuScreen(const char* fileName) {
    if (fileName != nullptr)
        displayImageFile(fileName);
    menuInput->activate();
    replays.waitForMenuChoice(fileName);
    if (menuInput->quit)
        return choiceQuit;
    return menuInput->startGame ? choiceStart : choiceHighscore;
}

void vorlanGameShell::delayScreen(const char* fileName, int seconds) {
    displayImageFile(fileName);
    // No input is read meanwhile, but a request to close the game ends the wait.
    constexpr Uint32 sliceMs = 50;
    for (Uint32 waited = 0; waited < Uint32(seconds) * 1000; waited += sliceMs) {
        if (kuPlatform::quitPending())
            return;
        clock->delay(sliceMs);
    }
}

namespace {

constexpr pt nameOrigin = {300, 360};
constexpr uint32_t nameFieldWidth = 165;
constexpr uint32_t nameFieldHeight = 25;
constexpr int blinkFrames = 16; // the cursor changes every 16 frames

constexpr int tableTop = 103;
constexpr int tableRowHeight = 23;
constexpr int tableNameX = 370;
constexpr int tableTimeX = 530;

// A table writes its file when it dies; the platform then makes the file outlive the session.
void closeTable(std::unique_ptr<quaroHighScore>& table) {
    table.reset();
    kuPlatform::savedFilesChanged();
}

} // namespace

int vorlanGameShell::checkHighscore() {
    congratSound->play();
    const int seconds = timeCounter->getSeconds();
    const int minutes = timeCounter->getMinutes();
    auto table = std::make_unique<quaroHighScore>(paths.tableFile);
    if (table->isRecord(minutes, seconds) == -1) {
        const int choice = menuScreen(noRecordPicture);
        closeTable(table);
        return choice;
    }

    std::unique_ptr<kuImage> picture = drawPictureFile(recordPicture); // restores the name field

    nameCounter->pos = nameOrigin;
    enterInput->background = picture.get();
    rectManip::init(enterInput->textRect, nameOrigin.x, nameOrigin.y, nameFieldWidth,
                    nameFieldHeight);
    enterInput->activate();
    keys->setTyping(true);
    enterInput->show();
    for (int blink = 0; !enterInput->done;) {
        if (++blink >= blinkFrames) {
            blink = 0;
            enterInput->cursorVisible = !enterInput->cursorVisible;
            enterInput->show();
        }
        enterInput->pollEvents();
        waitFrame();
    }
    keys->setTyping(false);
    enterInput->background = nullptr;
    picture.reset();

    // Also when the game was closed during the entry: the record keeps the name typed so far.
    table->enterRecord(enterInput->name, minutes, seconds);
    replays.keepRecord(std::move(table), enterInput->name, minutes, seconds);
    kuPlatform::savedFilesChanged();
    if (closing())
        return choiceQuit;
    displayHighscore();
    return menuScreen(nullptr);
}

void vorlanGameShell::displayHighscore() {
    displayImageFile(highScorePicture);
    auto table = std::make_unique<quaroHighScore>(paths.tableFile);
    for (int i = 0; i < quaroHighScore::rowCount; ++i) {
        const int32_t y = tableTop + tableRowHeight * i;
        tableCounter->pos = {tableTimeX, y};
        tableCounter->giveTime(table->getSlotMinutes(i), table->getSlotSeconds(i));
        tableCounter->showTime();
        tableCounter->pos.x = tableNameX;
        tableCounter->drawText(table->getSlotName(i), tableCounter->pos);
    }
    closeTable(table);
    screen->update();
}
