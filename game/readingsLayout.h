// What a round shows beside its actors and where: the readings in the bottom wall, the marks
// picture (the super form's glow, the wait mark, the mute mark, a life, the fill of the super
// bar) and the banners picture (ready, the gate's opening). Shared by the game and the asset
// generator, which draws the readings' boards into the maze picture at these places.
#pragma once

#include "mazeLayout.h"

namespace readingsLayout {

struct box {
    int x, y, width, height;
};

// The bottom wall, left to right. Every reading stands on the clock's line.
constexpr int lineY = mazeLayout::clockY; // the top of the digits, 25 high
constexpr box muteMark = {8, 488, 24, 24};
// Lives: one head each from here, drawn only while a round has more than one life.
constexpr int livesX = 44;
constexpr int livesY = 490;
constexpr int lifeStep = 22;
constexpr int mostLives = 3;
// The goods left: a board with a sack, and three digits.
constexpr box goodsBoard = {116, 488, 84, 30};
constexpr int goodsDigitsX = 148;
constexpr int goodsDigits = 3;
// The super form's time: a board with a mug, and a bar that empties.
constexpr box superBoard = {212, 488, 142, 30};
constexpr box superBar = {245, 499, 100, 10}; // the fill; its trough is one pixel wider all round
// Kept free for what a run played back shows: its progress, and the direction wished. In a
// race the progress's place shows the last split, after a take-over "practice".
constexpr box replayProgress = {366, 488, 224, 30};
constexpr box wishedDirection = {600, 488, 36, 30};

// The top wall, while a run plays: what plays on the left, the viewer's keys in the middle for
// the first seconds, its speed (or "paused") on the right.
constexpr box replayLabel = {8, 4, 352, 33};
constexpr box viewerReminder = {368, 4, 256, 33};
constexpr box viewerSpeed = {632, 4, 120, 33};

// The marks picture, GFX/Misc/Marks.bmp.
constexpr box glowMark = {0, 0, 40, 40}; // behind the hero, one brick
constexpr box waitMark = {40, 0, 30, 18};
constexpr box muteMarkPicture = {70, 0, 24, 24};
constexpr box lifeMark = {94, 0, 20, 20};
constexpr box barFill = {0, 40, 100, 10};
constexpr int marksWidth = 120;
constexpr int marksHeight = 50;

// The banners picture, GFX/Misc/Banners.bmp: each in a row of its own, drawn centred on the
// middle of the maze, on the wall under the house.
constexpr box readyBanner = {0, 0, 140, 40};
constexpr box gateBanner = {0, 40, 260, 40};
constexpr int bannersWidth = 260;
constexpr int bannersHeight = 80;
constexpr int bannerCentreX = 380;
constexpr int bannerCentreY = 260;

} // namespace readingsLayout
