#include "shellHarness.h"

#include "enemyCharSprite.h"
#include "kuScreen.h"
#include "vorlanInput.h"

#include <chrono>
#include <stdexcept>

Uint32 ScriptedClock::ticks() {
    if (++reads > maxReads)
        throw std::runtime_error("the game ran too many frames without ending");
    if (onTicks)
        onTicks();
    return now;
}

void ScriptedClock::delay(Uint32 milliseconds) {
    delays.push_back(milliseconds);
    if (onDelay)
        onDelay(milliseconds);
    now += milliseconds;
}

EventFeeder::EventFeeder(sdlEventType type)
    : pusher([this, type] {
          while (running) {
              if (eventQueueEmpty()) {
                  SDL_Event event = {};
                  event.type = type;
                  event.key.type = type;
                  event.key.keysym.sym = type == SDL_KEYDOWN ? firstHeldKey() : SDLK_UNKNOWN;
                  SDL_PushEvent(&event);
              }
              std::this_thread::sleep_for(std::chrono::milliseconds(2));
          }
      }) {}

EventFeeder::~EventFeeder() {
    running = false;
    pusher.join();
}

GameFolder::GameFolder() : cwd(dir.path()) {
    const std::filesystem::path assets = QUARO_ASSET_DIR;
    std::filesystem::create_directory_symlink(assets / "GFX", dir.path() / "GFX");
    std::filesystem::create_directory_symlink(assets / "SFX", dir.path() / "SFX");
}

void holdKey(SDLKey key) {
    kuSetKeyHeld(key, true);
}

void releaseKey(SDLKey key) {
    kuSetKeyHeld(key, false);
}

void releaseAllKeys() {
    kuReleaseAllKeys();
}

void pushKeyDown(SDLKey key) {
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    ASSERT_TRUE(queueEvent(event));
}

void pressKey(SDLKey key) {
    holdKey(key);
    pushKeyDown(key);
}

void dropEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
}

pt brickCentre(int x, int y) {
    return {40 * x + 20, 40 * y + 20};
}

void parkEnemies(vorlanGameShell& shell) {
    const pt parking[] = {brickCentre(4, 11), brickCentre(8, 11), brickCentre(10, 11),
                          brickCentre(15, 11)};
    for (int i = 0; i < vorlanGameShell::enemyCount; ++i) {
        enemyCharSprite* enemy = shell.enemies[i];
        enemy->pos = enemy->oldPos = parking[i];
        enemy->speed = 0;
        enemy->wantedDX = enemy->wantedDY = 0;
    }
}

bool screenShows(kuScreen* screen, const std::string& pictureFile) {
    SDL_Surface* picture = SDL_LoadBMP(pictureFile.c_str());
    if (picture == nullptr)
        return false;
    const bool same =
        areasEqual(screen->getSDLSurface(), 0, 0, picture, 0, 0, picture->w, picture->h);
    SDL_FreeSurface(picture);
    return same;
}

void ShellTest::SetUp() {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO), 0) << SDL_GetError();
    dropEvents();
    releaseAllKeys();
    folder = std::make_unique<GameFolder>();
    shell = std::make_unique<vorlanGameShell>();
    shell->setClock(&clock);
    // The menus wait for events without reading the clock, unless a test wants them idle.
    shell->replays().setIdleMs(0);
    clock.onTicks = [this] {
        ++frames;
        if (onFrame)
            onFrame(frames);
    };
}

void ShellTest::TearDown() {
    shell.reset();
    folder.reset();
    releaseAllKeys();
    dropEvents();
    SDL_Quit();
}

void ShellTest::load() {
    shell->loadData();
    frames = 0;
}

void ShellTest::startRound(uint32_t seed) {
    shell->round().start(seed);
    shell->playInput->activate();
}

int ShellTest::playRound() {
    shell->initGame();
    frames = 0;
    return shell->run();
}
