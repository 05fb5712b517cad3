#include "kuBitmapFont.h"
#include "geomPrinters.h"
#include "headlessSdl.h"
#include "raises.h"
#include "tempDir.h"

#include <gtest/gtest.h>

namespace {

// Digits '0'..'9' as 15-pixel glyphs and 'a' as a 7-pixel one, over the range '0' to 127.
class TestFont : public kuBitmapFont {
public:
    explicit TestFont(kuImage* image) : image(image) {
        rangeStart = '0';
        rangeEnd = 0x7f;
    }
    void open() override {
        kuBitmapFont::open();
        for (int i = 0; i < 10; ++i)
            *getChar(char('0' + i)) = {image, rect(15 * i, 0, 15, 25)};
        *getChar('a') = {image, rect(0, 0, 7, 25)};
    }
    void setRange(signed char start, signed char end) {
        rangeStart = start;
        rangeEnd = end;
    }
    int glyphIndex(char c) { return int(getChar(c) - glyphs.get()); }

    kuImage* image;
};

class BitmapFontTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        writeSolidBmp(dir.file("font.bmp"), 150, 25, {255, 255, 255});
        image.loadBMP(dir.file("font.bmp").c_str());
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

TEST_F(BitmapFontTest, RangeMapsCharactersToGlyphs) {
    TestFont font(&image);
    EXPECT_FALSE(font.isOpen());
    font.open();
    EXPECT_TRUE(font.isOpen());
    EXPECT_EQ(font.getRangeStart(), '0');
    EXPECT_EQ(font.getRangeEnd(), 0x7f);
    EXPECT_EQ(font.glyphIndex('0'), 0);
    EXPECT_EQ(font.glyphIndex('a'), 49);
    EXPECT_EQ(font.glyphIndex(0x7f), 79);
    EXPECT_TRUE(raisesBug([&] { font.getChar('/'); },
                          "Character out of range in kuBitmapFont::getChar()!"));
    EXPECT_TRUE(raisesBug([&] { font.getChar(char(0x80)); },
                          "Character out of range in kuBitmapFont::getChar()!"));
}

TEST_F(BitmapFontTest, OpenAndCloseGuardTheirState) {
    TestFont font(&image);
    EXPECT_TRUE(raisesBug([&] { font.getChar('0'); },
                          "Bitmap font is not open in kuBitmapFont::getChar()!"));
    EXPECT_TRUE(raisesBug([&] { font.close(); },
                          "Bitmap font has not been opened in kuBitmapFont::close()!"));
    font.open();
    EXPECT_TRUE(
        raisesBug([&] { font.open(); }, "Bitmap font is already open in kuBitmapFont::open()!"));
    font.close();
    EXPECT_EQ(font.getRangeEnd(), 0x7f) << "the range survives closing";
}

TEST_F(BitmapFontTest, RangeMustHoldTwoCharactersAtLeast) {
    TestFont font(&image);
    font.setRange('a', 'a');
    EXPECT_TRUE(raisesBug([&] { font.kuBitmapFont::open(); },
                          "Invalid character range specified in kuBitmapFont::open()!"));
    font.setRange('z', 'a');
    EXPECT_TRUE(raisesBug([&] { font.kuBitmapFont::open(); },
                          "Invalid character range specified in kuBitmapFont::open()!"));
    EXPECT_FALSE(font.isOpen());
}

TEST_F(BitmapFontTest, PenAdvancesByGlyphWidthAndSpacesByFifteen) {
    TestFont font(&image);
    font.open();
    font.drawText("1 2", {100, 40});
    ASSERT_EQ(screen.pendingRectCount(), 2);
    EXPECT_EQ(screen.pendingRect(0), rect(100, 40, 15, 25));
    EXPECT_EQ(screen.pendingRect(1), rect(130, 40, 15, 25));
    screen.update();

    font.drawText("a1", {0, 0});
    ASSERT_EQ(screen.pendingRectCount(), 2);
    EXPECT_EQ(screen.pendingRect(1), rect(7, 0, 15, 25));
    screen.update();

    font.drawText("", {0, 0});
    EXPECT_EQ(screen.pendingRectCount(), 0);
}

TEST_F(BitmapFontTest, DrawingStopsAtTheFirstCharacterItCannotDraw) {
    TestFont font(&image);
    font.open();
    EXPECT_TRUE(raisesBug(
        [&] {
            font.drawText("1!2", {0, 0});
        },
        "Character out of range in kuBitmapFont::getChar()!"));
    EXPECT_EQ(screen.pendingRectCount(), 1) << "the glyph before stays drawn";
    EXPECT_TRUE(raisesBug(
        [&] {
            font.drawText("b", {0, 0});
        },
        "pointer image is NULL in kuImageFrame::display"));
}
