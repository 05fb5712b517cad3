#include "quaroRound.h"

#include "enemyCharSprite.h"
#include "kuAudio.h"
#include "kuScreen.h"
#include "mazeLayout.h"
#include "quaroCounter.h"
#include "roundCues.h"
#include "vorlanCharSprite.h"
#include "vorlanMaze.h"

namespace {

using namespace quaroAssets;

struct enemyStart {
    mazeLayout::brickIndex brick;
    int wantedDX;
    int wantedDY;
    int row;
};
// Each enemy starts on a mug corner, wishing to walk out of it.
const enemyStart enemyStarts[roundCast::enemyCount] = {
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

vorlanCharSprite* createHero(const roundCast& cast, kuImage* walkImage, kuImage* drinkingImage,
                             const pictureSet& pictures, const soundSet& sounds) {
    auto* hero = new vorlanCharSprite(walkImage, pictures[knockOut], drinkingImage);
    hero->setScreen(cast.screen);
    hero->maze = cast.maze;
    hero->timeCounter = cast.timeCounter;
    hero->pickUpSound = sounds[pickUpSound];
    hero->drinkingSound = sounds[drinkingSound];
    hero->quaroWalkSound = sounds[quaroWalkSound];
    hero->birdSingingSound = sounds[birdSingingSound];
    hero->knockOutSound = sounds[knockOutSound];
    hero->jubiiSound = sounds[jubiiSound];
    hero->yieeHaaSound = sounds[yieeHaaSound];
    hero->indianTalkSound = sounds[indianTalkSound];
    hero->quaroArrowSound = sounds[quaroArrowSound];
    for (int i = 0; i < roundCast::enemyCount; ++i)
        hero->enemies[i] = cast.enemies[size_t(i)];
    return hero;
}

} // namespace

roundCast buildCast(kuScreen* screen, const pictureSet& pictures, const soundSet& sounds,
                    quaroRandom& random) {
    roundCast cast;
    cast.screen = screen;
    cast.maze = new vorlanMaze(random);
    cast.maze->setScreen(screen);
    cast.maze->setImage(pictures[levelMap]);
    cast.maze->initItems(pictures[products]);
    cast.maze->initCups(pictures[mugs]);
    cast.maze->initArrows(pictures[arrow], sounds[arrowTurnSound]);
    cast.maze->initGate(pictures[gate], sounds[gateSound]);

    cast.timeCounter = new quaroCounter;
    cast.timeCounter->setScreen(screen);
    cast.timeCounter->open(pictures[font]);
    cast.timeCounter->background = cast.maze;
    cast.timeCounter->pos = {mazeLayout::clockX, mazeLayout::clockY};

    for (enemyCharSprite*& enemy : cast.enemies) {
        enemy = new enemyCharSprite(pictures[indianWalk], pictures[indianKnockOut]);
        enemy->setScreen(screen);
        enemy->maze = cast.maze;
        enemy->birdSingingSound = sounds[birdSingingSound];
        enemy->random = &random;
        enemy->initFrightened(pictures[indianFrightened]);
    }
    // The heroes hold pointers to the enemies and the clock, so they come last.
    cast.normalYou = createHero(cast, pictures[walk], pictures[drinking], pictures, sounds);
    cast.superYou =
        createHero(cast, pictures[superWalk], pictures[superDrinking], pictures, sounds);
    cast.superYou->isSuper = true;
    cast.yells = {sounds[indianYell1Sound], sounds[indianYell2Sound], sounds[indianTalkSound]};
    cast.wall = new wallReadings(cast.maze, cast.timeCounter, pictures[marks]);
    cast.cues =
        new roundCues(cast.maze, pictures[marks], pictures[banners], sounds[superEndingSound]);
    return cast;
}

void freeCast(roundCast& cast) {
    for (enemyCharSprite* enemy : cast.enemies)
        delete enemy;
    delete cast.normalYou;
    delete cast.superYou;
    delete cast.maze;
    delete cast.timeCounter;
    delete cast.wall;
    delete cast.cues;
    cast = roundCast();
}

quaroRound::quaroRound() : cosmeticRandom(0, quaroRandom::cosmeticStream) {}

void quaroRound::placeActors() {
    pt heroAt;
    cast.maze->brickIndexToPos(heroStart.x, heroStart.y, heroAt);
    for (vorlanCharSprite* form : {cast.normalYou, cast.superYou})
        form->startAt(heroAt, rowUp);
    for (size_t i = 0; i < cast.enemies.size(); ++i) {
        enemyCharSprite* enemy = cast.enemies[i];
        const enemyStart& start = enemyStarts[i];
        pt at;
        cast.maze->brickIndexToPos(start.brick.x, start.brick.y, at);
        enemy->startAt(at, start.row);
        enemy->wantedDX = start.wantedDX;
        enemy->wantedDY = start.wantedDY;
        enemy->koCount = 0;
        enemy->hit = false;
    }
}

void quaroRound::nextLife() {
    ++lost;
    you->erase();
    for (enemyCharSprite* enemy : cast.enemies)
        enemy->erase();
    if (you != cast.normalYou)
        makeNormal();
    superTimer = 0;
    const int taken = you->itemCount;
    for (vorlanCharSprite* form : {cast.normalYou, cast.superYou}) {
        form->resetForRound();
        form->itemCount = taken;
    }
    placeActors();
}

void quaroRound::start(uint32_t seed, uint16_t rules, int lives) {
    startSeed = seed;
    playedRules = rules;
    roundLives = lives;
    lost = 0;
    framesPlayed = 0;
    outlawsKnockedOut = 0;
    left = false;
    playRandom.reseed(seed);
    cosmeticRandom.reseed(seed, quaroRandom::cosmeticStream);
    you = cast.normalYou;
    for (vorlanCharSprite* form : {cast.normalYou, cast.superYou})
        form->resetForRound();
    placeActors();
    superTimer = 0;
    cast.maze->reInit();
    cast.timeCounter->giveTime(0, 0);
    cast.cues->start();

    cast.screen->beginUpdate();
    cast.maze->show();
    cast.timeCounter->showTime(); // 00:00 until the first second, the ready moment included
    cast.wall->showAll(readings());
    cast.screen->endUpdate();
}

frameInput quaroRound::step(roundInputSource& input) {
    timeSuperForm();
    const frameInput wish = input.nextFrame(*you);
    you->wantedDX = wish.wantedDX;
    you->wantedDY = wish.wantedDY;
    left = wish.leave;
    you->act();
    you->erase();
    for (enemyCharSprite* enemy : cast.enemies) {
        const bool wasUp = enemy->koCount == 0;
        enemy->act();
        enemy->erase();
        outlawsKnockedOut += wasUp && enemy->koCount != 0;
    }
    if (overlay != nullptr)
        overlay->erase();
    cast.maze->act();
    cast.cues->beforeActorsShow(*this);
    showActors();
    cast.cues->afterActorsShow(*this);
    cast.timeCounter->tick();
    cast.wall->show(readings());
    cast.screen->update();
    randomYell();
    ++framesPlayed;
    if (!left && you->koCount > knockedOutForGood && lost + 1 < roundLives)
        nextLife();
    return wish;
}

void quaroRound::showActors() {
    // Shown again (by the ready moment), a translucent overlay must not cover itself.
    if (overlay != nullptr)
        overlay->erase();
    you->show();
    for (enemyCharSprite* enemy : cast.enemies)
        enemy->show();
    if (overlay != nullptr)
        overlay->show(framesPlayed);
}

roundReadings quaroRound::readings() const {
    roundReadings now;
    now.goodsLeft = cast.maze->productsLeft();
    now.superFramesLeft = superTimer;
    now.lives = roundLives;
    now.livesLeft = roundLives - lost - (you->koCount > 0 ? 1 : 0);
    now.muted = cast.audio != nullptr && cast.audio->isMuted();
    return now;
}

bool quaroRound::over() const {
    return left || (you->koCount > knockedOutForGood && lost + 1 >= roundLives) || you->inHouse;
}

int quaroRound::result() const {
    if (left)
        return roundLeft;
    if (you->koCount > caught)
        return roundLost;
    return roundWon;
}

void quaroRound::makeSuper() {
    you = cast.superYou;
    cast.superYou->assignState(cast.normalYou);
}

void quaroRound::makeNormal() {
    you = cast.normalYou;
    cast.normalYou->assignState(cast.superYou);
}

// The super form lasts 250 frames from the end of a drink; the timer stands still while the
// hero drinks.
void quaroRound::timeSuperForm() {
    if (you->savedAnim != nullptr)
        return;
    if (you->drank) {
        you->drank = false;
        // A hero caught in the frame its drink ended stays caught: the super form is never
        // knocked out, so switching now would let it escape.
        if (you->koCount > 0)
            return;
        if (you == cast.normalYou)
            makeSuper();
        superTimer = superFrames;
    }
    if (superTimer > 0 && superTimer-- == 1)
        makeNormal();
}

void quaroRound::randomYell() {
    quaroRandom& dice =
        quaroRules::yellsShareTheRoundsDraws(playedRules) ? playRandom : cosmeticRandom;
    const uint32_t yell = uint32_t(dice.below(yellOdds));
    if (yell < cast.yells.size())
        cast.yells[yell]->play();
}
