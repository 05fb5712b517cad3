#include "vorlanGameShell.h"

#include "enemyCharSprite.h"
#include "enterInput.h"
#include "introInput.h"
#include "kuAudio.h"
#include "kuImages.h"
#include "kuScreen.h"
#include "menuInput.h"
#include "pauseBox.h"
#include "quaroAssets.h"
#include "quaroCounter.h"
#include "quaroDaily.h"
#include "quaroHighScore.h"
#include "quaroLettering.h"
#include "quaroRace.h"
#include "quaroRound.h"
#include "quaroRunLink.h"
#include "quaroRunStore.h"
#include "readyMoment.h"
#include "roundCues.h"
#include "roundInput.h"
#include "settingsScreen.h"
#include "shellKeys.h"
#include "vorlanCharSprite.h"
#include "vorlanInput.h"
#include "vorlanMaze.h"
#include "wallPlate.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>

using namespace quaroAssets;

namespace {

const char* const windowTitle = "Quaro";
constexpr int creditsSeconds = 4;
// Where the menu shows today's best time of the daily round, after the picture's "d: today's
// round".
constexpr pt dailyBestOrigin = {200, 12};

// The shell's fields of every picture and sound, in the order they are loaded.
struct imageField {
    kuImage* vorlanGameShell::*field;
    picture which;
};
const imageField imageFields[] = {
    {&vorlanGameShell::levelMapImage, levelMap},
    {&vorlanGameShell::walkImage, walk},
    {&vorlanGameShell::drinkingImage, drinking},
    {&vorlanGameShell::knockOutImage, knockOut},
    {&vorlanGameShell::superWalkImage, superWalk},
    {&vorlanGameShell::superDrinkingImage, superDrinking},
    {&vorlanGameShell::indianWalkImage, indianWalk},
    {&vorlanGameShell::indianKnockOutImage, indianKnockOut},
    {&vorlanGameShell::productsImage, products},
    {&vorlanGameShell::mugsImage, mugs},
    {&vorlanGameShell::arrowImage, arrow},
    {&vorlanGameShell::gateImage, gate},
    {&vorlanGameShell::fontImage, font},
    {&vorlanGameShell::indianFrightenedImage, indianFrightened},
    {&vorlanGameShell::marksImage, marks},
    {&vorlanGameShell::bannersImage, banners},
};
Sound* vorlanGameShell::*const soundFields[soundCount] = {
    &vorlanGameShell::drinkingSound,    &vorlanGameShell::knockOutSound,
    &vorlanGameShell::arrowTurnSound,   &vorlanGameShell::quaroArrowSound,
    &vorlanGameShell::quaroWalkSound,   &vorlanGameShell::birdSingingSound,
    &vorlanGameShell::gateSound,        &vorlanGameShell::indianYell1Sound,
    &vorlanGameShell::indianYell2Sound, &vorlanGameShell::indianTalkSound,
    &vorlanGameShell::jubiiSound,       &vorlanGameShell::pickUpSound,
    &vorlanGameShell::yieeHaaSound,     &vorlanGameShell::gameOverSound,
    &vorlanGameShell::quaroTheKidSound, &vorlanGameShell::congratSound,
    &vorlanGameShell::superEndingSound,
};

// Pictures are freed in this order, which is not the order they were loaded in.
kuImage* vorlanGameShell::*const imagesToFree[] = {
    &vorlanGameShell::arrowImage,          &vorlanGameShell::mugsImage,
    &vorlanGameShell::walkImage,           &vorlanGameShell::drinkingImage,
    &vorlanGameShell::knockOutImage,       &vorlanGameShell::superWalkImage,
    &vorlanGameShell::superDrinkingImage,  &vorlanGameShell::indianWalkImage,
    &vorlanGameShell::indianKnockOutImage, &vorlanGameShell::productsImage,
    &vorlanGameShell::levelMapImage,       &vorlanGameShell::gateImage,
    &vorlanGameShell::fontImage,           &vorlanGameShell::indianFrightenedImage,
    &vorlanGameShell::marksImage,          &vorlanGameShell::bannersImage,
};

template <class T> void release(T*& object) {
    delete object;
    object = nullptr;
}

quaroCounter* newCounter(kuScreen* screen, kuImage* font) {
    auto* counter = new quaroCounter;
    counter->setScreen(screen);
    counter->open(font);
    return counter;
}

} // namespace

vorlanGameShell::vorlanGameShell()
    : screen(nullptr), audio(nullptr), playInput(nullptr), introInput(nullptr), menuInput(nullptr),
      enterInput(nullptr), drinkingSound(nullptr), knockOutSound(nullptr), arrowTurnSound(nullptr),
      quaroArrowSound(nullptr), quaroWalkSound(nullptr), birdSingingSound(nullptr),
      gateSound(nullptr), indianYell1Sound(nullptr), indianYell2Sound(nullptr),
      indianTalkSound(nullptr), jubiiSound(nullptr), pickUpSound(nullptr), yieeHaaSound(nullptr),
      gameOverSound(nullptr), quaroTheKidSound(nullptr), congratSound(nullptr),
      superEndingSound(nullptr), levelMapImage(nullptr), walkImage(nullptr), drinkingImage(nullptr),
      knockOutImage(nullptr), superWalkImage(nullptr), superDrinkingImage(nullptr),
      indianWalkImage(nullptr), indianKnockOutImage(nullptr), productsImage(nullptr),
      mugsImage(nullptr), arrowImage(nullptr), gateImage(nullptr), fontImage(nullptr),
      indianFrightenedImage(nullptr), marksImage(nullptr), bannersImage(nullptr), maze(nullptr),
      timeCounter(nullptr), tableCounter(nullptr), nameCounter(nullptr), normalYou(nullptr),
      superYou(nullptr), enemies{}, nextFrameTime(0), clock(&defaultClock) {}

vorlanGameShell::~vorlanGameShell() {
    freeData();
}

void vorlanGameShell::configure(const gameOptions& options, const gamePaths& paths,
                                std::optional<quaroRecording> replay,
                                std::optional<quaroRecording> ghost) {
    ghostRun = std::move(ghost);
    this->options = options;
    this->paths = paths;
    tablePaths = paths;
    replayRun = std::move(replay);
}

void vorlanGameShell::keepSettings(const quaroSettings& chosen,
                                   std::unique_ptr<settingsFile> store) {
    settings = chosen;
    settingsStore = std::move(store);
}

void vorlanGameShell::applySettings() {
    playInput->bindKeys(settings);
    kuBindPadButtons(settings.padButtons);
    keys->setMuteKey(settings.key(boundAction::mute));
    for (int which = 0; which < soundCount; ++which)
        if (Sound* sound = this->*soundFields[which])
            sound->setVolume(isVoice(quaroAssets::sound(which)) ? settings.voicesVolume
                                                                : settings.effectsVolume);
    if (cues != nullptr)
        cues->setReducedFlashing(reducedFlashing());
}

void vorlanGameShell::changeSettings(const quaroSettings& chosen) {
    // The command line's --window holds for this run; the screen follows a change only.
    if (chosen.windowed != settings.windowed && screen->isFullScreen() != !chosen.windowed)
        screen->toggleFullScreen();
    settings = chosen;
    applySettings();
    std::string error;
    if (settingsStore != nullptr && !settingsStore->save(settings, error))
        std::fprintf(stderr, "quaro: the settings were not kept: %s\n", error.c_str());
}

void vorlanGameShell::openSettings() {
    const std::unique_ptr<kuImage> backdrop(loadImage(menuPicture));
    settingsContext context;
    context.screen = screen;
    context.font = lettering.get();
    context.backdrop = backdrop.get();
    context.hook = keys.get();
    context.waitFrame = [this] { waitFrame(); };
    context.closing = [this] { return closing(); };
    context.change = [this](const quaroSettings& chosen) { changeSettings(chosen); };
    context.sample = [this](bool voices) { (voices ? jubiiSound : pickUpSound)->play(); };
    settingsScreen(context, settings).run();
}

void vorlanGameShell::setClock(frameClock* newClock) {
    clock = newClock != nullptr ? newClock : &defaultClock;
}

void vorlanGameShell::userExec(int, char**) {
    loadData();
    if (replayRun) {
        replayer.playFile(*replayRun, quaroRunLink::namesLink(options.replayFile)
                                          ? "the link"
                                          : options.replayFile);
        freeData();
        return;
    }
    // What a save cut short by a kill left beside the table.
    quaroHighScore::recoverLeftovers(paths.tableFile);
    quaroTheKidSound->play();
    // A request to close the game ends every screen at once, the credits included.
    if (opensOnTitles()) {
        waitOnTitle(); // the first title shows since loadData
        if (!closing())
            titleScreen(titlePicture2);
    }
    if (ghostRun && !closing())
        playMenus(choiceRace);
    else if (options.daily && !closing())
        playMenus(choiceDaily);
    else if (!closing())
        playMenus(menuScreen(menuPicture));
    if (!closing())
        delayScreen(creditsPicture, creditsSeconds);
    freeData();
}

bool vorlanGameShell::closing() const {
    return keys != nullptr && keys->closeRequested();
}

int vorlanGameShell::playMenus(int choice) {
    while (choice != choiceQuit && !closing()) {
        if (choice == choiceStart || choice == choiceDaily || choice == choiceRace) {
            if (choice == choiceDaily)
                initDaily(kuTodayUtc());
            else if (choice == choiceRace)
                initRace(*ghostRun);
            else
                initGame();
            getReady();
            const int result = run();
            if (closing())
                break; // a round closed with the game is left as Escape leaves it
            if (race)
                showSplits();
            race.reset();
            if (dailyDate && result != roundLeft)
                shareDailyResult(result == roundWon);
            switch (result) {
            case roundLeft:
                choice = menuScreen(menuPicture);
                break;
            case roundLost:
                lastLost = {timeCounter->getMinutes(), timeCounter->getSeconds(),
                            theRound->hero()->itemCount};
                gameOverSound->play();
                choice = menuScreen(gameOverPicture);
                break;
            default:
                choice = checkHighscore();
                break;
            }
            dailyDate.reset();
            tablePaths = paths;
        } else if (choice == choiceSettings) {
            openSettings();
            choice = menuScreen(menuPicture);
        } else {
            displayHighscore();
            choice = menuScreen(nullptr);
        }
    }
    return choice;
}

void vorlanGameShell::loadData() {
    startDevices();
    if (opensOnTitles())
        showFirstTitle();
    loadAssets();
    buildActors();
    applySettings();
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
    audio->setMuted(options.muted);
    gamepad = std::make_unique<kuGamepad>(paths.padMappingFile);
    screen->setSize(screenSize);
    screen->setFullScreen(!options.windowed);
    screen->setScale(options.scale);
    screen->setTitle(windowTitle);
    screen->open();
    connectInput();
}

bool vorlanGameShell::opensOnTitles() const {
    return !replayRun && !options.daily && !ghostRun;
}

void vorlanGameShell::showFirstTitle() {
    // Checked before it shows, as every screen is.
    requireSize(*drawPictureFile(titlePicture1), paths.dataFile(titlePicture1), screenSize);
    screen->update();
}

void vorlanGameShell::connectInput() {
    keys = std::make_unique<shellKeys>(screen, audio);
    kuInputHandler* const handlers[] = {playInput, introInput, menuInput, enterInput};
    for (kuInputHandler* handler : handlers)
        handler->setHook(keys.get());
    introInput->screen = screen;
    menuInput->screen = screen;
}

void vorlanGameShell::loadAssets() {
    for (const imageField& asset : imageFields) {
        const pictureFile& file = fileOf(asset.which);
        kuImage* image = file.keyed ? loadKeyedImage(file.name) : loadImage(file.name);
        this->*asset.field = image;
        requireSize(*image, paths.dataFile(file.name), file.size);
    }
    for (const char* fileName : screenPictures)
        requireSize(*std::unique_ptr<kuImage>(loadImage(fileName)), paths.dataFile(fileName),
                    screenSize);
    for (int which = 0; which < soundCount; ++which)
        this->*soundFields[which] = loadSound(fileOf(sound(which)));
}

void vorlanGameShell::buildActors() {
    pictureSet pictures;
    for (const imageField& asset : imageFields)
        pictures[asset.which] = this->*asset.field;
    soundSet sounds;
    for (int which = 0; which < soundCount; ++which)
        sounds[size_t(which)] = this->*soundFields[which];
    theRound = std::make_unique<quaroRound>();
    roundCast cast = buildCast(screen, pictures, sounds, theRound->random());
    cast.audio = audio;
    cast.cues->setReducedFlashing(reducedFlashing());
    theRound->setCast(cast);
    wall.reset(cast.wall);
    cues.reset(cast.cues);
    maze = cast.maze;
    timeCounter = cast.timeCounter;
    normalYou = cast.normalYou;
    superYou = cast.superYou;
    std::copy(cast.enemies.begin(), cast.enemies.end(), enemies);

    tableCounter = newCounter(screen, fontImage);
    nameCounter = newCounter(screen, fontImage);
    lettering = std::make_unique<quaroLettering>();
    lettering->open(fontImage);
    enterInput->font = nameCounter;
    enterInput->screen = screen;

    replaysContext context;
    context.round = theRound.get();
    context.screen = screen;
    context.font = lettering.get();
    context.menu = menuInput;
    context.keys = keys.get();
    context.clock = clock;
    context.paths = &tablePaths;
    context.waitFrame = [this] { waitFrame(); };
    context.audio = audio;
    context.practice = [this] { practice(); };
    context.showMenu = [this](const char* picture) {
        if (picture != nullptr)
            showMenuPicture(picture);
        else
            displayHighscore(replayer.showingAssisted());
    };
    replayer.setContext(context);
}

void vorlanGameShell::freeData() {
    race.reset();
    replayer.setContext({});
    theRound.reset();
    wall.reset();
    cues.reset();
    for (enemyCharSprite*& enemy : enemies)
        release(enemy);
    release(normalYou);
    release(superYou);
    release(maze);
    for (kuImage* vorlanGameShell::*field : imagesToFree)
        release(this->*field);
    release(timeCounter);
    release(tableCounter);
    release(nameCounter);
    lettering.reset();
    // The device stops and drops what is still playing before any sound data goes.
    release(audio);
    for (Sound* vorlanGameShell::*field : soundFields)
        release(this->*field);
    release(enterInput);
    release(playInput);
    release(introInput);
    release(menuInput);
    keys.reset();
    gamepad.reset();
    release(screen);
}

kuImage* vorlanGameShell::loadImage(const char* fileName) {
    return quaroAssets::loadPicture(screen, paths, fileName, false);
}

kuImage* vorlanGameShell::loadKeyedImage(const char* fileName) {
    return quaroAssets::loadPicture(screen, paths, fileName, true);
}

Sound* vorlanGameShell::loadSound(const char* fileName) {
    return quaroAssets::loadSound(paths, fileName);
}

void vorlanGameShell::shareDailyResult(bool won) const {
    std::printf("%s\n", quaroDaily::shareLine(*dailyDate, won, timeCounter->getMinutes(),
                                              timeCounter->getSeconds(),
                                              theRound->hero()->itemCount, theRound->knockOuts())
                            .c_str());
    std::fflush(stdout);
}

void vorlanGameShell::initDaily(const kuDate& date) {
    dailyDate = date;
    tablePaths = quaroDaily::tablePaths(paths, date);
    theRound->start(quaroDaily::seedOf(date), quaroRules::current, settings.lives);
    playInput->sprite = theRound->hero();
    playInput->activate();
}

void vorlanGameShell::initRace(const quaroRecording& run) {
    dailyDate.reset();
    tablePaths = paths;
    // The ghost's path is worked out by playing the run unseen, and so unheard.
    const bool wasMuted = audio->isMuted();
    audio->setMuted(true);
    race = std::make_unique<quaroRace>(*theRound, *lettering, run, settings.lives);
    audio->setMuted(wasMuted);
    playInput->sprite = theRound->hero();
    playInput->activate();
}

void vorlanGameShell::showSplits() {
    race->drawSplitTable();
    screen->update();
    introInput->activate();
    while (!introInput->quit && !introInput->proceed && !closing()) {
        introInput->pollEvents();
        waitFrame();
    }
}

void vorlanGameShell::practice() {
    // In the place of the replay's progress, which no longer goes on; the viewer's plates go.
    for (const readingsLayout::box& viewerPlace :
         {readingsLayout::replayLabel, readingsLayout::viewerReminder, readingsLayout::viewerSpeed,
          readingsLayout::wishedDirection})
        wallPlate::clear(*maze, viewerPlace);
    wallPlate::write(*maze, *screen, *lettering, readingsLayout::replayProgress, "practice",
                     wallPlate::align::centre);
    screen->update();
    playInput->sprite = theRound->hero();
    playInput->activate();
    liveInput player(*playInput);
    while (!theRound->over() && !closing()) {
        const frameInput input = theRound->step(player);
        waitFrame();
        if (input.pause && !theRound->over())
            pauseBox(screen, lettering.get(), settings)
                .hold(
                    *audio, *playInput, [this] { waitFrame(); }, [this] { openSettings(); });
    }
}

void vorlanGameShell::initGame() {
    dailyDate.reset();
    tablePaths = paths;
    theRound->start(clock->ticks(), quaroRules::current, settings.lives);
    playInput->sprite = theRound->hero();
    playInput->activate();
}

int vorlanGameShell::getReady() {
    return readyMoment(bannersImage).hold(*theRound, *playInput, [this] { waitFrame(); });
}

// The pause comes between two frames: nothing of the round moves meanwhile, and its clock
// counts frames, so the time spent paused never counts.
int vorlanGameShell::run() {
    liveInput player(*playInput);
    recordingTap recorder(player, *theRound, settings.speed);
    while (!theRound->over()) {
        const frameInput input = theRound->step(recorder);
        if (race)
            race->afterFrame();
        waitFrame();
        if (input.pause && !theRound->over()) {
            pauseBox(screen, lettering.get(), settings)
                .hold(
                    *audio, *playInput, [this] { waitFrame(); }, [this] { openSettings(); });
            recorder.playedAt(settings.speed);
        }
    }
    replayer.roundRecorded(recorder);
    return theRound->result();
}

void vorlanGameShell::waitFrame() {
    const Uint32 now = clock->ticks();
    // A deadline more than one frame away cannot be real: the tick counter wrapped, or the
    // deadline is stale. Waiting only within one frame keeps a wrap from becoming a long
    // sleep.
    const int32_t remaining = int32_t(nextFrameTime - now);
    const Uint32 paceMs = settings.frameMs(frameMs);
    if (remaining > 0 && Uint32(remaining) <= paceMs)
        clock->delay(Uint32(remaining));
    nextFrameTime = now + paceMs;
}

std::unique_ptr<kuImage> vorlanGameShell::drawPictureFile(const char* fileName) {
    std::unique_ptr<kuImage> image(loadImage(fileName));
    sz size;
    image->getSize(size);
    kuRectangle whole;
    rectManip::init(whole, 0, 0, size.width, size.height);
    image->display(whole, pointManip::zeroPoint);
    return image;
}

void vorlanGameShell::showMenuPicture(const char* fileName) {
    if (fileName == nullptr)
        return;
    drawPictureFile(fileName);
    if (fileName == gameOverPicture)
        screenNotes::writeLostRound(*lettering, lastLost);
    const quaroHighScore today(quaroDaily::tablePaths(paths, kuTodayUtc()).tableFile);
    if (fileName == menuPicture && today.isPlayed(0)) {
        char line[16];
        std::snprintf(line, sizeof line, "best %02d|%02d", today.getSlotMinutes(0),
                      today.getSlotSeconds(0));
        tableCounter->drawText(line, dailyBestOrigin);
    }
    screen->update();
}

void vorlanGameShell::displayImageFile(const char* fileName) {
    drawPictureFile(fileName); // the picture is freed before the screen shows it
    screen->update();
}

int vorlanGameShell::titleScreen(const char* fileName) {
    displayImageFile(fileName);
    return waitOnTitle();
}

int vorlanGameShell::waitOnTitle() {
    introInput->activate();
    while (!introInput->quit && !introInput->proceed)
        introInput->waitEvent();
    return introInput->quit ? 0 : 1;
}

int vorlanGameShell::menuScreen(const char* fileName) {
    showMenuPicture(fileName);
    menuInput->activate();
    replayer.waitForMenuChoice(fileName);
    if (menuInput->quit)
        return choiceQuit;
    if (menuInput->openSettings)
        return choiceSettings;
    if (menuInput->playDaily)
        return choiceDaily;
    if (std::optional<quaroRecording> chosen = replayer.raceChosen()) {
        ghostRun = std::move(chosen);
        return choiceRace;
    }
    return menuInput->startGame ? choiceStart : choiceHighscore;
}

// No input is acted on meanwhile; the events are only looked at for a request to close.
void vorlanGameShell::delayScreen(const char* fileName, int seconds) {
    displayImageFile(fileName);
    constexpr Uint32 sliceMs = 50;
    for (Uint32 waited = 0; waited < Uint32(seconds) * 1000; waited += sliceMs) {
        introInput->pollEvents();
        if (closing())
            return;
        clock->delay(sliceMs);
    }
}

namespace {

constexpr pt nameOrigin = {300, 360};
constexpr uint32_t nameFieldWidth = 165;
constexpr uint32_t nameFieldHeight = 25;
constexpr int blinkFrames = 16; // the cursor changes every 16 frames

constexpr int tableTop = MenuInputHandler::tableTop;
constexpr int tableRowHeight = MenuInputHandler::tableRowHeight;
const char* const runMarkPicture = "GFX/Misc/RunMark.bmp";
constexpr int tableNameX = 370;
constexpr int tableTimeX = 530;

} // namespace

int vorlanGameShell::checkHighscore() {
    congratSound->play();
    const int seconds = timeCounter->getSeconds();
    const int minutes = timeCounter->getMinutes();
    // A round won with an assist goes to the list beside the table it was played for.
    const bool assisted = replayer.lastRound().assisted();
    quaroHighScore table(assisted ? tablePaths.assistedTableFile() : tablePaths.tableFile);
    if (table.isRecord(minutes, seconds) == -1) {
        const int choice = menuScreen(noRecordPicture);
        table.save();
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
        if (!reducedFlashing() && ++blink >= blinkFrames) {
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
    table.enterRecord(enterInput->name, minutes, seconds);
    if (!replayer.keepRecord(table, assisted ? tablePaths.assistedFolder() : tablePaths.tableFolder,
                             enterInput->name, minutes, seconds) &&
        !closing())
        showSaveFailure(table.saveError());
    if (closing())
        return choiceQuit;
    displayHighscore(assisted);
    return menuScreen(nullptr);
}

void vorlanGameShell::showSaveFailure(const std::string& why) {
    screenNotes::writeSaveFailure(*lettering, why);
    screen->update();
    introInput->activate();
    while (!introInput->quit && !introInput->proceed) {
        introInput->pollEvents();
        waitFrame();
    }
}

void vorlanGameShell::displayHighscore(bool assisted) {
    replayer.showAssisted(assisted);
    drawPictureFile(highScorePicture);
    quaroHighScore table(assisted ? tablePaths.assistedTableFile() : tablePaths.tableFile);
    const std::vector<std::string> runs =
        quaroRunStore(assisted ? tablePaths.assistedFolder() : tablePaths.tableFolder)
            .runsOf(table);
    std::unique_ptr<kuImage> mark(loadKeyedImage(runMarkPicture));
    kuRectangle markArea;
    rectManip::init(markArea, 0, 0, MenuInputHandler::markSize, MenuInputHandler::markSize);
    for (int i = 0; i < quaroHighScore::rowCount; ++i)
        if (!runs[size_t(i)].empty())
            mark->display(markArea,
                          {MenuInputHandler::markX,
                           tableTop + tableRowHeight * i +
                               (tableRowHeight - int32_t(MenuInputHandler::markSize)) / 2});
    for (int i = 0; i < quaroHighScore::rowCount; ++i) {
        const int32_t y = tableTop + tableRowHeight * i;
        tableCounter->pos = {tableTimeX, y};
        tableCounter->giveTime(table.getSlotMinutes(i), table.getSlotSeconds(i));
        tableCounter->showTime();
        tableCounter->pos.x = tableNameX;
        tableCounter->drawText(table.getSlotName(i), tableCounter->pos);
    }
    if (assisted)
        screenNotes::writeAssistedTitle(*lettering);
    else
        screenNotes::writeTableKeys(*lettering);
    table.save();
    screen->update();
}
