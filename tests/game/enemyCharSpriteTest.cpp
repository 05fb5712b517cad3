#include "gameFixture.h"
#include "geomPrinters.h"
#include "quaroArrowSprites.h"

#include <gtest/gtest.h>

namespace {

class EnemyTest : public GameTest {
protected:
    void TearDown() override {
        enemy.reset();
        GameTest::TearDown();
    }

    // Reseeds the generator so that its next draw of 0 to 99 (the one at the next wall) is r.
    void nextWishDraw(int r) {
        for (unsigned candidate = 1;; ++candidate) {
            random.reseed(candidate);
            if (random.below(100) == r) {
                random.reseed(candidate);
                return;
            }
        }
    }

    std::unique_ptr<enemyCharSprite> enemy;
};

} // namespace

TEST_F(EnemyTest, ConstructedEnemyWalksFourPixelsAndIsUp) {
    enemy = makeEnemy(1, 1, rowDown, {1, 0});
    EXPECT_EQ(enemy->anims[walkSet][rowLeft][11].crawl, 4);
    EXPECT_FALSE(enemy->hit);
    EXPECT_EQ(enemy->koCount, 0);
}

TEST_F(EnemyTest, FirstEnemyOfTheFirstRoundTurnsDownAtOnce) {
    enemy = makeEnemy(1, 1, rowDown, {1, 0}); // direction from construction, row from the round
    enemy->wantedDY = 1;
    enemy->act();
    EXPECT_EQ(enemy->pos, (pt{60, 61}));
    EXPECT_EQ(enemy->direction, (pt{0, 1}));
    enemy->act();
    EXPECT_EQ(enemy->pos, (pt{60, 65}));
    EXPECT_EQ(maze->bricks[1][1], mazeLayout::mug); // enemies take nothing
}

TEST_F(EnemyTest, WallPutsTheEnemyBackKeepsItsSpeedAndDrawsAWish) {
    enemy = makeEnemy(5, 1, rowRight, {1, 0});
    enemy->pos = {216, 60};
    enemy->speed = 32;
    enemy->wantedDX = 1;
    nextWishDraw(10);
    enemy->act(); // 220: the wall (6, 1) ahead counts from the middle
    EXPECT_EQ(enemy->pos, (pt{220, 60}));
    EXPECT_EQ(enemy->speed, 32);
    EXPECT_EQ(enemy->wantedDX, 1);
    EXPECT_EQ(enemy->wantedDY, 0);
}

TEST_F(EnemyTest, ThreeDrawsOfTenWishRightEachTime) {
    enemy = makeEnemy(5, 1, rowRight, {1, 0});
    enemy->speed = 32;
    enemy->wantedDX = 1;
    for (int contact = 0; contact < 3; ++contact) {
        nextWishDraw(10);
        enemy->act();
        EXPECT_EQ(enemy->pos, (pt{220, 60}));
        EXPECT_EQ(enemy->wantedDX, 1);
        EXPECT_EQ(enemy->wantedDY, 0);
    }
}

struct wishCase {
    int r;
    int dx, dy;
};

class EnemyWish : public EnemyTest, public ::testing::WithParamInterface<wishCase> {};

TEST_P(EnemyWish, TheDrawPicksTheDirection) {
    enemy = makeEnemy(5, 1, rowRight, {1, 0});
    enemy->speed = 32;
    nextWishDraw(GetParam().r);
    enemy->act();
    EXPECT_EQ(enemy->wantedDX, GetParam().dx);
    EXPECT_EQ(enemy->wantedDY, GetParam().dy);
}

INSTANTIATE_TEST_SUITE_P(Bounds, EnemyWish,
                         ::testing::Values(wishCase{0, 1, 0}, wishCase{27, 1, 0},
                                           wishCase{28, -1, 0}, wishCase{49, -1, 0},
                                           wishCase{50, 0, -1}, wishCase{77, 0, -1},
                                           wishCase{78, 0, 1}, wishCase{99, 0, 1}));

TEST_F(EnemyTest, PassesTheGateFrontAndIsStoppedByTheHouse) {
    enemy = makeEnemy(8, 3, rowRight, {1, 0});
    enemy->speed = 32;
    enemy->wantedDY = 1;
    for (int frame = 0; frame < 9; ++frame) {
        enemy->act();
        ASSERT_EQ(enemy->direction, (pt{1, 0})) << frame; // no turn before (9, 3)
    }
    enemy->act();
    EXPECT_EQ(enemy->pos, (pt{380, 141})); // turned down on reaching the centre
    EXPECT_EQ(enemy->direction, (pt{0, 1}));
    nextWishDraw(30); // left
    enemy->act();
    EXPECT_EQ(enemy->pos, (pt{380, 140}));
    EXPECT_EQ(enemy->wantedDX, -1);
}

TEST_F(EnemyTest, WalksThroughArrowsBothWays) {
    maze->arrows[0]->frameIndex = quaroArrowSprites::frameDown;
    enemy = makeEnemy(7, 3, rowUp, {0, -1});
    enemy->wantedDY = -1;
    for (int frame = 0; frame < 10; ++frame)
        enemy->act();
    EXPECT_EQ(enemy->pos, (pt{300, 100}));
    enemy->wantedDY = 1;
    for (int frame = 0; frame < 10; ++frame)
        enemy->act();
    EXPECT_EQ(enemy->pos, (pt{300, 140}));
}

TEST_F(EnemyTest, HitEnemyLiesKnockedOutThenWalksOnAsBefore) {
    enemy = makeEnemy(3, 3, rowLeft, {-1, 0});
    enemy->speed = 32;
    enemy->wantedDY = -1;
    enemy->accumulator = -5;
    enemy->hit = true;
    std::vector<int> frames;
    int birds = 0;
    played();
    while (true) {
        enemy->act();
        birds += playedCount("birdSinging");
        if (enemy->koCount == 0)
            break;
        frames.push_back(enemy->getCurrentFrame());
        ASSERT_EQ(enemy->pos, (pt{140, 140}));
        ASSERT_LT(frames.size(), 200u);
    }
    EXPECT_FALSE(enemy->hit);
    EXPECT_EQ(birds, 10);
    ASSERT_EQ(frames.size(), 9u + 21u + 9u * 9u); // the tenth loop ends as it begins
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(frames[i], 9) << i; // frozen, the act that took the hit included
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(frames[9 + i], i + 1);
    EXPECT_EQ(frames[30], 13);
    EXPECT_EQ(enemy->currentAnim, walkRow(*enemy, rowLeft));
    EXPECT_EQ(enemy->getCurrentFrame(), 9);
    EXPECT_EQ(enemy->direction, (pt{-1, 0}));
    EXPECT_EQ(enemy->speed, 32);
    EXPECT_EQ(enemy->accumulator, -5);
    enemy->act();
    EXPECT_EQ(enemy->pos, (pt{136, 140}));
}

TEST_F(EnemyTest, KnockOutRowFollowsTheWalkRow) {
    enemy = makeEnemy(3, 3, rowDown, {0, 1});
    enemy->koCount = 10;
    enemy->act();
    EXPECT_EQ(enemy->currentAnim, knockOutRow(*enemy, rowDown));
    EXPECT_EQ(enemy->getCurrentFrame(), 1);
}

// While the hero is super a walking outlaw is drawn from the frightened rows, frame for frame;
// knocked out, or while the hero is not super, from its own rows.
struct lookCase {
    bool frightened;
    bool knockedOut;
    gamePictures::sheet shown;
};

class EnemyLook : public EnemyTest, public ::testing::WithParamInterface<lookCase> {};

TEST_P(EnemyLook, ComesFromTheSheetOfItsState) {
    const lookCase c = GetParam();
    enemy = makeEnemy(5, 3, rowLeft, {-1, 0});
    enemy->initFrightened(sheet(gamePictures::indianFrightened));
    enemy->frightened = c.frightened;
    const int row = rowLeft;
    if (c.knockedOut)
        enemy->currentAnim = enemy->anims[knockOutSet][row];
    enemy->setCurrentFrame(7);
    enemy->show();
    EXPECT_EQ(pixelAt(screenSurface(), enemy->pos.x, enemy->pos.y),
              gamePictures::frameColour(c.shown, row, 7));
}

INSTANTIATE_TEST_SUITE_P(States, EnemyLook,
                         ::testing::Values(lookCase{true, false, gamePictures::indianFrightened},
                                           lookCase{false, false, gamePictures::indianWalk},
                                           lookCase{true, true, gamePictures::indianKnockOut}));
