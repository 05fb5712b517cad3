// The bottom wall says what the round holds: over the game's demonstration round, frame by
// frame, the number of goods left drawn in the clock's glyphs and the super bar as wide as the
// super form's time left, read back from the screen; and the heads of the lives and the mute
// mark only when there is something to show.
#include "wallReadings.h"
#include "kuAudio.h"
#include "kuImages.h"
#include "kuScreen.h"
#include "quaroRound.h"
#include "readingsLayout.h"
#include "roundInput.h"
#include "shellHarness.h"
#include "vorlanCharSprite.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

constexpr rgb key = {220, 188, 108};
constexpr int digitWidth = 15;
constexpr int digitHeight = 25;
constexpr int productsInMaze = 106;

quaroRecording demoRun() {
    std::string problem;
    const std::optional<quaroRecording> run =
        quaroRecording::load(std::string(QUARO_ASSET_DIR) + "/RUN/Demo.run", problem);
    EXPECT_TRUE(run) << problem;
    return run.value_or(quaroRecording(1, quaroRules::current));
}

class WallTest : public ShellTest {
protected:
    SDL_Surface* canvas() { return shell->screen->getSDLSurface(); }
    SDL_Surface* mazePicture() { return shell->levelMapImage->getSDLSurface(); }

    // The number as the clock's glyphs draw it over the maze picture, right-aligned in three.
    bool showsGoods(int goods) {
        char text[16];
        std::snprintf(text, sizeof text, "%3d", goods);
        SDL_Surface* font = shell->fontImage->getSDLSurface();
        // Held locked for all the reads: a keyed picture may be run-length encoded, and each
        // first lock would decode it whole.
        SDL_LockSurface(font);
        const bool shown = drawnLike(text, font);
        SDL_UnlockSurface(font);
        return shown;
    }

    bool drawnLike(const char* text, SDL_Surface* font) {
        for (int i = 0; i < readingsLayout::goodsDigits; ++i)
            for (int y = 0; y < digitHeight; ++y)
                for (int x = 0; x < digitWidth; ++x) {
                    const int sx = readingsLayout::goodsDigitsX + digitWidth * i + x;
                    const int sy = readingsLayout::lineY + y;
                    rgb expected = pixelAt(mazePicture(), sx, sy);
                    if (text[i] != ' ') {
                        const rgb glyph =
                            pixelAt(font, digitWidth * (text[i] - '0') + x, digitHeight + y);
                        if (glyph != key)
                            expected = glyph;
                    }
                    if (pixelAt(canvas(), sx, sy) != expected)
                        return false;
                }
        return true;
    }

    // The columns of the bar that show anything but the empty trough.
    int filledBarColumns() {
        const readingsLayout::box& bar = readingsLayout::superBar;
        int filled = 0;
        for (int x = bar.x; x < bar.x + bar.width; ++x)
            filled += !areasEqual(canvas(), x, bar.y, mazePicture(), x, bar.y, 1, bar.height);
        return filled;
    }

    bool showsMazePicture(const readingsLayout::box& area) {
        return areasEqual(canvas(), area.x, area.y, mazePicture(), area.x, area.y, area.width,
                          area.height);
    }
};

TEST_F(WallTest, SaysTheGoodsLeftAndTheSuperFormsTimeFrameByFrame) {
    load();
    const quaroRecording run = demoRun();
    quaroRound& round = shell->round();
    round.start(run.seed(), run.rules());
    ASSERT_TRUE(showsGoods(productsInMaze));
    recordedInput recorded(run);
    int superFrames = 0, goodsChanges = 0;
    int lastGoods = productsInMaze;
    while (!round.over() && !recorded.finished()) {
        round.step(recorded);
        const int goods = productsInMaze - round.hero()->itemCount;
        const int32_t left = round.superFramesLeft();
        ASSERT_EQ(filledBarColumns(), wallReadings::barWidth(left)) << "frame " << round.frames();
        if (goods != lastGoods || round.frames() % 50 == 0) {
            ASSERT_TRUE(showsGoods(goods)) << goods << " goods, frame " << round.frames();
            goodsChanges += goods != lastGoods;
            lastGoods = goods;
        }
        superFrames += left > 0;
    }
    EXPECT_EQ(lastGoods, 0) << "the demonstration takes every good";
    EXPECT_EQ(goodsChanges, productsInMaze);
    EXPECT_GT(superFrames, 0) << "the demonstration turns super";
}

TEST(WallBar, IsFullForAWholeSuperFormAndEmptyWithout) {
    EXPECT_EQ(wallReadings::barWidth(quaroRound::superFrames), readingsLayout::barFill.width);
    EXPECT_EQ(wallReadings::barWidth(1), 1) << "a frame left still shows";
    EXPECT_EQ(wallReadings::barWidth(0), 0);
}

struct shownCase {
    int lives;
    int livesLeft;
    bool muted;
    int headsShown;
};

class WallShows : public WallTest, public ::testing::WithParamInterface<shownCase> {};

TEST_P(WallShows, TheLivesLeftOnlyWithMoreThanOneAndTheMuteMarkOnlyWhileMuted) {
    const shownCase c = GetParam();
    load();
    shell->round().start(1);
    roundReadings readings = shell->round().readings();
    readings.lives = c.lives;
    readings.livesLeft = c.livesLeft;
    readings.muted = c.muted;
    shell->round().getCast().wall->show(readings);
    for (int head = 0; head < readingsLayout::mostLives; ++head) {
        const readingsLayout::box place = {readingsLayout::livesX + readingsLayout::lifeStep * head,
                                           readingsLayout::livesY, readingsLayout::lifeMark.width,
                                           readingsLayout::lifeMark.height};
        EXPECT_EQ(showsMazePicture(place), head >= c.headsShown) << "head " << head;
    }
    EXPECT_EQ(showsMazePicture(readingsLayout::muteMark), !c.muted);
}

INSTANTIATE_TEST_SUITE_P(Cases, WallShows,
                         ::testing::Values(shownCase{1, 1, false, 0}, shownCase{3, 3, false, 3},
                                           shownCase{3, 1, true, 1}, shownCase{2, 0, true, 0}));

TEST_F(WallTest, TheRoundSaysOneLifeAndWhetherTheSoundIsOff) {
    load();
    shell->round().start(1);
    EXPECT_EQ(shell->round().readings().lives, 1);
    EXPECT_FALSE(shell->round().readings().muted);
    shell->audio->setMuted(true);
    EXPECT_TRUE(shell->round().readings().muted);
}

} // namespace
