#include "gameFixture.h"
#include "geomPrinters.h"
#include "quaroArrowSprites.h"
#include "quaroCupSprites.h"
#include "quaroGate.h"
#include "raises.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using MazeTest = GameTest;

const rgb black = {0, 0, 0};

int productKindAt(const vorlanMaze& maze, int x, int y) {
    return maze.bricks[x][y] - mazeLayout::firstProduct;
}

bool isProduct(int value) {
    return value >= mazeLayout::firstProduct &&
           value < mazeLayout::firstProduct + mazeLayout::productKinds;
}

// Everything of the maze a round reads, in one comparable list.
std::vector<int> roundState(const vorlanMaze& maze) {
    std::vector<int> state(&maze.bricks[0][0],
                           &maze.bricks[0][0] + sizeof maze.bricks / sizeof(int));
    for (const auto& arrow : maze.arrows)
        state.insert(state.end(), {arrow->frameIndex, arrow->turnTimer, arrow->turnStep});
    for (const auto& cup : maze.cups)
        state.push_back(cup->frameIndex);
    for (const auto& gate : maze.gates)
        state.push_back(gate->frameIndex);
    state.insert(state.end(), {maze.cupTurn, maze.arrowTurn});
    return state;
}

} // namespace

TEST_F(MazeTest, NewMazeHoldsAProductOnEveryCorridorBrick) {
    int products = 0;
    for (int x = 0; x < vorlanMaze::columns; ++x)
        for (int y = 0; y < vorlanMaze::rows; ++y) {
            const int layout = mazeLayout::bricks[y][x];
            if (layout == mazeLayout::corridor) {
                EXPECT_TRUE(isProduct(maze->bricks[x][y])) << x << ", " << y;
                ++products;
            } else {
                EXPECT_EQ(maze->bricks[x][y], layout) << x << ", " << y;
            }
        }
    EXPECT_EQ(products, 106);
    for (const auto& mug : mazeLayout::mugBricks)
        EXPECT_EQ(maze->bricks[mug.x][mug.y], mazeLayout::mug);
}

TEST_F(MazeTest, ReInitMakesTheMazeOfTheSeedWhateverTheRoundBeforeLeft) {
    random.reseed(7);
    maze->reInit();
    const std::vector<int> fresh = roundState(*maze);
    // A round's worth of changes: products and a mug taken, arrows turned, the gate opened.
    maze->removeIndexedItem(2, 1);
    maze->removeIndexedItem(17, 11);
    for (int frame = 0; frame < 150; ++frame)
        maze->act();
    maze->openGate();
    ASSERT_NE(roundState(*maze), fresh);
    random.reseed(7);
    maze->reInit();
    EXPECT_EQ(roundState(*maze), fresh);
    EXPECT_EQ(maze->bricks[17][11], mazeLayout::mug);
    random.reseed(8);
    maze->reInit();
    EXPECT_NE(roundState(*maze), fresh) << "the products and timers come from the seed";
}

TEST_F(MazeTest, PlaceItemsDrawsOneKindPerEmptyBrickInColumnOrder) {
    maze->bricks[2][1] = mazeLayout::corridor;
    maze->bricks[1][2] = mazeLayout::corridor;
    quaroRandom expected(99);
    const int first = expected.below(3);
    const int second = expected.below(3);
    random.reseed(99);
    maze->placeItems(3);
    EXPECT_EQ(maze->bricks[1][2], 100 + first); // column 1 comes before column 2
    EXPECT_EQ(maze->bricks[2][1], 100 + second);
    EXPECT_TRUE(raisesBug([&] { maze->placeItems(0); },
                          "Number of product kinds out of range in vorlanMaze::placeItems!"));
}

struct indexCase {
    pt pos;
    int x, y;
    bool raises;
};

class BrickPosToIndex : public MazeTest, public ::testing::WithParamInterface<indexCase> {};

TEST_P(BrickPosToIndex, TruncatesTowardZeroAndChecksTheRange) {
    const indexCase& c = GetParam();
    int x = 77, y = 77;
    const auto call = [&] { maze->brickPosToIndex(c.pos, x, y); };
    if (c.raises)
        EXPECT_TRUE(raisesBug(call, "Index out of range in vorlanMaze::brickPosToIndex!"));
    else
        call();
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, BrickPosToIndex,
    ::testing::Values(indexCase{{759, 519}, 18, 12, false}, indexCase{{0, 0}, 0, 0, false},
                      indexCase{{-39, 20}, 0, 0, false}, indexCase{{760, 20}, 19, 0, true},
                      indexCase{{-40, 20}, -1, 0, true}, indexCase{{20, 520}, 0, 13, true}));

TEST_F(MazeTest, EveryOperationGivenAPositionChecksIt) {
    const pt outside = {800, 20};
    const pt delta = {3, 0};
    pt centre;
    const char* message = "Index out of range in vorlanMaze::brickPosToIndex!";
    EXPECT_TRUE(raisesBug([&] { maze->getBrickValue(outside); }, message));
    EXPECT_TRUE(raisesBug([&] { maze->getBrickMeaning(outside); }, message));
    EXPECT_TRUE(raisesBug([&] { maze->hasObstacle(outside, delta, centre); }, message));
    EXPECT_TRUE(raisesBug([&] { maze->hasJunction(outside, delta, 0, 1, centre); }, message));
    EXPECT_TRUE(raisesBug([&] { maze->removePosItem(outside); }, message));
}

TEST_F(MazeTest, RawValuesHaveTheirMeanings) {
    const std::pair<int, mazePoint> cases[] = {
        {0, mpEmpty},  {1, mpWall},   {10, mpCup},   {20, mpHouse}, {21, mpGateFront},
        {100, mpItem}, {105, mpItem}, {106, mpWall}, {99, mpWall},  {2, mpWall}};
    for (const auto& [value, meaning] : cases)
        EXPECT_EQ(maze->brickValueToMeaning(value, 1, 1), meaning) << value;
}

TEST_F(MazeTest, AnArrowBrickMeansTheDirectionOfItsArrow) {
    const mazePoint byFrame[8] = {mpArrowUp,   mpEmpty, mpArrowRight, mpEmpty,
                                  mpArrowDown, mpEmpty, mpArrowLeft,  mpEmpty};
    for (int frame = 0; frame < 8; ++frame) {
        maze->arrows[0]->frameIndex = frame;
        EXPECT_EQ(maze->getBrickMeaning(7, 2), byFrame[frame]) << frame;
        EXPECT_EQ(maze->getBrickMeaning(pt{300, 80}), byFrame[frame]) << frame;
    }
    maze->arrows[0]->pos = {0, 0}; // no arrow at the brick's centre
    maze->arrows[0]->frameIndex = 0;
    EXPECT_EQ(maze->getBrickMeaning(7, 2), mpEmpty);
}

TEST_F(MazeTest, InitialArrowsPointAlongTheirCorridors) {
    EXPECT_EQ(maze->getBrickMeaning(7, 2), mpArrowUp);
    EXPECT_EQ(maze->getBrickMeaning(7, 8), mpArrowUp);
    EXPECT_EQ(maze->getBrickMeaning(2, 6), mpArrowDown);
    EXPECT_EQ(maze->getBrickMeaning(14, 8), mpArrowLeft);
}

TEST_F(MazeTest, ObstacleAheadCountsOnceTheMiddleIsReached) {
    const pt unwritten = {-1, -1};
    pt centre = unwritten;
    EXPECT_EQ(maze->hasObstacle({63, 60}, {3, 0}, centre), mpItem);
    EXPECT_EQ(centre, (pt{60, 60}));
    centre = unwritten;
    EXPECT_EQ(maze->hasObstacle({57, 60}, {3, 0}, centre), mpEmpty);
    EXPECT_EQ(centre, (pt{60, 60})); // written: the brick ahead is not a bare corridor
    centre = unwritten;
    EXPECT_EQ(maze->hasObstacle({60, 60}, {0, 0}, centre), mpEmpty);
    EXPECT_EQ(centre, unwritten);
    EXPECT_EQ(maze->hasObstacle({60, 57}, {0, -3}, centre), mpWall); // row 0 above (1, 1)
    EXPECT_EQ(maze->hasObstacle({60, 60}, {0, -3}, centre), mpWall); // exactly on the middle
    EXPECT_EQ(maze->hasObstacle({60, 61}, {0, -3}, centre), mpEmpty);
}

TEST_F(MazeTest, BareCorridorAheadIsEmptyWithoutWritingTheCentre) {
    clearBricks({{2, 1}});
    const pt unwritten = {-1, -1};
    pt centre = unwritten;
    EXPECT_EQ(maze->hasObstacle({63, 60}, {3, 0}, centre), mpEmpty);
    EXPECT_EQ(centre, unwritten);
}

TEST_F(MazeTest, JunctionNeedsTheMiddlePassedInThisStep) {
    pt centre;
    EXPECT_EQ(maze->hasJunction({219, 140}, {-3, 0}, 0, -1, centre), mpItem);
    EXPECT_EQ(centre, (pt{220, 140}));
    EXPECT_EQ(maze->hasJunction({222, 140}, {-3, 0}, 0, -1, centre), mpWall);
    EXPECT_EQ(maze->hasJunction({220, 140}, {-3, 0}, 0, -1, centre), mpItem); // ends included
    EXPECT_EQ(maze->hasJunction({216, 140}, {-3, 0}, 0, -1, centre), mpWall);
    // Moving down through (5, 4) at x 220, asked for the corridor to the right (6, 4).
    EXPECT_EQ(maze->hasJunction({220, 181}, {0, 4}, 1, 0, centre), mpItem);
    EXPECT_EQ(maze->hasJunction({220, 181}, {0, 4}, -1, 0, centre), mpWall);
}

TEST_F(MazeTest, StandingCharacterTurnsOnlyFromTheExactCentre) {
    pt centre;
    EXPECT_EQ(maze->hasJunction({380, 140}, {0, 0}, 0, 1, centre), mpHouse);
    EXPECT_EQ(centre, (pt{380, 140}));
    EXPECT_EQ(maze->hasJunction({381, 140}, {0, 0}, 0, 1, centre), mpWall);
    EXPECT_EQ(maze->hasJunction({380, 140}, {0, 0}, 0, -1, centre), mpWall);
}

TEST_F(MazeTest, RemovingAProductRestoresItsSquareOnScreen) {
    maze->show();
    screen.update();
    const pt product = centreOf(3, 1);
    EXPECT_EQ(pixelAt(screenSurface(), product.x, product.y),
              gamePictures::productColour(productKindAt(*maze, 3, 1)));
    maze->removePosItem({125, 45});
    EXPECT_EQ(maze->bricks[3][1], mazeLayout::corridor);
    ASSERT_EQ(screen.pendingRectCount(), 1);
    EXPECT_EQ(screen.pendingRect(0), rect(120, 40, 40, 40));
    EXPECT_TRUE(showsMazePicture(120, 40, 40, 40));
}

TEST_F(MazeTest, RemoveItemEmptiesTheBrickAhead) {
    maze->removeItem({60, 100}, {0, 3});
    EXPECT_EQ(maze->bricks[1][3], mazeLayout::corridor);
    maze->removeItem({60, 100}, {-3, 0});
    EXPECT_EQ(maze->bricks[0][2], mazeLayout::corridor);
    const int before = maze->bricks[1][2];
    maze->removeItem({60, 100}, {0, 0});
    EXPECT_EQ(maze->bricks[1][2], before);
}

struct showRectCase {
    kuRectangle area;
    pt drawnOutside;    // a pixel outside the area that only a brick's contents can explain
    pt notDrawnOutside; // a pixel outside the area of a brick that is not redrawn
};

class ShowRect : public MazeTest, public ::testing::WithParamInterface<showRectCase> {};

TEST_P(ShowRect, RedrawsThePictureAndAtMostTwoBricks) {
    const showRectCase& c = GetParam();
    kuRectangle area = c.area;
    maze->showRect(area);
    EXPECT_NE(pixelAt(screenSurface(), c.drawnOutside.x, c.drawnOutside.y), black);
    EXPECT_EQ(pixelAt(screenSurface(), c.notDrawnOutside.x, c.notDrawnOutside.y), black);
}

// Brick (1, 1) holds a mug drawn over 40..79; (2, 1) and (1, 2) products drawn whole.
INSTANTIATE_TEST_SUITE_P(Areas, ShowRect,
                         ::testing::Values(showRectCase{rect(63, 40, 40, 40), {45, 60}, {60, 100}},
                                           showRectCase{rect(40, 63, 40, 40), {60, 45}, {110, 60}},
                                           showRectCase{
                                               rect(40, 40, 40, 40), {60, 60}, {60, 100}}));

TEST_F(MazeTest, ShowCenteredSizePosRestoresTheCentredRectangle) {
    maze->showCenteredSizePos({41, 41}, {20, 30}); // on the top wall, nothing on it
    ASSERT_EQ(screen.pendingRectCount(), 1);
    EXPECT_EQ(screen.pendingRect(0), rect(0, 10, 41, 41));
    EXPECT_TRUE(showsMazePicture(0, 10, 41, 41));
}

TEST_F(MazeTest, ShowDrawsThePictureProductsMugsArrowsAndTheClosedGate) {
    maze->show();
    EXPECT_TRUE(showsMazePicture(0, 0, 760, 40)); // the top wall
    for (int x = 0; x < vorlanMaze::columns; ++x)
        for (int y = 0; y < vorlanMaze::rows; ++y)
            if (isProduct(maze->bricks[x][y])) {
                const pt c = centreOf(x, y);
                EXPECT_EQ(pixelAt(screenSurface(), c.x, c.y),
                          gamePictures::productColour(productKindAt(*maze, x, y)));
            }
    for (int i = 0; i < 4; ++i) {
        const auto& mug = mazeLayout::mugBricks[i];
        const pt c = centreOf(mug.x, mug.y);
        EXPECT_EQ(pixelAt(screenSurface(), c.x, c.y), gamePictures::mugColour(i, 0));
        const auto& arrow = mazeLayout::arrowBricks[i];
        const pt a = centreOf(arrow.x, arrow.y);
        EXPECT_EQ(pixelAt(screenSurface(), a.x, a.y),
                  gamePictures::arrowColour(mazeLayout::arrowStartFrames[i]));
    }
    EXPECT_EQ(pixelAt(screenSurface(), 330, 140), gamePictures::gateColour(0, 0));
    EXPECT_EQ(pixelAt(screenSurface(), 430, 180), gamePictures::gateColour(1, 0));
}

TEST_F(MazeTest, ShowAndItemsNeedTheirPictures) {
    vorlanMaze bare(random);
    EXPECT_TRUE(raisesBug([&] { bare.show(); }, "No screen assigned in kuImageSprite::show!"));
    bare.setScreen(&screen);
    EXPECT_TRUE(raisesBug([&] { bare.show(); }, "pointer image is NULL in kuImageFrame::display"));
    EXPECT_TRUE(raisesBug([&] { bare.showItem(2, 1); },
                          "pointer image is NULL in kuImageFrame::displayCentered"));
}

TEST_F(MazeTest, ABareMazeTreatsArrowBricksAsOpen) {
    vorlanMaze bare(random);
    EXPECT_EQ(bare.getBrickMeaning(7, 2), mpEmpty);
    EXPECT_FALSE(bare.isGateOpen());
}

TEST_F(MazeTest, BricksOutsideTheGridAreWallsAndDrawNothing) {
    EXPECT_EQ(maze->getBrickMeaning(19, 3), mpWall);
    EXPECT_EQ(maze->getBrickMeaning(-1, 3), mpWall);
    maze->checkShowItem(19, 12);
    maze->showItem(-1, 0);
    maze->removeIndexedItem(0, 13);
    EXPECT_EQ(screen.pendingRectCount(), 0);
    kuRectangle lastColumn = rect(725, 480, 30, 30); // its second brick would be column 19
    maze->showRect(lastColumn);
    EXPECT_EQ(screen.pendingRectCount(), 1);
}

TEST_F(MazeTest, PropsAreShownByIndexOrBrickOnly) {
    maze->showGate(0);
    maze->showGate(3);
    maze->showArrowIndex(7, 3);
    maze->showCupIndex(2, 1);
    EXPECT_EQ(screen.pendingRectCount(), 0);
    maze->showCupIndex(17, 11);
    maze->showArrowIndex(14, 8);
    EXPECT_EQ(pixelAt(screenSurface(), 700, 460), gamePictures::mugColour(2, 0));
    EXPECT_EQ(pixelAt(screenSurface(), 580, 340), gamePictures::arrowColour(6));
}

TEST_F(MazeTest, ActTendsOneMugAndOneArrowAdvancedBeforeUse) {
    int tended[4] = {};
    for (auto& arrow : maze->arrows)
        arrow->turnTimer = 0;
    const int expectedTurn[8] = {1, 2, 3, 0, 1, 2, 3, 0};
    for (int turn : expectedTurn) {
        maze->act();
        EXPECT_EQ(maze->cupTurn, turn);
        EXPECT_EQ(maze->arrowTurn, turn);
        ++tended[turn];
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(maze->cups[i]->frameIndex, tended[i]);
            EXPECT_EQ(maze->arrows[i]->turnTimer, tended[i]);
        }
    }
}

TEST_F(MazeTest, ActRedrawsAnArrowThatTurnsOverARestoredSquare) {
    maze->arrows[1]->turnTimer = 25;
    maze->act(); // arrow 1 at (7, 8) begins its turn
    EXPECT_EQ(maze->arrows[1]->frameIndex, 1);
    EXPECT_EQ(pixelAt(screenSurface(), 300, 340), gamePictures::arrowColour(1));
    EXPECT_EQ(played(), std::vector<std::string>{"arrowTurn"});
}

TEST_F(MazeTest, ActDrawsTheTendedMugOnlyWhileItsBrickHoldsIt) {
    maze->act();
    EXPECT_EQ(pixelAt(screenSurface(), 700, 60), gamePictures::mugColour(1, 1));
    maze->bricks[17][11] = mazeLayout::corridor; // mug 2 drunk
    fillSurface(screenSurface(), black);
    maze->act();
    EXPECT_EQ(pixelAt(screenSurface(), 700, 460), black);
}
