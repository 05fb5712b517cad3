// The one brick layout of the maze, shared by the maze class and the asset generator so that
// the picture and the logic can never disagree. Rows are listed top to bottom as they appear
// on screen; mazeLayout[y][x] is the raw value of brick (x, y) at the start of a round.
#pragma once

namespace mazeLayout {

constexpr int columns = 19;
constexpr int rows = 13;
constexpr int brickSize = 40; // pixels on a side

// Raw brick values.
constexpr int corridor = 0;
constexpr int wall = 1;
constexpr int mug = 10;
constexpr int arrow = 11;
constexpr int house = 20;
constexpr int gateFront = 21;
constexpr int firstProduct = 100; // 100 to 105: corridor holding a product of kind value - 100

constexpr int bricks[rows][columns] = {
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    {1, 10, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 10, 1},
    {1, 0, 1, 1, 1, 0, 1, 11, 1, 1, 1, 1, 1, 0, 1, 0, 1, 0, 1},
    {1, 0, 0, 0, 0, 0, 1, 0, 21, 21, 21, 0, 1, 0, 1, 0, 1, 0, 1},
    {1, 0, 1, 1, 1, 0, 0, 0, 1, 20, 1, 0, 1, 0, 0, 0, 0, 0, 1},
    {1, 0, 0, 1, 0, 0, 1, 0, 1, 20, 1, 0, 1, 0, 1, 0, 1, 1, 1},
    {1, 1, 11, 1, 0, 1, 1, 0, 1, 1, 1, 0, 0, 0, 1, 0, 0, 0, 1},
    {1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 1, 1, 1, 0, 1},
    {1, 0, 1, 1, 1, 0, 1, 11, 1, 1, 1, 0, 1, 0, 11, 0, 0, 0, 1},
    {1, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 1, 1, 1, 0, 1},
    {1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1, 1, 0, 0, 0, 1, 0, 1},
    {1, 10, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 10, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
};

struct brickIndex {
    int x;
    int y;
};

// Props by index: mugs, arrows and the two halves of the gate.
constexpr brickIndex mugBricks[4] = {{1, 1}, {17, 1}, {17, 11}, {1, 11}};
constexpr brickIndex arrowBricks[4] = {{7, 2}, {7, 8}, {2, 6}, {14, 8}};
constexpr int arrowStartFrames[4] = {0, 0, 4, 6}; // 0 up, 2 right, 4 down, 6 left
constexpr brickIndex gateBricks[2] = {{9, 3}, {9, 4}};

// Product kinds: source rectangles in the products picture, all at y 0 and 40 high.
constexpr int productKinds = 6;
constexpr int productX[productKinds] = {0, 32, 59, 88, 103, 130};
constexpr int productWidth[productKinds] = {32, 27, 29, 15, 27, 39};
constexpr int productHeight = 40;

// Where the round's clock draws its five glyphs in the bottom wall.
constexpr int clockX = 650;
constexpr int clockY = 493;
constexpr int clockWidth = 75;
constexpr int clockHeight = 25;

} // namespace mazeLayout
