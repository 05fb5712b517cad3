#include "gameFixture.h"
#include "geomPrinters.h"
#include "quaroArrowSprites.h"
#include "quaroCupSprites.h"
#include "quaroGate.h"
#include "raises.h"

#include <gtest/gtest.h>

namespace {

using PropsTest = GameTest;

const rgb black = {0, 0, 0};

} // namespace

TEST_F(PropsTest, MugsSitOnTheCornersAndCycleTenFramesOfTheirRow) {
    const pt corners[4] = {{60, 60}, {700, 60}, {700, 460}, {60, 460}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(maze->cups[i]->pos, corners[i]);
        EXPECT_EQ(maze->cups[i]->row, 40 * i);
        EXPECT_EQ(maze->cups[i]->frames[9].rect, rect(360, 40 * i, 40, 40));
        EXPECT_EQ(maze->cups[i]->screen, nullptr);
    }
    quaroCupSprites& mug = *maze->cups[2];
    for (int expected : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}) {
        mug.act();
        EXPECT_EQ(mug.frameIndex, expected);
    }
    mug.frameIndex = 4;
    maze->showCup(2);
    EXPECT_EQ(pixelAt(screenSurface(), 700, 460), gamePictures::mugColour(2, 4));
}

TEST_F(PropsTest, ArrowsStandOnTheirBricksWithTheirStartFramesAndSound) {
    const pt places[4] = {{300, 100}, {300, 340}, {100, 260}, {580, 340}};
    const int startFrames[4] = {0, 0, 4, 6};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(maze->arrows[i]->pos, places[i]);
        EXPECT_EQ(maze->arrows[i]->frameIndex, startFrames[i]);
        EXPECT_EQ(maze->arrows[i]->turnSound, sound["arrowTurn"]);
        EXPECT_EQ(maze->arrows[i]->frames[7].rect, rect(280, 0, 40, 40));
        EXPECT_GE(maze->arrows[i]->turnTimer, 0);
        EXPECT_LT(maze->arrows[i]->turnTimer, 25);
    }
}

TEST_F(PropsTest, ArrowIdlesTwentyFiveCallsThenTurnsHalfRoundOverFour) {
    quaroArrowSprites& arrow = *maze->arrows[0];
    arrow.turnTimer = 0;
    for (int call = 0; call < 25; ++call) {
        EXPECT_FALSE(arrow.actShouldShow());
        EXPECT_EQ(maze->getBrickMeaning(7, 2), mpArrowUp);
    }
    EXPECT_TRUE(played().empty());
    const mazePoint meanings[4] = {mpEmpty, mpArrowRight, mpEmpty, mpArrowDown};
    for (int step = 0; step < 4; ++step) {
        EXPECT_TRUE(arrow.actShouldShow());
        EXPECT_EQ(arrow.frameIndex, step + 1);
        EXPECT_EQ(maze->getBrickMeaning(7, 2), meanings[step]);
        EXPECT_EQ(playedCount("arrowTurn"), step == 0 ? 1 : 0);
    }
    EXPECT_EQ(arrow.turnTimer, 0);
    EXPECT_EQ(arrow.turnStep, 0);
    for (int call = 0; call < 25; ++call)
        EXPECT_FALSE(arrow.actShouldShow());
    EXPECT_TRUE(arrow.actShouldShow()); // the 26th call after a turn starts the next
    EXPECT_EQ(arrow.frameIndex, 5);
}

TEST_F(PropsTest, ArrowWrapsFromTheLastFrameToUp) {
    quaroArrowSprites& arrow = *maze->arrows[3];
    arrow.turnTimer = 25;
    for (int step = 0; step < 4; ++step)
        arrow.actShouldShow();
    EXPECT_EQ(arrow.frameIndex, 2); // left (6) turns through 7 and 0 to right
    EXPECT_EQ(maze->getBrickMeaning(14, 8), mpArrowRight);
}

TEST_F(PropsTest, ArrowWithRandomStartTwentyFourTurnsOnItsSecondCall) {
    quaroArrowSprites arrow;
    arrow.init(picture(gamePictures::arrowFile, true), 0);
    arrow.turnTimer = 24;
    EXPECT_FALSE(arrow.actShouldShow());
    EXPECT_TRUE(arrow.actShouldShow());
}

TEST_F(PropsTest, OpeningWithoutAPictureRaisesAndLeavesTheTableOpen) {
    quaroCupSprites mug;
    EXPECT_TRUE(raisesBug([&] { mug.init(nullptr, 0); },
                          "No kuImage object assigned in quaroCupSprites::open()!"));
    EXPECT_TRUE(mug.isOpen());
    quaroArrowSprites arrow;
    EXPECT_TRUE(raisesBug([&] { arrow.init(nullptr, 0); },
                          "No kuImage object assigned in quaroArrowSprites::open()!"));
    EXPECT_TRUE(arrow.isOpen());
    quaroGate gate;
    EXPECT_TRUE(raisesBug([&] { gate.init(nullptr, 0); },
                          "No kuImage object assigned in quaroGate::open()!"));
    EXPECT_TRUE(gate.isOpen());
}

TEST_F(PropsTest, GateHalvesAreCentredOnTheirBricksThreeBricksWide) {
    EXPECT_EQ(maze->gates[0]->pos, (pt{380, 140}));
    EXPECT_EQ(maze->gates[1]->pos, (pt{380, 180}));
    for (int half = 0; half < 2; ++half) {
        const quaroGate& gate = *maze->gates[half];
        EXPECT_EQ(gate.frameIndex, 0);
        EXPECT_EQ(gate.screen, &screen);
        EXPECT_EQ(gate.mazeFrame, &maze->imageFrame);
        EXPECT_EQ(gate.frames[9].rect, rect(1080, 40 * half, 120, 40));
        const kuRectangle drawn = centredRect(gate.pos, 120, 40);
        EXPECT_EQ(drawn.x, 320);
        EXPECT_EQ(rectManip::maxX(drawn), 440);
    }
}

TEST_F(PropsTest, ShowingTheGatePaintsItIntoTheMazePicture) {
    quaroGate& gate = *maze->gates[1];
    gate.frameIndex = 5;
    gate.show();
    ASSERT_EQ(screen.pendingRectCount(), 1);
    EXPECT_EQ(screen.pendingRect(0), rect(320, 160, 120, 40));
    EXPECT_TRUE(areaIs(screenSurface(), 320, 160, 120, 40, gamePictures::gateColour(1, 5)));
    EXPECT_TRUE(areaIs(mazePicture(), 320, 160, 120, 40, gamePictures::gateColour(1, 5)));
    EXPECT_EQ(pixelAt(mazePicture(), 319, 160), gamePictures::mazeColour(319, 160));
}

TEST_F(PropsTest, GateNeedsAScreenAndTheMazePictureToShow) {
    quaroGate gate;
    gate.init(picture(gamePictures::gateFile, true), 0);
    EXPECT_TRUE(raisesBug([&] { gate.show(); }, "No screen assigned in quaroGate::show!"));
    gate.setScreen(&screen);
    EXPECT_TRUE(raisesBug([&] { gate.show(); }, "No maze picture assigned in quaroGate::show!"));
}

TEST_F(PropsTest, GateOpensOverNineFramesWithItsSound) {
    maze->openGate();
    EXPECT_EQ(maze->gates[0]->frameIndex, 1);
    EXPECT_EQ(maze->gates[1]->frameIndex, 1);
    EXPECT_FALSE(maze->isGateOpen());
    EXPECT_EQ(played(), std::vector<std::string>{"gate"});
    for (int frame = 2; frame <= 9; ++frame) {
        EXPECT_FALSE(maze->isGateOpen());
        maze->act();
        EXPECT_EQ(maze->gates[0]->frameIndex, frame);
        EXPECT_EQ(maze->gates[1]->frameIndex, frame);
        EXPECT_EQ(pixelAt(screenSurface(), 380, 140), gamePictures::gateColour(0, frame));
    }
    EXPECT_TRUE(maze->isGateOpen());
    maze->act();
    EXPECT_EQ(maze->gates[0]->frameIndex, 9);
}

TEST_F(PropsTest, RestoringTheBackgroundShowsTheGateAsItLastWas) {
    maze->show();
    maze->openGate();
    for (int frame = 0; frame < 8; ++frame)
        maze->act();
    fillSurface(screenSurface(), black);
    maze->showCenteredSizePos({40, 40}, {381, 141}); // a character erased near the gate
    EXPECT_EQ(pixelAt(screenSurface(), 370, 130), gamePictures::gateColour(0, 9));

    maze->reInit();
    EXPECT_EQ(maze->gates[0]->frameIndex, 0);
    EXPECT_EQ(pixelAt(mazePicture(), 370, 130), gamePictures::gateColour(0, 9)); // not yet
    maze->show();
    fillSurface(screenSurface(), black);
    maze->showCenteredSizePos({40, 40}, {381, 141});
    EXPECT_EQ(pixelAt(screenSurface(), 370, 130), gamePictures::gateColour(0, 0));
}
