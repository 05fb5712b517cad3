#include "gameFixture.h"

#include "tempDir.h"

namespace {

const char* const soundNames[] = {"pickUp",      "knockOut",  "drinking", "quaroWalk",
                                  "birdSinging", "jubii",     "yieeHaa",  "indianTalk",
                                  "quaroArrow",  "arrowTurn", "gate"};

} // namespace

const std::filesystem::path& GameTest::pictureDir() {
    static TempDir dir;
    static bool written = false;
    if (!written) {
        gamePictures::writeAll(dir.path());
        written = true;
    }
    return dir.path();
}

kuImage* GameTest::picture(const char* file, bool keyed) {
    auto& slot = pictures[file];
    if (!slot)
        slot = gamePictures::load(screen, pictureDir() / file, keyed);
    return slot.get();
}

void GameTest::SetUp() {
    ScreenTest::SetUp();
    sounds = std::make_unique<SoundLog>();
    ASSERT_TRUE(sounds->deviceRunning());
    for (const char* name : soundNames)
        sound[name] = sounds->make(name);
    for (int s = 0; s < gamePictures::sheetCount; ++s)
        sheets[s] = gamePictures::load(
            screen, pictureDir() / gamePictures::sheetFile(gamePictures::sheet(s)), true);
    random.reseed(seed);
    maze = std::make_unique<vorlanMaze>(random);
    maze->setScreen(&screen);
    maze->setImage(picture(gamePictures::levelMapFile, false));
    maze->initItems(picture(gamePictures::productsFile, true));
    maze->initCups(picture(gamePictures::mugsFile, true));
    maze->initArrows(picture(gamePictures::arrowFile, true), sound["arrowTurn"]);
    maze->initGate(picture(gamePictures::gateFile, true), sound["gate"]);
    clock = std::make_unique<quaroCounter>();
    clock->setScreen(&screen);
    clock->open(picture(gamePictures::fontFile, true));
    clock->background = maze.get();
    clock->pos = {mazeLayout::clockX, mazeLayout::clockY};
}

void GameTest::TearDown() {
    clock.reset();
    maze.reset();
    pictures.clear();
    for (auto& s : sheets)
        s.reset();
    sounds.reset();
    ScreenTest::TearDown();
}

std::unique_ptr<vorlanCharSprite> GameTest::makeHero(bool super) {
    using gamePictures::sheet;
    auto hero = std::make_unique<vorlanCharSprite>(
        this->sheet(super ? gamePictures::quaroSuperWalk : gamePictures::quaroWalk),
        this->sheet(gamePictures::quaroKnockOut),
        this->sheet(super ? gamePictures::quaroSuperDrinking : gamePictures::quaroDrinking));
    hero->setScreen(&screen);
    hero->maze = maze.get();
    hero->timeCounter = clock.get();
    hero->isSuper = super;
    hero->pickUpSound = sound["pickUp"];
    hero->knockOutSound = sound["knockOut"];
    hero->drinkingSound = sound["drinking"];
    hero->quaroWalkSound = sound["quaroWalk"];
    hero->birdSingingSound = sound["birdSinging"];
    hero->jubiiSound = sound["jubii"];
    hero->yieeHaaSound = sound["yieeHaa"];
    hero->indianTalkSound = sound["indianTalk"];
    hero->quaroArrowSound = sound["quaroArrow"];
    for (int i = 0; i < 4; ++i)
        hero->enemies[i] = enemies[i];
    place(*hero, 9, 3, rowUp);
    return hero;
}

std::unique_ptr<enemyCharSprite> GameTest::makeEnemy(int x, int y, int row, pt direction) {
    auto enemy = std::make_unique<enemyCharSprite>(sheet(gamePictures::indianWalk),
                                                   sheet(gamePictures::indianKnockOut));
    enemy->setScreen(&screen);
    enemy->maze = maze.get();
    enemy->birdSingingSound = sound["birdSinging"];
    enemy->random = &random;
    place(*enemy, x, y, row);
    enemy->direction = direction;
    return enemy;
}

void GameTest::place(commonCharSprite& who, int x, int y, int row) {
    maze->brickIndexToPos(x, y, who.pos);
    who.oldPos = who.pos;
    who.currentAnim = who.anims[walkSet][row];
    constexpr pt directions[4] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    who.direction = directions[row];
    who.speed = 0;
    who.setCurrentFrame(commonCharSprite::standingFrame);
}

pt GameTest::centreOf(int x, int y) const {
    pt centre;
    maze->brickIndexToPos(x, y, centre);
    return centre;
}

int GameTest::playedCount(const std::string& name) {
    int count = 0;
    for (const std::string& played : sounds->collect())
        count += played == name;
    return count;
}

void GameTest::clearBricks(std::initializer_list<mazeLayout::brickIndex> bricks) {
    for (const auto& brick : bricks)
        maze->bricks[brick.x][brick.y] = mazeLayout::corridor;
}

bool GameTest::showsMazePicture(int x, int y, int width, int height) {
    return areasEqual(screenSurface(), x, y, mazePicture(), x, y, width, height);
}
