#include "quaroCounter.h"

#include "kuImages.h"
#include "vorlanMaze.h"

#include <cstdio>

namespace {

constexpr signed char lastCode = 127;
constexpr int letterRowY = 0;
constexpr int digitRowY = 25;
constexpr int signRowY = 50;
constexpr int letterCount = 26;
constexpr int digitCount = 10;
constexpr int signCount = 5; // '{', '|', '}', '~' and 127

constexpr int ticksBeforeSecond = 25; // frameTicks up to this only counts; 27 calls a second
constexpr int lastSecond = 59;
constexpr int lastMinute = 59;
constexpr char separator = '|';

} // namespace

quaroCounter::quaroCounter()
    : fontImage(nullptr), minutes(0), seconds(0), frameTicks(0), background(nullptr),
      pos(pointManip::zeroPoint) {}

quaroCounter::~quaroCounter() {
    if (isOpen())
        localClose();
}

void quaroCounter::open(kuImage* image) {
    rangeStart = '0';
    rangeEnd = lastCode;
    kuBitmapFont::open();
    fontImage = image;
    const auto cut = [this, image](int first, int count, int y) {
        for (int i = 0; i < count; ++i) {
            kuImageFrame* glyph = getChar(char(first + i));
            glyph->image = image;
            rectManip::init(glyph->rect, glyphWidth * i, y, glyphWidth, glyphHeight);
        }
    };
    cut('0', digitCount, digitRowY);
    cut('a', letterCount, letterRowY);
    cut('{', signCount, signRowY);
}

void quaroCounter::close() {
    localClose();
    kuBitmapFont::close();
}

void quaroCounter::localClose() {
    fontImage = nullptr;
}

void quaroCounter::setScreen(kuScreen* newScreen) {
    kuBitmapFont::setScreen(newScreen);
    if (isOpen() && fontImage != nullptr)
        fontImage->setScreen(newScreen);
}

void quaroCounter::giveTime(int newMinutes, int newSeconds) {
    minutes = newMinutes;
    seconds = newSeconds;
    frameTicks = ticksBeforeSecond;
}

void quaroCounter::addSec(int n) {
    seconds += n;
    if (n > 0) {
        while (seconds > lastSecond) {
            if (minutes < lastMinute) {
                ++minutes;
                seconds -= lastSecond + 1;
            } else {
                seconds = 0;
            }
        }
    } else {
        while (seconds < 0) {
            if (minutes > 0) {
                --minutes;
                seconds += lastSecond + 1;
            } else {
                seconds = 0;
            }
        }
    }
}

void quaroCounter::tick() {
    if (frameTicks <= ticksBeforeSecond) {
        ++frameTicks;
        return;
    }
    frameTicks = 0;
    if (seconds < lastSecond) {
        ++seconds;
    } else if (minutes < lastMinute) {
        ++minutes;
        seconds = 0;
    }
    showTime();
}

void quaroCounter::showTime() {
    if (background != nullptr) {
        kuRectangle under;
        rectManip::init(under, pos.x, pos.y, textWidth, glyphHeight);
        background->showRect(under);
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.2ld%c%.2ld", long(minutes), separator, long(seconds));
    drawText(text, pos);
}
