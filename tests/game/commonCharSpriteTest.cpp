#include "gameFixture.h"
#include "geomPrinters.h"
#include "raises.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A character of 3-pixel steps that stops at walls and records what stood in its way.
class Walker : public commonCharSprite {
public:
    Walker(kuImage* walk, kuImage* knockOut) : commonCharSprite(walk, knockOut, 3) {}

    void handleObstacle(pt& at, pt&, pt& centre, bool horizontal, mazePoint what) override {
        seen.push_back(what);
        if (what != mpWall)
            return;
        if (horizontal)
            at.x = centre.x;
        else
            at.y = centre.y;
        speed = 0;
    }

    std::vector<mazePoint> seen;
};

class CharacterTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        walker = std::make_unique<Walker>(sheet(gamePictures::quaroWalk),
                                          sheet(gamePictures::quaroKnockOut));
        walker->setScreen(&screen);
        walker->maze = maze.get();
    }
    void TearDown() override {
        walker.reset();
        GameTest::TearDown();
    }

    // Walking along direction from pos at full speed on the given row.
    void walking(pt at, int row, pt direction) {
        walker->pos = at;
        walker->oldPos = at;
        walker->currentAnim = walker->anims[walkSet][row];
        walker->direction = direction;
        walker->speed = walker->walkSpeed;
        walker->setCurrentFrame(0);
    }

    std::unique_ptr<Walker> walker;
};

} // namespace

TEST_F(CharacterTest, NewCharacterStandsFacingRight) {
    EXPECT_EQ(walker->currentAnim, walkRow(*walker, rowRight));
    EXPECT_EQ(walker->getCurrentFrame(), 9);
    EXPECT_EQ(walker->currentCrawlFrame, &walker->anims[walkSet][rowRight][9]);
    EXPECT_EQ(walker->direction, (pt{1, 0}));
    EXPECT_EQ(walker->speed, 0);
    EXPECT_EQ(walker->period, 32);
    EXPECT_EQ(walker->walkSpeed, 32);
    walker->pos = {220, 60};
    walker->act();
    EXPECT_EQ(walker->pos, (pt{220, 60}));
    EXPECT_EQ(walker->getCurrentFrame(), 9);
}

TEST_F(CharacterTest, RowsAreCutFromTheSheetsInOrderUpDownLeftRight) {
    for (int row = 0; row < 4; ++row) {
        const kuCrawlImageFrame& walk = walker->anims[walkSet][row][5];
        EXPECT_EQ(walk.rect, rect(200, 40 * row, 40, 40));
        EXPECT_EQ(walk.crawl, 3);
        EXPECT_EQ(walk.image, sheet(gamePictures::quaroWalk));
        const kuCrawlImageFrame& out = walker->anims[knockOutSet][row][39];
        EXPECT_EQ(out.rect, rect(1560, 40 * row, 40, 40));
        EXPECT_EQ(out.crawl, 0);
        EXPECT_EQ(out.image, sheet(gamePictures::quaroKnockOut));
    }
}

TEST_F(CharacterTest, WalkingMovesOneStepAndOneFramePerAct) {
    clearBricks({{2, 1}, {3, 1}, {4, 1}});
    walking({60, 60}, rowRight, {1, 0});
    walker->setCurrentFrame(10);
    for (int step = 1; step <= 4; ++step) {
        walker->act();
        EXPECT_EQ(walker->pos, (pt{60 + 3 * step, 60}));
        EXPECT_EQ(walker->oldPos, (pt{57 + 3 * step, 60}));
    }
    EXPECT_EQ(walker->getCurrentFrame(), 2); // 10, 11, 0, 1, 2
}

TEST_F(CharacterTest, OppositeWishReversesAtOnce) {
    clearBricks({{2, 1}, {3, 1}});
    walking({100, 60}, rowRight, {1, 0});
    walker->wantedDX = -1;
    walker->act();
    EXPECT_EQ(walker->currentAnim, walkRow(*walker, rowLeft));
    EXPECT_EQ(walker->direction, (pt{-1, 0}));
    EXPECT_EQ(walker->speed, 32);
    EXPECT_EQ(walker->pos, (pt{97, 60}));
    EXPECT_EQ(walker->getCurrentFrame(), 10); // standing frame 9, then one step
}

TEST_F(CharacterTest, VerticalReversalPicksTheOppositeRow) {
    walking({60, 100}, rowDown, {0, 1});
    walker->wantedDY = -1;
    walker->act();
    EXPECT_EQ(walker->currentAnim, walkRow(*walker, rowUp));
    EXPECT_EQ(walker->direction, (pt{0, -1}));
    EXPECT_EQ(walker->pos, (pt{60, 97}));
}

TEST_F(CharacterTest, TurnsAtTheFirstJunctionOnePixelPastItsCentre) {
    walking({222, 60}, rowLeft, {-1, 0});
    walker->wantedDY = 1;
    walker->act();
    EXPECT_EQ(walker->pos, (pt{220, 61}));
    EXPECT_EQ(walker->direction, (pt{0, 1}));
    EXPECT_EQ(walker->speed, 32);
    EXPECT_EQ(walker->currentAnim, walkRow(*walker, rowDown));
    EXPECT_EQ(walker->getCurrentFrame(), 9);
    walker->act();
    EXPECT_EQ(walker->pos, (pt{220, 64}));
}

TEST_F(CharacterTest, PerpendicularWishWaitsForAnOpening) {
    clearBricks({{9, 7}, {10, 7}});
    walking({400, 300}, rowRight, {1, 0}); // along row 7, walls above x 8 to 10
    walker->wantedDY = -1;
    for (int frame = 0; frame < 5; ++frame) {
        walker->act();
        EXPECT_EQ(walker->direction, (pt{1, 0}));
    }
    EXPECT_EQ(walker->pos, (pt{415, 300}));
}

TEST_F(CharacterTest, WallAheadStopsTheCharacterOnItsCentre) {
    walking({214, 60}, rowRight, {1, 0});
    walker->wantedDX = 1;
    walker->act();
    walker->act();
    EXPECT_EQ(walker->pos, (pt{220, 60}));
    for (int frame = 0; frame < 3; ++frame) {
        walker->act(); // steps 3 pixels, is put back, stands
        EXPECT_EQ(walker->pos, (pt{220, 60}));
        EXPECT_EQ(walker->speed, 0);
        EXPECT_EQ(walker->getCurrentFrame(), 9);
        walker->speed = 32; // the wish sets it again next frame anyway
    }
    EXPECT_EQ(walker->seen.back(), mpWall);
}

TEST_F(CharacterTest, StandingOnACentreTurnsAtOnceTowardsAnOpening) {
    place(*walker, 5, 1, rowRight);
    walker->wantedDY = 1;
    walker->act();
    EXPECT_EQ(walker->pos, (pt{220, 61}));
    EXPECT_EQ(walker->direction, (pt{0, 1}));
    EXPECT_EQ(walker->speed, 32);
    EXPECT_EQ(walker->getCurrentFrame(), 9);
}

TEST_F(CharacterTest, StandingOffCentreDoesNotTurn) {
    walker->pos = {221, 60};
    walker->wantedDY = 1;
    walker->act();
    EXPECT_EQ(walker->pos, (pt{221, 60}));
    EXPECT_EQ(walker->direction, (pt{1, 0}));
}

TEST_F(CharacterTest, ObstaclesOtherThanEmptyGoToTheSubclass) {
    walking({57, 60}, rowRight, {1, 0});
    walker->act(); // reaches 60, the middle of (1, 1); a product lies ahead
    EXPECT_EQ(walker->seen, std::vector<mazePoint>{mpItem});
    EXPECT_EQ(walker->pos, (pt{60, 60}));
}

TEST_F(CharacterTest, IncFrameWrapsWithinTheWalkingCycle) {
    walker->setCurrentFrame(11);
    walker->incFrame(1);
    EXPECT_EQ(walker->getCurrentFrame(), 0);
    walker->incFrame(-1);
    EXPECT_EQ(walker->getCurrentFrame(), 11);
    EXPECT_EQ(walker->currentCrawlFrame, &walker->currentAnim[11]);
}

TEST_F(CharacterTest, AssignStateTakesTheRowOnlyFromAWalkRow) {
    Walker other(sheet(gamePictures::quaroSuperWalk), sheet(gamePictures::quaroKnockOut));
    other.pos = {300, 140};
    other.oldPos = {297, 140};
    other.direction = {0, 1};
    other.speed = 32;
    other.accumulator = -7;
    other.wantedDX = -1;
    other.wantedDY = 1;
    other.currentAnim = other.anims[walkSet][rowDown];
    other.setCurrentFrame(4);
    walker->assignState(&other);
    EXPECT_EQ(walker->pos, other.pos);
    EXPECT_EQ(walker->oldPos, other.oldPos);
    EXPECT_EQ(walker->direction, other.direction);
    EXPECT_EQ(walker->accumulator, -7);
    EXPECT_EQ(walker->wantedDX, -1);
    EXPECT_EQ(walker->wantedDY, 1);
    EXPECT_EQ(walker->currentAnim, walkRow(*walker, rowDown));
    EXPECT_EQ(walker->currentCrawlFrame, &walker->anims[walkSet][rowDown][4]);

    other.currentAnim = other.anims[knockOutSet][rowLeft];
    other.setCurrentFrame(17);
    walker->assignState(&other);
    EXPECT_EQ(walker->currentAnim, walkRow(*walker, rowDown));
    EXPECT_EQ(walker->getCurrentFrame(), 17);
}

TEST_F(CharacterTest, EraseRestoresBothPlacesAsOneRectangle) {
    clearBricks({{2, 1}, {3, 1}});
    walking({100, 60}, rowRight, {1, 0});
    walker->show();
    walker->act();
    screen.update();
    walker->erase();
    ASSERT_EQ(screen.pendingRectCount(), 1);
    EXPECT_EQ(screen.pendingRect(0), rect(80, 40, 43, 40));
    EXPECT_TRUE(showsMazePicture(80, 40, 43, 40));
}

TEST_F(CharacterTest, ShowDrawsTheCurrentFrameCentredWithTransparentMargin) {
    maze->show();
    walking({100, 60}, rowRight, {1, 0});
    walker->setCurrentFrame(7);
    walker->show();
    EXPECT_TRUE(areaIs(screenSurface(), 82, 42, 36, 36,
                       gamePictures::frameColour(gamePictures::quaroWalk, rowRight, 7)));
    EXPECT_NE(pixelAt(screenSurface(), 81, 60),
              gamePictures::frameColour(gamePictures::quaroWalk, rowRight, 7));
}

TEST_F(CharacterTest, MisuseRaises) {
    EXPECT_TRUE(
        raisesBug([] { vorlanCharSprite hero; }, "Unsupported constructor in vorlanCharSprite"));
    EXPECT_TRUE(
        raisesBug([] { enemyCharSprite enemy; }, "Unsupported constructor in enemyCharSprite"));
    walker->maze = nullptr;
    EXPECT_TRUE(raisesBug([&] { walker->act(); },
                          "No maze assigned to character sprite in commonCharSprite::act!"));
    EXPECT_TRUE(raisesBug([&] { walker->erase(); },
                          "No maze assigned to character sprite in commonCharSprite::erase!"));
    screen.beginUpdate(); // the failed erase left no bracket open
    screen.endUpdate();
    walker->setScreen(nullptr);
    EXPECT_TRUE(
        raisesBug([&] { walker->erase(); }, "No screen assigned in commonCharSprite::erase!"));
    EXPECT_TRUE(
        raisesBug([&] { walker->show(); }, "No screen assigned in commonCharSprite::show!"));
    walker->currentAnim = nullptr;
    EXPECT_TRUE(raisesBug([&] { walker->setCurrentFrame(0); },
                          "currentAnim not set in commonCharSprite::setCurrentFrame!"));
}

TEST_F(CharacterTest, FrameWithoutPictureRaisesWhenShown) {
    Walker blind(nullptr, nullptr);
    blind.setScreen(&screen);
    EXPECT_TRUE(
        raisesBug([&] { blind.show(); }, "pointer image is NULL in kuImageFrame::displayCentered"));
}
