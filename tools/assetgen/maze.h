// The maze picture, drawn from the brick layout the game itself uses, so that what the player
// sees and what the characters bump into can never disagree.
#pragma once

#include "canvas.h"
#include "picture.h"
#include "textLook.h"

#include <mazeLayout.h>

namespace maze {

constexpr int widthPx = mazeLayout::columns * mazeLayout::brickSize; // 760
constexpr int heightPx = mazeLayout::rows * mazeLayout::brickSize;   // 520
// Radius of the straw mats in the mug corners; the mug pictures paint inside it.
constexpr double matRadiusPx = 17;

bool isWall(int x, int y); // bricks outside the grid count as wall

// Draws the maze without the gate (its posts and leaves are the gate picture's business), with
// the boards of the clock and of the readings in the bottom wall.
void drawMaze(const Canvas& canvas);
// Draws a sack of the goods and a mug on the boards of their readings.
void drawReadingIcons(const Canvas& canvas, const Picture& products, const Picture& mugs);

} // namespace maze
