#include "geomPrinters.h"
#include "headlessSdl.h"
#include "kuAnimationSprite.h"
#include "kuCrawlSprite.h"
#include "kuImageSprite.h"
#include "raises.h"
#include "tempDir.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const rgb yellow = {255, 255, 0};

// A background that redraws exactly the rectangle it is given, in a solid colour, and
// remembers what it was asked for.
class RecordingBackground : public BackgroundSprite {
public:
    explicit RecordingBackground(kuScreen* screen) : screen(screen) {}
    void showRect(kuRectangle& r) override {
        asked.push_back(r);
        screen->fillRect(r, 0, 0, 255);
    }
    kuScreen* screen;
    std::vector<kuRectangle> asked;
};

class TenFrameSprite : public kuAnimationSprite {
public:
    explicit TenFrameSprite(kuImage* image) {
        frameCount = 10;
        open();
        for (int i = 0; i < frameCount; ++i)
            frames[i] = {image, rect(4 * i, 0, 4, 6)};
    }
};

// A crawl sprite over one frame whose crawl distance the test chooses; counts incFrame.
class CountingCrawler : public kuCrawlSprite {
public:
    explicit CountingCrawler(int32_t crawl) : frame{} {
        frame.crawl = crawl;
        currentCrawlFrame = &frame;
    }
    void show() override {}
    void erase() override {}
    void incFrame(long step) override { steps.push_back(step); }

    kuCrawlImageFrame frame;
    std::vector<long> steps;
};

class SpriteTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        writeSolidBmp(dir.file("y.bmp"), 41, 41, yellow);
        image.loadBMP(dir.file("y.bmp").c_str());
        image.setScreen(&screen);
    }
    void TearDown() override {
        image.close();
        ScreenTest::TearDown();
    }

    TempDir dir;
    kuImage image;
};

} // namespace

TEST_F(SpriteTest, FramesDrawAtTheirCornerOrCentred) {
    const kuImageFrame even = {&image, rect(0, 0, 40, 40)};
    const kuImageFrame odd = {&image, rect(0, 0, 41, 41)};
    even.displayCentered({100, 100});
    odd.displayCentered({100, 100});
    even.display({7, 9});
    ASSERT_EQ(screen.pendingRectCount(), 3);
    EXPECT_EQ(screen.pendingRect(0), rect(80, 80, 40, 40));
    EXPECT_EQ(screen.pendingRect(1), rect(80, 80, 41, 41));
    EXPECT_EQ(screen.pendingRect(2), rect(7, 9, 40, 40));
    EXPECT_EQ(pixelAt(screen.getSDLSurface(), 80, 80), yellow);
}

TEST_F(SpriteTest, FramesWithoutImageRefuseToDraw) {
    const kuImageFrame none = {nullptr, rect(0, 0, 4, 4)};
    EXPECT_TRUE(raisesBug(
        [&] {
            none.display({0, 0});
        },
        "pointer image is NULL in kuImageFrame::display"));
    EXPECT_TRUE(raisesBug(
        [&] {
            none.displayCentered({0, 0});
        },
        "pointer image is NULL in kuImageFrame::displayCentered"));
}

TEST_F(SpriteTest, ImageSpriteShowsTheWholeImageCentred) {
    kuImageSprite sprite;
    sprite.setImage(&image);
    EXPECT_EQ(sprite.imageFrame.rect, rect(0, 0, 41, 41));
    sprite.setImage(nullptr);
    EXPECT_EQ(sprite.imageFrame.rect, rect(0, 0, 41, 41)) << "a null image keeps the rectangle";
    sprite.setImage(&image);
    sprite.pos = {60, 70};
    EXPECT_TRUE(raisesBug([&] { sprite.show(); }, "No screen assigned in kuImageSprite::show!"));
    sprite.setScreen(&screen);
    sprite.show();
    ASSERT_EQ(screen.pendingRectCount(), 1);
    EXPECT_EQ(screen.pendingRect(0), rect(40, 50, 41, 41));
}

TEST_F(SpriteTest, ImageSpriteErasesBothPlacesAsOneRectangle) {
    kuImageSprite sprite;
    sprite.setImage(&image);
    EXPECT_TRUE(raisesBug([&] { sprite.erase(); }, "No screen assigned in kuImageSprite::erase!"));
    sprite.setScreen(&screen);
    sprite.erase(); // no background: nothing happens
    EXPECT_EQ(screen.pendingRectCount(), 0);

    RecordingBackground background(&screen);
    sprite.background = &background;
    sprite.oldPos = {100, 100};
    sprite.pos = {110, 100};
    sprite.erase();
    ASSERT_EQ(background.asked.size(), 2u);
    EXPECT_EQ(background.asked[0], rect(80, 80, 41, 41));
    EXPECT_EQ(background.asked[1], rect(90, 80, 41, 41));
    ASSERT_EQ(screen.pendingRectCount(), 1);
    EXPECT_EQ(screen.pendingRect(0), rect(80, 80, 51, 41));
}

TEST_F(SpriteTest, AnimationCyclesThroughItsFrames) {
    TenFrameSprite sprite(&image);
    std::vector<int> shown;
    for (int i = 0; i < 11; ++i) {
        shown.push_back(sprite.frameIndex);
        sprite.act();
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0}));
    sprite.pos = {50, 50};
    sprite.show();
    ASSERT_EQ(screen.pendingRectCount(), 1);
    EXPECT_EQ(screen.pendingRect(0), rect(48, 47, 4, 6));
}

TEST_F(SpriteTest, AnimationOpensAndClosesOnce) {
    TenFrameSprite sprite(&image);
    EXPECT_TRUE(sprite.isOpen());
    EXPECT_TRUE(raisesBug([&] { sprite.open(); },
                          "Animation sprite is already open in kuAnimationSprite::open()!"));
    sprite.frameIndex = 4;
    sprite.close();
    EXPECT_FALSE(sprite.isOpen());
    EXPECT_TRUE(raisesBug([&] { sprite.close(); },
                          "Animation sprite has not been opened in kuAnimationSprite::close()!"));
    sprite.open();
    EXPECT_EQ(sprite.frameIndex, 4) << "the frame index survives closing";
}

TEST_F(SpriteTest, AnimationWithATableItDidNotOpenIsABug) {
    kuAnimationSprite sprite;
    sprite.frames.reset(new kuImageFrame[1]());
    EXPECT_TRUE(raisesBug(
        [&] { sprite.isOpen(); },
        "Animation sprite has not been opened correctly in kuAnimationSprite::isOpen()!"));
    EXPECT_TRUE(
        raisesBug([&] { sprite.close(); },
                  "Animation sprite has not been opened correctly in kuAnimationSprite::close()!"));
    sprite.frames.reset();
}

TEST_F(SpriteTest, AnimationNeedsAFrameAndReopensWithItsIndexInRange) {
    kuAnimationSprite sprite;
    for (int32_t count : {0, -3}) {
        sprite.frameCount = count;
        EXPECT_TRUE(
            raisesBug([&] { sprite.open(); }, "Frame count below 1 in kuAnimationSprite::open()!"));
        EXPECT_FALSE(sprite.isOpen());
    }
    TenFrameSprite tenFrames(&image);
    tenFrames.frameIndex = 7;
    tenFrames.close();
    tenFrames.frameCount = 4;
    tenFrames.open();
    EXPECT_EQ(tenFrames.frameIndex, 0) << "frame 7 does not exist any more";
}

TEST_F(SpriteTest, AnimationErasesTheCurrentFrameSize) {
    TenFrameSprite sprite(&image);
    EXPECT_TRUE(
        raisesBug([&] { sprite.erase(); }, "No screen assigned in kuAnimationSprite::erase!"));
    sprite.setScreen(&screen);
    sprite.erase();
    EXPECT_EQ(screen.pendingRectCount(), 0) << "no background, nothing to restore";

    RecordingBackground background(&screen);
    sprite.background = &background;
    sprite.pos = sprite.oldPos = {20, 30};
    sprite.erase();
    ASSERT_EQ(screen.pendingRectCount(), 1);
    EXPECT_EQ(screen.pendingRect(0), rect(18, 27, 4, 6));
}

struct CrawlCase {
    int32_t period, speed;
    pt direction;
    int32_t crawl;
    int calls;
    pt expected;
    std::vector<long> steps;
};

class CrawlTest : public ::testing::TestWithParam<CrawlCase> {};

TEST_P(CrawlTest, StepsByTheFixedPointRule) {
    const CrawlCase& c = GetParam();
    CountingCrawler sprite(c.crawl);
    sprite.period = c.period;
    sprite.speed = c.speed;
    sprite.direction = c.direction;
    sprite.pos = {100, 100};
    for (int i = 0; i < c.calls; ++i)
        sprite.act();
    EXPECT_EQ(sprite.pos, c.expected);
    EXPECT_EQ(sprite.steps, c.steps);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CrawlTest,
    ::testing::Values(CrawlCase{32, 32, {1, 0}, 3, 1, {103, 100}, {1}},
                      CrawlCase{32, 32, {0, -1}, 3, 2, {100, 94}, {1, 1}},
                      CrawlCase{32, 32, {-1, 0}, 4, 3, {88, 100}, {1, 1, 1}},
                      CrawlCase{25, 10, {1, 0}, 1, 8, {104, 100}, {1, 1, 1, 1}}, // calls 1, 3, 6, 8
                      CrawlCase{25, 10, {1, 0}, 1, 5, {102, 100}, {1, 1}},
                      CrawlCase{25, 25, {0, 1}, 2, 3, {100, 106}, {1, 1, 1}},
                      CrawlCase{25, 50, {1, 0}, 1, 2, {104, 100}, {1, 1, 1, 1}},
                      CrawlCase{
                          25, -25, {1, 0}, 1, 1, {100, 100}, {}}, // first step back on the 2nd call
                      CrawlCase{25, -25, {1, 0}, 1, 3, {98, 100}, {-1, -1}},
                      CrawlCase{32, 0, {1, 0}, 3, 5, {100, 100}, {}}));

TEST(CrawlSpriteTest, SpeedTenStepsOnTheFirstThirdSixthAndEighthCall) {
    CountingCrawler sprite(1);
    sprite.speed = 10;
    sprite.direction = {1, 0};
    std::vector<int> stepCalls;
    for (int call = 1; call <= 8; ++call) {
        const size_t before = sprite.steps.size();
        sprite.act();
        if (sprite.steps.size() > before)
            stepCalls.push_back(call);
        EXPECT_LE(sprite.accumulator, 0);
        EXPECT_GE(sprite.accumulator, -sprite.period);
    }
    EXPECT_EQ(stepCalls, (std::vector<int>{1, 3, 6, 8}));
}

TEST(CrawlSpriteTest, DivisorTruncatesAndAccelerationRaisesTheSpeed) {
    CountingCrawler sprite(3);
    sprite.period = 32;
    sprite.divisor = 2;
    sprite.acceleration = 16;
    sprite.direction = {-1, 1};
    sprite.pos = {10, 10};
    sprite.act(); // speed 16: one step of 3 / 2, truncated to 1; accumulator -16
    EXPECT_EQ(sprite.pos, (pt{9, 11}));
    EXPECT_EQ(sprite.accumulator, -16);
    sprite.act(); // speed 32: one more step
    EXPECT_EQ(sprite.oldPos, (pt{9, 11}));
    EXPECT_EQ(sprite.pos, (pt{8, 12}));
    EXPECT_EQ(sprite.speed, 32);
    sprite.act(); // speed 48: accumulator 32 makes one step and rests at 0
    EXPECT_EQ(sprite.pos, (pt{7, 13}));
    EXPECT_EQ(sprite.accumulator, 0);
}

TEST(CrawlSpriteTest, APeriodBelowOneOrADivisorOfZeroIsABug) {
    const struct {
        int32_t period, divisor;
        const char* message;
    } cases[] = {{0, 1, "Period below 1 in kuCrawlSprite::act!"},
                 {-25, 1, "Period below 1 in kuCrawlSprite::act!"},
                 {25, 0, "Divisor of 0 in kuCrawlSprite::act!"}};
    for (const auto& c : cases) {
        CountingCrawler sprite(3);
        sprite.period = c.period;
        sprite.divisor = c.divisor;
        sprite.speed = 10;
        sprite.pos = {5, 5};
        EXPECT_TRUE(raisesBug([&] { sprite.act(); }, c.message)) << c.period << " " << c.divisor;
        EXPECT_EQ(sprite.pos, (pt{5, 5}));
    }
}

TEST(CrawlSpriteTest, StandingStillStillSavesTheOldPosition) {
    CountingCrawler sprite(3);
    sprite.pos = {50, 50};
    sprite.oldPos = {0, 0};
    sprite.act();
    EXPECT_EQ(sprite.oldPos, (pt{50, 50}));
    EXPECT_EQ(sprite.pos, (pt{50, 50}));
}

TEST(CrawlSpriteTest, WithoutAFrameOnlyTheAccumulatorMoves) {
    CountingCrawler sprite(3);
    sprite.currentCrawlFrame = nullptr;
    sprite.speed = 40;
    sprite.act();
    EXPECT_EQ(sprite.accumulator, 40);
    EXPECT_TRUE(sprite.steps.empty());
}

TEST(CrawlSpriteTest, AssignStateCopiesCrawlStateButNotTheFrameOrScreen) {
    CountingCrawler from(3), to(5);
    kuScreen someScreen;
    from.setScreen(&someScreen);
    from.pos = {1, 2};
    from.oldPos = {3, 4};
    from.direction = {0, -1};
    from.divisor = 2;
    from.accumulator = -7;
    from.period = 32;
    from.speed = 32;
    from.acceleration = 1;
    to.assignState(&from);
    EXPECT_EQ(to.pos, (pt{1, 2}));
    EXPECT_EQ(to.oldPos, (pt{3, 4}));
    EXPECT_EQ(to.direction, (pt{0, -1}));
    EXPECT_EQ(to.divisor, 2);
    EXPECT_EQ(to.accumulator, -7);
    EXPECT_EQ(to.period, 32);
    EXPECT_EQ(to.speed, 32);
    EXPECT_EQ(to.acceleration, 1);
    EXPECT_EQ(to.currentCrawlFrame, &to.frame);
    EXPECT_EQ(to.screen, nullptr);

    CountingCrawler plain(1);
    plain.assignState(static_cast<kuAbsSprite*>(&from));
    EXPECT_EQ(plain.pos, (pt{1, 2}));
    EXPECT_EQ(plain.speed, 0) << "the sprite-level copy takes positions only";
}
