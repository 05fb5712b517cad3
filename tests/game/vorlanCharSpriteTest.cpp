#include "gameFixture.h"
#include "geomPrinters.h"
#include "quaroArrowSprites.h"
#include "quaroGate.h"

#include <gtest/gtest.h>

namespace {

class HeroTest : public GameTest {
protected:
    void TearDown() override {
        hero.reset();
        for (auto& enemy : ownedEnemies)
            enemy.reset();
        GameTest::TearDown();
    }

    void makeEnemies() {
        for (int i = 0; i < 4; ++i) {
            ownedEnemies[i] = makeEnemy(1 + 16 * (i % 2), 11, rowUp, {0, -1});
            enemies[i] = ownedEnemies[i].get();
        }
    }

    void openTheGate() {
        for (auto& gate : maze->gates)
            gate->frameIndex = vorlanMaze::gateOpenFrame;
    }

    // Walking from pos along the row at full speed.
    void walking(pt at, int row) {
        place(*hero, 0, 0, row);
        hero->pos = at;
        hero->oldPos = at;
        hero->speed = hero->walkSpeed;
    }

    std::unique_ptr<enemyCharSprite> ownedEnemies[4];
    std::unique_ptr<vorlanCharSprite> hero;
};

} // namespace

TEST_F(HeroTest, ArrowAgainstTheHeroStopsItWithTheArrowSound) {
    hero = makeHero();
    place(*hero, 7, 3, rowUp);
    maze->arrows[0]->frameIndex = quaroArrowSprites::frameDown;
    hero->wantedDY = -1;
    played();
    for (int frame = 0; frame < 5; ++frame) {
        hero->act();
        EXPECT_EQ(hero->pos, (pt{300, 140}));
        EXPECT_EQ(hero->speed, 0);
        EXPECT_EQ(hero->getCurrentFrame(), 9);
        EXPECT_EQ(playedCount("quaroArrow"), 1) << frame;
    }
}

struct passingCase {
    int arrowFrame;
    int brickY; // the hero starts on (7, brickY)
    int row;
    int wantedDY;
    int endY; // past the arrow's centre at 100 after 14 steps of 3
};

class HeroPassesArrow : public HeroTest, public ::testing::WithParamInterface<passingCase> {};

TEST_P(HeroPassesArrow, WalkingTheArrowsWayOrPastATurningArrow) {
    const passingCase& c = GetParam();
    hero = makeHero();
    place(*hero, 7, c.brickY, c.row);
    maze->arrows[0]->frameIndex = c.arrowFrame;
    hero->wantedDY = c.wantedDY;
    for (int frame = 0; frame < 14; ++frame)
        hero->act();
    EXPECT_EQ(hero->pos, (pt{300, c.endY}));
    EXPECT_EQ(playedCount("quaroArrow"), 0);
}

// Arrow 0 stands on (7, 2) between (7, 1) and (7, 3).
INSTANTIATE_TEST_SUITE_P(Frames, HeroPassesArrow,
                         ::testing::Values(passingCase{0, 3, rowUp, -1, 98},
                                           passingCase{1, 3, rowUp, -1, 98},
                                           passingCase{3, 3, rowUp, -1, 98},
                                           passingCase{4, 1, rowDown, 1, 102},
                                           passingCase{5, 1, rowDown, 1, 102}));

TEST_F(HeroTest, ClosedHouseStopsTheHeroOnItsBrick) {
    hero = makeHero();
    hero->wantedDY = 1;
    for (int frame = 0; frame < 3; ++frame) {
        hero->act();
        EXPECT_EQ(hero->pos, (pt{380, 140}));
        EXPECT_EQ(hero->speed, 0);
    }
    EXPECT_FALSE(hero->inHouse);
}

TEST_F(HeroTest, OpenGateLetsTheHeroIntoTheHouse) {
    hero = makeHero();
    openTheGate();
    walking({341, 140}, rowRight); // along the bricks in front of the gate
    hero->wantedDY = 1;
    std::vector<pt> path;
    while (!hero->inHouse && path.size() < 40) {
        hero->act();
        path.push_back(hero->pos);
    }
    ASSERT_TRUE(hero->inHouse);
    EXPECT_EQ(path.back(), (pt{380, 180}));
    EXPECT_EQ(path[12], (pt{380, 141})); // 341 + 13 * 3 reaches 380
}

TEST_F(HeroTest, ProductIsTakenInTheFirstFrameItsBrickHoldsTheHero) {
    hero = makeHero();
    clearBricks({{2, 1}});
    walking({100, 60}, rowRight);
    const int kind = maze->bricks[3][1] - mazeLayout::firstProduct;
    ASSERT_GE(kind, 0);
    for (int frame = 0; frame < 6; ++frame)
        hero->act(); // 118: still in (2, 1)
    EXPECT_EQ(hero->itemCount, 0);
    hero->act(); // 121: in (3, 1)
    EXPECT_EQ(hero->pos, (pt{121, 60}));
    EXPECT_EQ(hero->itemCount, 1);
    EXPECT_EQ(maze->bricks[3][1], mazeLayout::corridor);
    EXPECT_EQ(playedCount("pickUp"), 1);
    EXPECT_TRUE(showsMazePicture(150, 40, 10, 40)); // the product's square was restored
}

TEST_F(HeroTest, TheLastProductOpensTheGateInTheSameFrame) {
    hero = makeHero();
    hero->itemCount = 105;
    place(*hero, 5, 1, rowRight); // on a product
    played();
    hero->act();
    EXPECT_EQ(hero->itemCount, 106);
    EXPECT_EQ(maze->gates[0]->frameIndex, 1);
    EXPECT_EQ(played(), (std::vector<std::string>{"pickUp", "gate"}));
}

TEST_F(HeroTest, WalkingPlaysAFootstepEveryTwelveFrames) {
    hero = makeHero();
    clearBricks({{7, 3}, {7, 4}, {7, 5}, {7, 6}, {7, 7}});
    place(*hero, 7, 3, rowDown);
    hero->wantedDY = 1;
    hero->setCurrentFrame(10);
    played();
    std::vector<int> steps;
    for (int frame = 0; frame < 26; ++frame) {
        hero->act();
        if (playedCount("quaroWalk") == 1)
            steps.push_back(frame);
    }
    EXPECT_EQ(steps, (std::vector<int>{1, 13, 25})); // frame 9, 11, 0, ...
}

TEST_F(HeroTest, DrinkingRunsNineLoopsAndACutOneThenTheHeroIsDone) {
    hero = makeHero();
    clearBricks({{2, 1}});
    walking({82, 60}, rowLeft);
    hero->act(); // 79: in the mug's brick (1, 1)
    ASSERT_EQ(hero->pos, (pt{79, 60}));
    EXPECT_EQ(hero->savedAnim, walkRow(*hero, rowLeft));
    EXPECT_EQ(hero->currentAnim, hero->drinkAnims[rowLeft]);
    EXPECT_EQ(hero->getCurrentFrame(), 0);
    EXPECT_EQ(maze->bricks[1][1], mazeLayout::corridor);
    EXPECT_EQ(played(), (std::vector<std::string>{"jubii", "drinking"}));

    std::vector<int> frames;
    int drinkingSounds = 0;
    for (int act = 0; act < 85; ++act) {
        hero->act();
        frames.push_back(hero->getCurrentFrame());
        drinkingSounds += playedCount("drinking");
        EXPECT_EQ(hero->pos, (pt{79, 60}));
        ASSERT_FALSE(hero->drank) << act;
    }
    EXPECT_EQ(frames[20], 21);
    EXPECT_EQ(frames[21], 15); // the first loop begins
    EXPECT_EQ(frames[84], 15); // the tenth begins and is cut short
    EXPECT_EQ(hero->drinkLoops, 10);
    EXPECT_EQ(drinkingSounds, 5);
    hero->act();
    EXPECT_TRUE(hero->drank);
    EXPECT_EQ(hero->savedAnim, nullptr);
    EXPECT_EQ(hero->currentAnim, walkRow(*hero, rowLeft));
    EXPECT_EQ(hero->getCurrentFrame(), 9);
}

TEST_F(HeroTest, KnockedOutHeroFreezesThenFallsAndListensToTheBirds) {
    makeEnemies();
    hero = makeHero();
    ownedEnemies[0]->pos = {hero->pos.x + 19, hero->pos.y - 19};
    hero->act();
    EXPECT_EQ(hero->koCount, 1);
    EXPECT_EQ(played(), (std::vector<std::string>{"knockOut", "indianTalk"}));
    for (int frame = 1; frame <= 9; ++frame) {
        hero->act();
        EXPECT_EQ(hero->currentAnim, walkRow(*hero, rowUp));
        EXPECT_EQ(hero->getCurrentFrame(), 9);
    }
    EXPECT_EQ(hero->koCount, 10);
    hero->act();
    EXPECT_EQ(hero->currentAnim, knockOutRow(*hero, rowUp));
    EXPECT_EQ(hero->getCurrentFrame(), 1);
    int frames = 10;
    while (hero->koCount <= 14) {
        hero->act();
        ++frames;
    }
    EXPECT_EQ(frames, 58); // the round ends after the caught frame and 58 more
    EXPECT_EQ(hero->getCurrentFrame(), 13);
    EXPECT_EQ(playedCount("birdSinging"), 4);
    EXPECT_EQ(hero->pos, centreOf(9, 3));
}

TEST_F(HeroTest, CaughtWhileDrinkingTheDrinkIsLeftUnfinished) {
    makeEnemies();
    hero = makeHero();
    hero->itemCount = 3;
    clearBricks({{2, 1}});
    walking({82, 60}, rowLeft);
    hero->act();
    ASSERT_NE(hero->savedAnim, nullptr);
    ownedEnemies[2]->pos = {80, 75};
    hero->act();
    EXPECT_EQ(hero->koCount, 1);
    EXPECT_EQ(hero->savedAnim, nullptr);
    EXPECT_EQ(hero->currentAnim, walkRow(*hero, rowLeft));
    for (int frame = 0; frame < 9; ++frame) {
        hero->act();
        EXPECT_EQ(hero->currentAnim, walkRow(*hero, rowLeft));
    }
    hero->act();
    EXPECT_EQ(hero->currentAnim, knockOutRow(*hero, rowLeft));
    EXPECT_FALSE(hero->drank);
}

struct contactCase {
    pt offset;
    bool touches;
};

class HeroContact : public HeroTest, public ::testing::WithParamInterface<contactCase> {};

TEST_P(HeroContact, EnemiesTouchWithinNineteenPixelsOnBothAxes) {
    makeEnemies();
    hero = makeHero();
    ownedEnemies[3]->pos = {hero->pos.x + GetParam().offset.x, hero->pos.y + GetParam().offset.y};
    hero->act();
    EXPECT_EQ(hero->koCount, GetParam().touches ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Offsets, HeroContact,
                         ::testing::Values(contactCase{{19, 19}, true},
                                           contactCase{{-19, -19}, true}, contactCase{{0, 0}, true},
                                           contactCase{{20, 0}, false},
                                           contactCase{{0, -20}, false},
                                           contactCase{{-20, 19}, false}));

TEST_F(HeroTest, NormalHeroIsCaughtByTheFirstTouchingEnemyOnly) {
    makeEnemies();
    hero = makeHero();
    ownedEnemies[1]->pos = hero->pos;
    ownedEnemies[2]->pos = hero->pos;
    hero->act();
    EXPECT_EQ(hero->koCount, 1);
    EXPECT_EQ(played(), (std::vector<std::string>{"knockOut", "indianTalk"}));
    hero->act(); // already out: touching enemies change nothing
    EXPECT_EQ(hero->koCount, 2);
    EXPECT_TRUE(played().empty());
    EXPECT_FALSE(ownedEnemies[1]->hit);
}

TEST_F(HeroTest, SuperHeroKnocksOutEveryTouchingEnemyForTenSecondsEach) {
    makeEnemies();
    hero = makeHero(true);
    clock->giveTime(1, 5);
    ownedEnemies[0]->pos = {hero->pos.x - 10, hero->pos.y};
    ownedEnemies[2]->pos = {hero->pos.x, hero->pos.y + 15};
    ownedEnemies[3]->pos = {hero->pos.x + 5, hero->pos.y};
    ownedEnemies[3]->koCount = 1; // already down: not hit again
    hero->act();
    EXPECT_TRUE(ownedEnemies[0]->hit);
    EXPECT_FALSE(ownedEnemies[1]->hit);
    EXPECT_TRUE(ownedEnemies[2]->hit);
    EXPECT_FALSE(ownedEnemies[3]->hit);
    EXPECT_EQ(hero->koCount, 0);
    EXPECT_EQ(clock->getMinutes(), 0);
    EXPECT_EQ(clock->getSeconds(), 45);
    EXPECT_EQ(played(), (std::vector<std::string>{"knockOut", "yieeHaa", "knockOut", "yieeHaa"}));
}

TEST_F(HeroTest, AssignStateCarriesTheRoundButNotTheForm) {
    hero = makeHero();
    auto super = makeHero(true);
    hero->itemCount = 17;
    hero->inHouse = true;
    hero->koCount = 3;
    hero->drank = true;
    hero->drinkLoops = 4;
    hero->pos = {223, 60};
    hero->currentAnim = walkRow(*hero, rowLeft);
    super->assignState(hero.get());
    EXPECT_EQ(super->itemCount, 17);
    EXPECT_TRUE(super->inHouse);
    EXPECT_EQ(super->koCount, 0);
    EXPECT_FALSE(super->drank);
    EXPECT_EQ(super->drinkLoops, 0);
    EXPECT_TRUE(super->isSuper);
    EXPECT_EQ(super->pos, (pt{223, 60}));
    EXPECT_EQ(super->currentAnim, walkRow(*super, rowLeft));
}

TEST_F(HeroTest, DrinkToWalkModeWithoutADrinkChangesNothing) {
    hero = makeHero();
    hero->drinkToWalkMode();
    EXPECT_EQ(hero->currentAnim, walkRow(*hero, rowUp));
    EXPECT_EQ(hero->getCurrentFrame(), 9);
}
