// The lettering of the game's messages: every text the game writes in it has a glyph for each
// of its characters (a missing one would stop the game where the text is drawn) and fits the
// place it is written in; what a file brings that it cannot draw becomes spaces.
#include "quaroLettering.h"
#include "pauseBox.h"
#include "quaroReplays.h"
#include "readingsLayout.h"
#include "screenNotes.h"
#include "shellHarness.h"
#include "viewerPanel.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct textCase {
    std::string text;
    int32_t widest; // pixels the place holds
};

std::ostream& operator<<(std::ostream& out, const textCase& c) {
    return out << '"' << c.text << '"';
}

constexpr int32_t screenWidth = 760;
constexpr int32_t margins = 2 * 16;

class LetteringTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        load();
        font.open(shell->fontImage);
    }
    quaroLettering font;
};

class GameTexts : public LetteringTest, public ::testing::WithParamInterface<textCase> {};

TEST_P(GameTexts, HaveEveryGlyphAndFitTheirPlace) {
    const textCase c = GetParam();
    EXPECT_EQ(font.drawable(c.text), c.text);
    EXPECT_LE(font.width(c.text), c.widest);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, GameTexts,
    ::testing::Values(
        textCase{pauseBox::title, int32_t(pauseBox::area.width) - margins},
        textCase{pauseBox::keysLine(quaroSettings{}), int32_t(pauseBox::area.width) - margins},
        textCase{pauseBox::reminderLine(quaroSettings{}), int32_t(pauseBox::area.width) - margins},
        textCase{quaroReplays::demoLabel, readingsLayout::replayLabel.width - margins},
        textCase{"replay of WWWWWWWWWW", readingsLayout::replayLabel.width - margins},
        textCase{viewerPanel::pausedLine, readingsLayout::viewerReminder.width - margins},
        textCase{"paused", readingsLayout::viewerSpeed.width - margins},
        textCase{"100: behind 999", readingsLayout::replayProgress.width - margins},
        // centred between the menu's board and the right edge
        textCase{screenNotes::tableKeys, 2 * (screenWidth - 495)},
        textCase{screenNotes::assistedTitle, 2 * (screenWidth - 495)},
        textCase{"your time 59:59", 256}, textCase{"goods taken 106/106", 256}));

TEST_F(LetteringTest, TheViewersReminderFitsItsPlace) {
    for (uint32_t frame = 0; frame < viewerPanel::reminderFrames;
         frame += viewerPanel::reminderLineFrames) {
        const std::string line = viewerPanel::reminderAt(frame);
        EXPECT_EQ(font.drawable(line), line);
        EXPECT_LE(font.width(line), readingsLayout::viewerReminder.width - margins) << line;
    }
}

TEST_F(LetteringTest, TurnsWhatItCannotDrawIntoSpaces) {
    EXPECT_EQ(font.drawable("Kid{#9"), "Kid  9");
    EXPECT_EQ(font.drawable("a\tb\x80"
                            "c"),
              "a b c");
    EXPECT_EQ(font.drawable("\x7d\x7e\x7f"), "\x7d\x7e\x7f") << "the name entry's umlauts";
}

} // namespace
