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
                          "Not updating in kuScreen::endUpdate! Nested updating is not "
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
    EXPECT_EQ(screen.getSDLSurface()->flags & SDL_FULLSCREEN, 0u);
    EXPECT_TRUE(raisesBug([&] { screen.setFullScreen(true); },
                          "Cannot change the display mode of an open screen in "
                          "kuScreen::setFullScreen"));
}
