// Actors run frame by frame on the real maze, in the order of the game's frame loop: act and
// erase for the hero and each enemy, the maze's act, show for everyone, the clock's tick and
// one screen update.
#include "gameFixture.h"
#include "geomPrinters.h"
#include "quaroArrowSprites.h"
#include "quaroGate.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <set>

namespace {

class ScenarioTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        maze->show();
        screen.update();
        clock->giveTime(0, 0);
    }
    void TearDown() override {
        hero.reset();
        for (auto& enemy : owned)
            enemy.reset();
        GameTest::TearDown();
    }

    void addEnemy(int x, int y, int row, pt direction, int wantedDX, int wantedDY) {
        const int i = enemyCount++;
        owned[i] = makeEnemy(x, y, row, direction);
        owned[i]->wantedDX = wantedDX;
        owned[i]->wantedDY = wantedDY;
        enemies[i] = owned[i].get();
    }

    void frame() {
        if (hero) {
            hero->act();
            hero->erase();
        }
        for (int i = 0; i < enemyCount; ++i) {
            owned[i]->act();
            owned[i]->erase();
        }
        maze->act();
        if (hero)
            hero->show();
        for (int i = 0; i < enemyCount; ++i)
            owned[i]->show();
        clock->tick();
        screen.update();
    }

    int clockSeconds() const { return clock->getMinutes() * 60 + clock->getSeconds(); }

    std::unique_ptr<vorlanCharSprite> hero;
    std::array<std::unique_ptr<enemyCharSprite>, 4> owned;
    int enemyCount = 0;
};

bool walkable(const vorlanMaze& maze, int x, int y, bool houseOpen) {
    const int value = maze.bricks[x][y];
    return value != mazeLayout::wall && (houseOpen || value != mazeLayout::house);
}

bool holdsProduct(const vorlanMaze& maze, int x, int y) {
    return maze.bricks[x][y] >= mazeLayout::firstProduct;
}

// The first brick on a shortest way from the hero's brick to the nearest product, or to the
// house once the gate is open; the hero is steered towards it.
void steer(vorlanCharSprite& hero, const vorlanMaze& maze) {
    const int startX = hero.pos.x / 40;
    const int startY = hero.pos.y / 40;
    const bool open = maze.isGateOpen();
    const auto isGoal = [&](int x, int y) {
        return hero.itemCount >= 106 ? (open && maze.bricks[x][y] == mazeLayout::house)
                                     : holdsProduct(maze, x, y);
    };
    mazeLayout::brickIndex from[19][13];
    bool seen[19][13] = {};
    std::deque<mazeLayout::brickIndex> queue{{startX, startY}};
    seen[startX][startY] = true;
    constexpr int steps[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    while (!queue.empty()) {
        const mazeLayout::brickIndex at = queue.front();
        queue.pop_front();
        if (isGoal(at.x, at.y) && !(at.x == startX && at.y == startY)) {
            mazeLayout::brickIndex step = at;
            while (!(from[step.x][step.y].x == startX && from[step.x][step.y].y == startY))
                step = from[step.x][step.y];
            hero.wantedDX = step.x - startX;
            hero.wantedDY = step.y - startY;
            return;
        }
        for (const auto& d : steps) {
            const int x = at.x + d[0];
            const int y = at.y + d[1];
            if (seen[x][y] || !walkable(maze, x, y, open))
                continue;
            seen[x][y] = true;
            from[x][y] = at;
            queue.push_back({x, y});
        }
    }
}

bool onCorridorLine(const commonCharSprite& who) {
    return who.direction.x != 0 ? (who.pos.y - 20) % 40 == 0 : (who.pos.x - 20) % 40 == 0;
}

} // namespace

TEST_F(ScenarioTest, HeroWalksTheCorridorAndTurnsAtTheFirstJunction) {
    hero = makeHero();
    hero->wantedDX = -1; // from (9, 3) facing up: turns left at once
    frame();
    EXPECT_EQ(hero->pos, (pt{379, 140}));
    EXPECT_EQ(hero->currentAnim, walkRow(*hero, rowLeft));
    hero->wantedDX = 0; // walks on
    hero->wantedDY = 1; // down at the first opening: (8, 4) is a wall, (7, 4) is not
    for (int k = 2; k <= 27; ++k) {
        frame();
        ASSERT_EQ(hero->pos, (pt{379 - 3 * (k - 1), 140})) << k;
    }
    frame();
    EXPECT_EQ(hero->pos, (pt{300, 141}));
    EXPECT_EQ(hero->direction, (pt{0, 1}));
    for (int k = 0; k < 20; ++k)
        frame();
    EXPECT_EQ(hero->pos, (pt{300, 201}));
    EXPECT_EQ(hero->itemCount, 3); // (7, 3), (7, 4) and (7, 5)
    // Everything the hero walked over is the maze picture again, products gone.
    EXPECT_TRUE(showsMazePicture(280, 120, 120, 40));
    EXPECT_TRUE(showsMazePicture(280, 160, 40, 20));
}

TEST_F(ScenarioTest, HeroStopsAtAnArrowWithItsSoundUntilTheArrowTurns) {
    hero = makeHero();
    place(*hero, 7, 3, rowUp);
    quaroArrowSprites& arrow = *maze->arrows[0];
    arrow.frameIndex = quaroArrowSprites::frameDown;
    arrow.turnTimer = 0;
    hero->wantedDY = -1;
    played();
    int blocked = 0;
    while (arrow.frameIndex == quaroArrowSprites::frameDown) {
        frame();
        ++blocked;
        ASSERT_EQ(hero->pos, (pt{300, 140})) << blocked;
        ASSERT_EQ(playedCount("quaroArrow"), 1) << blocked;
        ASSERT_LT(blocked, 200);
    }
    EXPECT_EQ(blocked, 104); // the arrow's 26th turn of the maze's attention
    frame();
    EXPECT_EQ(hero->pos, (pt{300, 137}));
    EXPECT_EQ(playedCount("quaroArrow"), 0);
}

TEST_F(ScenarioTest, HeroTakesAllProductsOpensTheGateAndWalksIntoTheHouse) {
    hero = makeHero();
    std::vector<mazeLayout::brickIndex> productBricks;
    for (int x = 0; x < 19; ++x)
        for (int y = 0; y < 13; ++y)
            if (holdsProduct(*maze, x, y))
                productBricks.push_back({x, y});
    ASSERT_EQ(productBricks.size(), 106u);
    int frames = 0;
    int gateOpenedAt = -1;
    int pickUps = 0;
    while (!hero->inHouse && frames < 20000) {
        steer(*hero, *maze);
        frame();
        ++frames;
        pickUps += playedCount("pickUp");
        if (gateOpenedAt < 0 && maze->gates[0]->frameIndex > 0)
            gateOpenedAt = frames;
        ASSERT_TRUE(onCorridorLine(*hero)) << frames;
        ASSERT_NE(maze->getBrickMeaning(hero->pos), mpWall) << frames;
    }
    ASSERT_TRUE(hero->inHouse) << "items " << hero->itemCount;
    RecordProperty("frames", frames);
    EXPECT_EQ(hero->itemCount, 106);
    EXPECT_TRUE(maze->isGateOpen());
    EXPECT_GT(gateOpenedAt, 0);
    EXPECT_EQ(hero->pos, (pt{380, 180}));
    EXPECT_EQ(pickUps, 106);
    for (const auto& brick : productBricks) {
        EXPECT_EQ(maze->bricks[brick.x][brick.y], mazeLayout::corridor);
        const pt c = centreOf(brick.x, brick.y);
        EXPECT_TRUE(showsMazePicture(c.x - 3, c.y - 3, 6, 6)) << brick.x << ", " << brick.y;
    }
    // The gate stands open in the picture and on screen where the hero walked through it.
    EXPECT_TRUE(areaIs(mazePicture(), 322, 120, 116, 40, gamePictures::gateColour(0, 9)));
    EXPECT_TRUE(showsMazePicture(320, 120, 120, 40));
}

TEST_F(ScenarioTest, EnemyLeavesADeadEndWithinAFewFrames) {
    maze->bricks[2][1] = mazeLayout::wall; // (1, 1) opens downwards only
    addEnemy(1, 1, rowUp, {0, -1}, 0, -1);
    owned[0]->speed = 32;
    int frames = 0;
    while (owned[0]->pos.y < 80 && frames < 100) {
        frame();
        ++frames;
        ASSERT_EQ(owned[0]->pos.x, 60);
    }
    EXPECT_LE(frames, 20);
    EXPECT_EQ(owned[0]->direction, (pt{0, 1}));
}

TEST_F(ScenarioTest, EnemiesWanderTenThousandFramesOnTheCorridorsOnly) {
    addEnemy(1, 1, rowDown, {1, 0}, 0, 1);
    addEnemy(17, 1, rowLeft, {1, 0}, -1, 0);
    addEnemy(17, 11, rowUp, {1, 0}, 0, -1);
    addEnemy(1, 11, rowRight, {1, 0}, 1, 0);
    std::set<std::pair<int, int>> visited;
    for (int f = 0; f < 10000; ++f) {
        frame();
        for (int i = 0; i < 4; ++i) {
            const enemyCharSprite& enemy = *owned[i];
            const mazePoint here = maze->getBrickMeaning(enemy.pos);
            ASSERT_NE(here, mpWall) << "enemy " << i << " frame " << f;
            ASSERT_NE(here, mpHouse) << "enemy " << i << " frame " << f;
            ASSERT_TRUE(onCorridorLine(enemy)) << "enemy " << i << " frame " << f;
            visited.insert({enemy.pos.x / 40, enemy.pos.y / 40});
        }
    }
    EXPECT_GT(visited.size(), 100u); // they roam the whole maze, not one corner
    EXPECT_EQ(maze->bricks[1][1], mazeLayout::mug);
}

TEST_F(ScenarioTest, SuperHeroKnocksOutTwoEnemiesInOneFrameForTwentySeconds) {
    addEnemy(3, 9, rowRight, {1, 0}, 1, 0);
    addEnemy(7, 9, rowLeft, {-1, 0}, -1, 0);
    hero = makeHero(true);
    place(*hero, 5, 9, rowUp);
    clock->giveTime(0, 30);
    for (int f = 1; f <= 16; ++f)
        frame();
    EXPECT_EQ(owned[0]->pos, (pt{204, 380}));
    EXPECT_EQ(owned[1]->pos, (pt{236, 380}));
    EXPECT_EQ(clockSeconds(), 31);
    played();
    frame();
    EXPECT_EQ(owned[0]->koCount, 2);
    EXPECT_EQ(owned[1]->koCount, 2);
    EXPECT_EQ(clockSeconds(), 11);
    EXPECT_EQ(played(), (std::vector<std::string>{"knockOut", "yieeHaa", "knockOut", "yieeHaa"}));
    for (int f = 0; f < 30; ++f)
        frame();
    EXPECT_EQ(clockSeconds(), 12); // lying enemies are not hit again
    EXPECT_EQ(owned[0]->pos, (pt{204, 380}));
    EXPECT_EQ(hero->koCount, 0);
}
