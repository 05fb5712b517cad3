#include "gameFixture.h"
#include "geomPrinters.h"
#include "raises.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class CounterTest : public GameTest {
protected:
    // The glyph colour a character is drawn with.
    static rgb glyph(char c) {
        if (c >= 'a' && c <= 'z')
            return gamePictures::glyphColour(0, c - 'a');
        if (c >= '0' && c <= '9')
            return gamePictures::glyphColour(1, c - '0');
        return gamePictures::glyphColour(2, c - '{');
    }
    // Whether the screen shows text from the clock's place, glyph by glyph.
    bool shows(const std::string& text) {
        for (size_t i = 0; i < text.size(); ++i)
            if (!areaIs(screenSurface(), clock->pos.x + 15 * int(i), clock->pos.y, 15, 25,
                        glyph(text[i])))
                return false;
        return true;
    }
    void at(int minutes, int seconds) {
        clock->giveTime(minutes, seconds);
        clock->frameTicks = 26; // the next tick advances
    }
};

} // namespace

TEST_F(CounterTest, OpenCutsLettersDigitsAndSigns) {
    EXPECT_EQ(clock->getRangeStart(), '0');
    EXPECT_EQ(clock->getRangeEnd(), 127);
    EXPECT_EQ(clock->getChar('0')->rect, rect(0, 25, 15, 25));
    EXPECT_EQ(clock->getChar('9')->rect, rect(135, 25, 15, 25));
    EXPECT_EQ(clock->getChar('a')->rect, rect(0, 0, 15, 25));
    EXPECT_EQ(clock->getChar('z')->rect, rect(375, 0, 15, 25));
    EXPECT_EQ(clock->getChar('{')->rect, rect(0, 50, 15, 25));
    EXPECT_EQ(clock->getChar('|')->rect, rect(15, 50, 15, 25));
    EXPECT_EQ(clock->getChar(127)->rect, rect(60, 50, 15, 25));
    EXPECT_EQ(clock->getChar(':')->image, nullptr);
    EXPECT_EQ(clock->getChar('A')->image, nullptr);
    EXPECT_TRUE(raisesBug(
        [&] {
            clock->drawText("A", {0, 0});
        },
        "pointer image is NULL in kuImageFrame::display"));
}

TEST_F(CounterTest, FirstSecondComesOnTheSecondTickThenEveryTwentySeventh) {
    clock->giveTime(0, 0);
    clock->tick();
    EXPECT_EQ(screen.pendingRectCount(), 0);
    clock->tick();
    EXPECT_EQ(clock->getSeconds(), 1);
    EXPECT_TRUE(shows("00|01"));
    screen.update();
    for (int call = 0; call < 26; ++call)
        clock->tick();
    EXPECT_EQ(clock->getSeconds(), 1);
    EXPECT_EQ(screen.pendingRectCount(), 0);
    clock->tick();
    EXPECT_EQ(clock->getSeconds(), 2);
    EXPECT_TRUE(shows("00|02"));
}

struct tickCase {
    int minutes, seconds;
    const char* shown;
};

class CounterTick : public CounterTest, public ::testing::WithParamInterface<tickCase> {};

TEST_P(CounterTick, AdvancesOneSecondUpToTheEnd) {
    const tickCase& c = GetParam();
    at(c.minutes, c.seconds);
    clock->tick();
    EXPECT_TRUE(shows(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Times, CounterTick,
                         ::testing::Values(tickCase{0, 59, "01|00"}, tickCase{3, 6, "03|07"},
                                           tickCase{58, 59, "59|00"}, tickCase{59, 58, "59|59"},
                                           tickCase{59, 59, "59|59"}));

struct addCase {
    int minutes, seconds, added;
    int wantMinutes, wantSeconds;
};

class CounterAdd : public CounterTest, public ::testing::WithParamInterface<addCase> {};

TEST_P(CounterAdd, NeverBelowZeroAndNeverPastMinuteFiftyNine) {
    const addCase& c = GetParam();
    clock->giveTime(c.minutes, c.seconds);
    clock->addSec(c.added);
    EXPECT_EQ(clock->getMinutes(), c.wantMinutes);
    EXPECT_EQ(clock->getSeconds(), c.wantSeconds);
    EXPECT_EQ(screen.pendingRectCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Seconds, CounterAdd,
                         ::testing::Values(addCase{0, 5, -10, 0, 0}, addCase{1, 5, -10, 0, 55},
                                           addCase{0, 0, -10, 0, 0}, addCase{2, 0, -130, 0, 0},
                                           addCase{59, 58, 5, 59, 0}, addCase{0, 30, 100, 2, 10},
                                           addCase{3, 20, 0, 3, 20}));

TEST_F(CounterTest, ShowTimeRestoresTheMazeUnderSeventyFivePixels) {
    maze->show();
    screen.update();
    clock->giveTime(123, 4);
    clock->showTime();
    EXPECT_TRUE(shows("123|04")); // six glyphs, 90 pixels
    ASSERT_EQ(screen.pendingRectCount(), 7);
    EXPECT_EQ(screen.pendingRect(0), rect(650, 493, 75, 25));
    clock->giveTime(1, 2);
    clock->showTime();
    EXPECT_TRUE(shows("01|02"));
    // The sixth glyph of before lies beyond the restored 75 pixels and stays.
    EXPECT_TRUE(areaIs(screenSurface(), 725, 493, 15, 25, glyph('4')));
}

TEST_F(CounterTest, WithoutBackgroundTheTextIsDrawnOverWhatIsThere) {
    quaroCounter table;
    table.setScreen(&screen);
    table.open(picture(gamePictures::fontFile, true));
    table.pos = {100, 200};
    table.giveTime(9, 30);
    table.showTime();
    EXPECT_EQ(screen.pendingRectCount(), 5);
    EXPECT_TRUE(areaIs(screenSurface(), 100, 200, 15, 25, glyph('0')));
    EXPECT_TRUE(areaIs(screenSurface(), 175, 200, 1, 25, {0, 0, 0}));
}

TEST_F(CounterTest, SetScreenReachesTheFontPictureOnlyWhenOpen) {
    kuImage* font = picture(gamePictures::fontFile, true);
    kuScreen other;
    quaroCounter counter;
    font->setScreen(nullptr);
    counter.setScreen(&other);
    EXPECT_EQ(font->getScreen(), nullptr);
    counter.open(font);
    counter.setScreen(&screen);
    EXPECT_EQ(counter.getScreen(), &screen);
    EXPECT_EQ(font->getScreen(), &screen);
}

TEST_F(CounterTest, CloseForgetsThePictureAndKeepsTheTime) {
    clock->giveTime(4, 5);
    clock->close();
    EXPECT_FALSE(clock->isOpen());
    EXPECT_EQ(clock->fontImage, nullptr);
    EXPECT_EQ(clock->getMinutes(), 4);
    EXPECT_TRUE(raisesBug([&] { clock->getChar('0'); },
                          "Bitmap font is not open in kuBitmapFont::getChar()!"));
}
