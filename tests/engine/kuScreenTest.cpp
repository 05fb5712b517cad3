#include "kuScreen.h"
#include "geomPrinters.h"
#include "headlessSdl.h"
#include "kuImages.h"
#include "kuImagesImpl.h"
#include "raises.h"
#include "tempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

const rgb red = {255, 0, 0};
const rgb black = {0, 0, 0};

class KuScreenTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        writeSolidBmp(dir.file("red.bmp"), 20, 10, red);
        image.loadBMP(dir.file("red.bmp").c_str());
        image.setScreen(&screen);
    }
    void TearDown() override {
        image.close();
        ScreenTest::TearDown();
    }

    void draw(int x, int y) { screen.display(&image, rect(0, 0, 20, 10), {x, y}); }

    TempDir dir;
    kuImage image;
};

} // namespace

TEST_F(KuScreenTest, DrawingsOutsideABracketAreShownNewestFirst) {
    draw(10, 10);
    draw(100, 50);
    ASSERT_EQ(screen.pendingRectCount(), 2);
    EXPECT_EQ(screen.pendingRect(0), rect(10, 10, 20, 10));
    EXPECT_EQ(screen.pendingRect(1), rect(100, 50, 20, 10));
    screen.update();
    EXPECT_EQ(screen.pendingRectCount(), 0);
    EXPECT_TRUE(areaIs(screen.getSDLSurface(), 10, 10, 20, 10, red));
    EXPECT_EQ(pixelAt(screen.getSDLSurface(), 30, 10), black);
}

TEST_F(KuScreenTest, BracketMergesDrawingsIntoOneRectangle) {
    screen.beginUpdate();
    draw(10, 10);
    draw(100, 50);
    EXPECT_EQ(screen.pendingRectCount(), 0) << "nothing is recorded before endUpdate";
    screen.endUpdate();
    ASSERT_EQ(screen.pendingRectCount(), 1);
    EXPECT_EQ(screen.pendingRect(0), rect(10, 10, 110, 50));
}

TEST_F(KuScreenTest, DontUpdateDropsWhatTheBracketCollected) {
    screen.beginUpdate();
    draw(10, 10);
    screen.dontUpdate();
    EXPECT_EQ(screen.pendingRectCount(), 0);
    EXPECT_TRUE(areaIs(screen.getSDLSurface(), 10, 10, 20, 10, red)) << "drawn all the same";
    draw(0, 0); // the dropped rectangle does not come back
    ASSERT_EQ(screen.pendingRectCount(), 1);
    EXPECT_EQ(screen.pendingRect(0), rect(0, 0, 20, 10));
}

TEST_F(KuScreenTest, AnEmptyBracketRecordsNothing) {
    screen.beginUpdate();
    screen.endUpdate();
    EXPECT_EQ(screen.pendingRectCount(), 0);
}

TEST_F(KuScreenTest, BracketsDoNotNest) {
    EXPECT_TRUE(raisesBug([&] { screen.endUpdate(); },
                          "Not updating in kuScreen::endUpdate! Nested updating is not "
                          "implemented!"));
    EXPECT_TRUE(raisesBug([&] { screen.dontUpdate(); },
                          "Not updating in kuScreen::dontUpdate! Nested updating is not "
                          "implemented!"));
    screen.beginUpdate();
    EXPECT_TRUE(raisesBug([&] { screen.beginUpdate(); },
                          "Already updating in kuScreen::beginUpdate! Nested updating is not "
                          "implemented!"));
    screen.endUpdate();
}

TEST_F(KuScreenTest, DrawingPartlyOffScreenIsReportedClippedAndRecordedClipped) {
    StdoutCapture capture;
    draw(-5, 0);
    EXPECT_EQ(capture.text(), "display: -5, 0, 15, 10\n");
    ASSERT_EQ(screen.pendingRectCount(), 1);
    EXPECT_EQ(screen.pendingRect(0), rect(0, 0, 15, 10));
    EXPECT_TRUE(areaIs(screen.getSDLSurface(), 0, 0, 15, 10, red));
    EXPECT_EQ(pixelAt(screen.getSDLSurface(), 15, 0), black);
}

TEST_F(KuScreenTest, RangeReportsCoverEveryEdge) {
    StdoutCapture capture;
    draw(750, 100);
    draw(100, 515);
    draw(0, -3);
    draw(740, 510); // touches the right and bottom edges exactly: no report
    EXPECT_EQ(capture.text(), "display: 750, 100, 770, 110\n"
                              "display: 100, 515, 120, 525\n"
                              "display: 0, -3, 20, 7\n");
}

TEST_F(KuScreenTest, OffScreenDrawingInABracketRefreshesTheWholeScreen) {
    StdoutCapture capture;
    screen.beginUpdate();
    draw(10, 10);
    draw(2000, 2000);
    draw(30, 30);
    screen.endUpdate();
    capture.text();
    ASSERT_EQ(screen.pendingRectCount(), 1);
    EXPECT_EQ(screen.pendingRect(0), rect(0, 0, 0, 0));
    screen.update();
    EXPECT_EQ(screen.pendingRectCount(), 0);
}

TEST_F(KuScreenTest, FillRectPaintsAndRecords) {
    screen.fillRect(rect(5, 6, 7, 8), 0x1ff, 0, 0x100); // colours keep their low 8 bits
    EXPECT_TRUE(areaIs(screen.getSDLSurface(), 5, 6, 7, 8, red));
    ASSERT_EQ(screen.pendingRectCount(), 1);
    EXPECT_EQ(screen.pendingRect(0), rect(5, 6, 7, 8));
}

TEST_F(KuScreenTest, FillRectReportsWhatStaysOutOfRangeAfterClipping) {
    StdoutCapture capture;
    screen.fillRect(rect(800, 10, 20, 10), 1, 2, 3);
    screen.fillRect(rect(-10, 0, 20, 10), 1, 2, 3); // clipped into the screen: no report
    EXPECT_EQ(capture.text(), "Out of range in display: 800, 10, 800, 20\n");
}

TEST_F(KuScreenTest, AFullStackIsShownBeforeTheNextRectangle) {
    for (int i = 0; i < kuScreen::maxUpdateRects; ++i)
        screen.fillRect(rect(i % 700, 0, 1, 1), 255, 0, 0);
    EXPECT_EQ(screen.pendingRectCount(), kuScreen::maxUpdateRects);
    screen.fillRect(rect(3, 3, 2, 2), 255, 0, 0);
    ASSERT_EQ(screen.pendingRectCount(), 1);
    EXPECT_EQ(screen.pendingRect(0), rect(3, 3, 2, 2));
}

TEST_F(KuScreenTest, PushingWithNothingCollectingRecordsNothing) {
    screen.pushUpdatingRect();
    EXPECT_EQ(screen.pendingRectCount(), 0);
}

TEST_F(KuScreenTest, AFullStackOfAClosedScreenGrowsItsNewestEntry) {
    for (int i = 0; i < kuScreen::maxUpdateRects; ++i)
        screen.fillRect(rect(i % 700, 0, 1, 1), 255, 0, 0);
    screen.beginUpdate();
    screen.fillRect(rect(10, 10, 2, 2), 255, 0, 0);
    screen.close();
    screen.endUpdate();
    ASSERT_EQ(screen.pendingRectCount(), kuScreen::maxUpdateRects);
    const int newest = (kuScreen::maxUpdateRects - 1) % 700;
    EXPECT_EQ(screen.pendingRect(kuScreen::maxUpdateRects - 1), rect(10, 0, newest - 9, 12));
}

TEST_F(KuScreenTest, SizeChangesOnlyWhileClosedAndTakesEffectAtOpen) {
    EXPECT_TRUE(raisesBug(
        [&] {
            screen.setSize({320, 200});
        },
        "Cannot set screensize in kuScreen::setSize"));
    EXPECT_EQ(screen.getSize(), (sz{760, 520}));
    screen.close();
    screen.setSize({320, 200});
    screen.open();
    EXPECT_EQ(screen.getSDLSurface()->w, 320);
    EXPECT_EQ(screen.getSDLSurface()->h, 200);
    EXPECT_EQ(screen.getSDLSurface()->format->BitsPerPixel, 32);
}

TEST_F(KuScreenTest, OpeningCreatesThePoolAndClosingDeletesIt) {
    EXPECT_NE(globalPool, nullptr);
    screen.close();
    EXPECT_EQ(globalPool, nullptr);
    EXPECT_FALSE(screen.isOpen());
}

TEST_F(KuScreenTest, OpenScreenCannotBeOpenedAgain) {
    SDL_Surface* surface = screen.getSDLSurface();
    EXPECT_TRUE(
        raisesBug([&] { screen.open(); }, "Screenobject is already open in kuScreen::open"));
    EXPECT_EQ(screen.getSDLSurface(), surface);
}

TEST_F(KuScreenTest, DisplayNeedsALoadedImage) {
    EXPECT_TRUE(raisesBug(
        [&] {
            screen.display(nullptr, rect(0, 0, 1, 1), {0, 0});
        },
        "No image specified in kuScreen::display"));
    kuImage empty;
    EXPECT_TRUE(raisesBug(
        [&] {
            screen.display(&empty, rect(0, 0, 1, 1), {0, 0});
        },
        "No image loaded in kuScreen::display"));
}

TEST(KuScreenClosedTest, ClosedScreenRefusesEveryOperationThatNeedsTheSurface) {
    kuScreen screen;
    EXPECT_FALSE(screen.isOpen());
    EXPECT_EQ(screen.getSize(), (sz{640, 480}));
    EXPECT_TRUE(
        raisesBug([&] { screen.update(); }, "Screenobject is not open in kuScreen::update"));
    EXPECT_TRUE(raisesBug([&] { screen.close(); }, "Screenobject is not open in kuScreen::close"));
    EXPECT_TRUE(raisesBug([&] { screen.refreshAll(); },
                          "Screenobject is not open in kuScreen::refreshAll"));
    EXPECT_TRUE(raisesBug([&] { screen.getSDLSurface(); },
                          "Screenobject is not open in kuScreen::getSDLSurface"));
    EXPECT_TRUE(raisesBug([&] { screen.fillRect(rect(0, 0, 1, 1), 0, 0, 0); },
                          "Screenobject is not open in kuScreen::fillRect"));
    // the bracket itself works on a closed screen
    screen.beginUpdate();
    screen.endUpdate();
}

TEST_F(SdlTest, ClosedScreenRefusesToDisplay) {
    TempDir dir;
    writeSolidBmp(dir.file("a.bmp"), 2, 2, red);
    kuImage image;
    image.loadBMP(dir.file("a.bmp").c_str());
    kuScreen screen;
    EXPECT_TRUE(raisesBug(
        [&] {
            screen.display(&image, rect(0, 0, 2, 2), {0, 0});
        },
        "Screenobject is not open in kuScreen::display"));
}

TEST(KuScreenOpenFailureTest, VideoModeFailureRaisesOpenDisplay) {
    // With SDL not started and a driver that does not exist, the video mode cannot be set.
    const std::string previous = std::getenv("SDL_VIDEODRIVER");
    setenv("SDL_VIDEODRIVER", "nosuchdriver", 1);
    kuScreen screen;
    std::unique_ptr<kuE> error = raisedBy([&] { screen.open(); });
    setenv("SDL_VIDEODRIVER", previous.c_str(), 1);
    SDL_Quit();
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->getKind(), kuE::generic);
    EXPECT_STREQ(error->getTypeName(), "OpenDisplay");
    EXPECT_STRNE(error->getMessage(), "");
    EXPECT_FALSE(screen.isOpen());
    EXPECT_EQ(globalPool, nullptr);
}

TEST_F(SdlTest, WindowedScreenOpensAtItsSize) {
    kuScreen screen;
    screen.setFullScreen(false);
    screen.setSize({760, 520});
    screen.open();
    EXPECT_FALSE(outputIsFullScreen());
    EXPECT_TRUE(raisesBug([&] { screen.setFullScreen(true); },
                          "Cannot change the display mode of an open screen in "
                          "kuScreen::setFullScreen"));
}

namespace {

struct ScaledCase {
    int factor;
    sz desktop; // full screen, larger than the enlarged canvas
    pt origin;  // where the enlarged canvas lies in the output
};

// A small canvas keeps the large factors quick.
constexpr sz canvasSize = {100, 80};

class ScaledScreenTest : public SdlTest, public ::testing::WithParamInterface<ScaledCase> {
protected:
    void SetUp() override {
        SdlTest::SetUp();
        screen.setSize(canvasSize);
        screen.setDesktopSize(GetParam().desktop);
        screen.setScale(GetParam().factor);
        screen.open();
    }
    void TearDown() override {
        screen.close();
        SdlTest::TearDown();
    }

    // True when the output shows the colour over the enlarged canvas rectangle.
    bool outputShows(const kuRectangle& canvasRect, rgb colour) {
        const int n = GetParam().factor;
        const pt origin = GetParam().origin;
        return areaIs(screen.getOutputSurface(), origin.x + canvasRect.x * n,
                      origin.y + canvasRect.y * n, int(canvasRect.width) * n,
                      int(canvasRect.height) * n, colour);
    }

    kuScreen screen;
};

const rgb white = {255, 255, 255};

} // namespace

TEST_P(ScaledScreenTest, ACanvasPixelBecomesABlockCentredInABlackBorder) {
    const ScaledCase& c = GetParam();
    SDL_Surface* output = screen.getOutputSurface();
    ASSERT_EQ(output->w, int(c.desktop.width));
    ASSERT_EQ(output->h, int(c.desktop.height));
    EXPECT_NE(output, screen.getSDLSurface()) << "the canvas is a surface of its own";
    EXPECT_EQ(screen.getScale(), c.factor);
    screen.fillRect(rect(5, 7, 1, 1), 255, 0, 0);
    screen.fillRect(rect(99, 79, 1, 1), 255, 255, 255);
    screen.update();
    EXPECT_TRUE(outputShows(rect(5, 7, 1, 1), red));
    EXPECT_TRUE(outputShows(rect(4, 6, 3, 1), black) && outputShows(rect(4, 8, 3, 1), black));
    EXPECT_TRUE(outputShows(rect(4, 7, 1, 1), black) && outputShows(rect(6, 7, 1, 1), black));
    EXPECT_TRUE(outputShows(rect(99, 79, 1, 1), white));
    const int right = c.origin.x + int(canvasSize.width) * c.factor;
    const int bottom = c.origin.y + int(canvasSize.height) * c.factor;
    EXPECT_TRUE(areaIs(output, 0, 0, output->w, c.origin.y, black)) << "above";
    EXPECT_TRUE(areaIs(output, 0, bottom, output->w, output->h - bottom, black)) << "below";
    EXPECT_TRUE(areaIs(output, 0, 0, c.origin.x, output->h, black)) << "left";
    EXPECT_TRUE(areaIs(output, right, 0, output->w - right, output->h, black)) << "right";
}

TEST_P(ScaledScreenTest, AnUpdateCopiesExactlyTheScaledAreaOfItsRectangles) {
    fillSurface(screen.getSDLSurface(), white); // drawn but never recorded
    screen.fillRect(rect(10, 20, 4, 3), 255, 0, 0);
    EXPECT_TRUE(outputShows(rect(10, 20, 4, 3), black)) << "nothing shows before update";
    screen.update();
    EXPECT_TRUE(outputShows(rect(10, 20, 4, 3), red));
    EXPECT_TRUE(outputShows(rect(9, 19, 6, 1), black) && outputShows(rect(9, 23, 6, 1), black));
    EXPECT_TRUE(outputShows(rect(9, 20, 1, 3), black) && outputShows(rect(14, 20, 1, 3), black));
    screen.refreshAll();
    EXPECT_TRUE(outputShows(rect(0, 0, 100, 1), white)) << "refreshAll shows the whole canvas";
}

INSTANTIATE_TEST_SUITE_P(Factors, ScaledScreenTest,
                         ::testing::Values(ScaledCase{1, {140, 120}, {20, 20}},
                                           ScaledCase{2, {280, 220}, {40, 30}},
                                           ScaledCase{3, {420, 300}, {60, 30}},
                                           ScaledCase{5, {600, 420}, {50, 10}}));

TEST_F(SdlTest, SwitchingModesKeepsThePictureAndShowsItWhole) {
    kuScreen screen;
    screen.setSize({760, 520});
    screen.setDesktopSize({1920, 1080});
    screen.open();
    fillSurface(screen.getSDLSurface(), black);
    screen.fillRect(rect(0, 0, 1, 1), 255, 0, 0); // recorded, never updated
    screen.toggleFullScreen();
    EXPECT_FALSE(screen.isFullScreen());
    EXPECT_EQ(screen.getOutputSurface(), screen.getSDLSurface())
        << "a window at N = 1 on 1920 x 1080 is the canvas";
    EXPECT_FALSE(outputIsFullScreen());
    EXPECT_EQ(pixelAt(screen.getSDLSurface(), 0, 0), red);
    screen.toggleFullScreen();
    EXPECT_TRUE(screen.isFullScreen());
    EXPECT_EQ(screen.getScale(), 2);
    EXPECT_TRUE(areaIs(screen.getOutputSurface(), 200, 20, 2, 2, red));
    EXPECT_EQ(pixelAt(screen.getOutputSurface(), 202, 20), black);
    EXPECT_EQ(screen.toCanvas({203, 21}), (pt{1, 0}));
    EXPECT_EQ(screen.toCanvas({199, 21}), std::nullopt);
}

// Full screen on a desktop smaller than the canvas would cut the picture (or, with a video
// mode of the canvas's size, fail to open): the screen opens in a window instead, says so in
// one line, and F11 keeps it there.
TEST_F(SdlTest, ADesktopSmallerThanTheCanvasGetsAWindowWithANote) {
    kuScreen screen;
    screen.setSize({760, 520});
    screen.setDesktopSize({640, 480});
    StdoutCapture capture;
    screen.open();
    EXPECT_FALSE(screen.isFullScreen());
    EXPECT_FALSE(outputIsFullScreen());
    EXPECT_EQ(screen.getOutputSurface()->w, 760);
    EXPECT_EQ(screen.getOutputSurface()->h, 520);
    screen.toggleFullScreen();
    EXPECT_FALSE(screen.isFullScreen());
    const std::string note = "The 640 x 480 desktop is smaller than the game's 760 x 520 "
                             "picture: playing in a window.\n";
    EXPECT_EQ(capture.text(), note + note);
}
