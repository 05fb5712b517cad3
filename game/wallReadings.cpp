#include "wallReadings.h"

#include "kuAbsSprite.h"
#include "kuBitmapFont.h"
#include "quaroRound.h"
#include "readingsLayout.h"
#include "vorlanMaze.h"

#include <algorithm>
#include <cstdio>

namespace {

using readingsLayout::box;

kuRectangle rectOf(const box& b) {
    kuRectangle rect;
    rectManip::init(rect, b.x, b.y, uint32_t(b.width), uint32_t(b.height));
    return rect;
}

constexpr int digitWidth = 15;
constexpr int digitHeight = 25;
constexpr box goodsDigitsArea = {readingsLayout::goodsDigitsX, readingsLayout::lineY,
                                 readingsLayout::goodsDigits* digitWidth, digitHeight};
constexpr box livesArea = {readingsLayout::livesX, readingsLayout::livesY,
                           readingsLayout::mostLives* readingsLayout::lifeStep,
                           readingsLayout::lifeMark.height};

} // namespace

wallReadings::wallReadings(vorlanMaze* maze, kuBitmapFont* digits, kuImage* marks)
    : maze(maze), digits(digits), marks(marks) {}

int wallReadings::barWidth(int32_t superFramesLeft) {
    const int32_t frames = std::clamp(superFramesLeft, int32_t(0), quaroRound::superFrames);
    const int32_t full = readingsLayout::barFill.width;
    return int((frames * full + quaroRound::superFrames - 1) / quaroRound::superFrames);
}

void wallReadings::showAll(const roundReadings& now) {
    showGoods(now.goodsLeft);
    showSuper(now.superFramesLeft);
    showLives(now.livesLeft, now.lives);
    showMute(now.muted);
    last = now;
}

void wallReadings::show(const roundReadings& now) {
    if (now.goodsLeft != last.goodsLeft)
        showGoods(now.goodsLeft);
    if (barWidth(now.superFramesLeft) != barWidth(last.superFramesLeft))
        showSuper(now.superFramesLeft);
    if (now.livesLeft != last.livesLeft || now.lives != last.lives)
        showLives(now.livesLeft, now.lives);
    if (now.muted != last.muted)
        showMute(now.muted);
    last = now;
}

void wallReadings::showGoods(int goodsLeft) {
    maze->showArea(rectOf(goodsDigitsArea));
    char text[8];
    std::snprintf(text, sizeof text, "%*d", readingsLayout::goodsDigits,
                  std::clamp(goodsLeft, 0, 999));
    digits->drawText(text, {goodsDigitsArea.x, goodsDigitsArea.y});
}

void wallReadings::showSuper(int32_t superFramesLeft) {
    const box& bar = readingsLayout::superBar;
    maze->showArea(rectOf(bar));
    const int width = barWidth(superFramesLeft);
    if (width == 0)
        return;
    const box& fill = readingsLayout::barFill;
    kuImageFrame part{marks, rectOf({fill.x, fill.y, width, fill.height})};
    part.display({bar.x, bar.y});
}

void wallReadings::showLives(int livesLeft, int lives) {
    maze->showArea(rectOf(livesArea));
    if (lives <= 1)
        return;
    const box& life = readingsLayout::lifeMark;
    const kuImageFrame head{marks, rectOf(life)};
    for (int i = 0; i < std::min(livesLeft, readingsLayout::mostLives); ++i)
        head.display({livesArea.x + i * readingsLayout::lifeStep, livesArea.y});
}

void wallReadings::showMute(bool muted) {
    const box& place = readingsLayout::muteMark;
    maze->showArea(rectOf(place));
    if (muted)
        kuImageFrame{marks, rectOf(readingsLayout::muteMarkPicture)}.display({place.x, place.y});
}
