// The playing field: 19 x 13 bricks of 40 pixels covering the screen, what lies on each
// brick, the movement questions of the characters, and the drawing of the background
// picture, the products and the props. The maze stays at (0, 0), so a point of its picture
// and the same point of the screen coincide.
#pragma once

#include "kuImageSprite.h"
#include "mazeLayout.h"

#include <memory>

class Sound;
class quaroRandom;
class quaroCupSprites;
class quaroArrowSprites;
class quaroGate;

// What a brick means to a moving character.
enum mazePoint {
    mpEmpty = 0,
    mpWall = 1,
    mpItem = 2,
    mpCup = 4,
    mpArrowUp = 5,
    mpArrowDown = 6,
    mpArrowLeft = 7,
    mpArrowRight = 8,
    mpHouse = 10,
    mpGateFront = 11,
};

// Plays the sound when one is set: actors built without sounds stay silent.
void playIfSet(Sound* sound);

class vorlanMaze : public kuImageSprite, public BackgroundSprite {
public:
    static constexpr int columns = mazeLayout::columns;
    static constexpr int rows = mazeLayout::rows;
    static constexpr int brickSize = mazeLayout::brickSize;
    static constexpr int cupCount = 4;
    static constexpr int arrowCount = 4;
    static constexpr int gateCount = 2;
    static constexpr int gateOpenFrame = 9;

    // Writes the layout and places a product drawn from random (not owned, it outlives the
    // maze) on every corridor brick. Every later draw of the maze and its arrows comes from it.
    explicit vorlanMaze(quaroRandom& random);
    ~vorlanMaze() override;
    vorlanMaze(const vorlanMaze&) = delete;
    vorlanMaze& operator=(const vorlanMaze&) = delete;

    // The six product frames all cut from image (not owned).
    void initItems(kuImage* image);
    // Create and place the props, which the maze then owns; the pictures and the sound stay
    // the caller's. Called once, after setScreen, setImage and initItems.
    void initCups(kuImage* image);
    void initArrows(kuImage* image, Sound* sound);
    void initGate(kuImage* image, Sound* sound);

    // Puts the maze as a round finds it, from the generator alone, without drawing anything:
    // every corridor brick gets a fresh product (also those nobody took), the mugs come back,
    // the gate closes, the arrows stand idle in their first directions with fresh timers, and
    // the mugs and arrows are tended from the first again.
    void reInit();
    // Puts a product of a kind below `kinds`, drawn from the generator, on every brick whose
    // raw value is 0, x outer and y inner.
    void placeItems(int kinds);

    void brickIndexToPos(int x, int y, pt& out) const;
    // Truncates toward zero; raises when the brick lies outside the grid, after storing it.
    void brickPosToIndex(const pt& pos, int& x, int& y) const;
    int getBrickValue(const pt& pos) const;
    mazePoint getBrickMeaning(const pt& pos) const;
    // Bricks outside the grid mean a wall.
    mazePoint getBrickMeaning(int x, int y) const;
    mazePoint brickValueToMeaning(int value, int x, int y) const;

    // What stands in the way of a character at pos that has just moved by delta. The brick
    // ahead counts once pos has reached the middle of its own brick; centre receives that
    // middle, except when mpEmpty is answered before it is needed.
    mazePoint hasObstacle(const pt& pos, const pt& delta, pt& centre) const;
    // Whether a character at pos that has just moved by delta may turn towards (dx, dy):
    // mpWall means no. centre receives the centre of its brick unless the side is a wall.
    mazePoint hasJunction(const pt& pos, const pt& delta, int dx, int dy, pt& centre) const;

    // Empty a brick and redraw its square on screen.
    void removePosItem(const pt& pos);
    void removeItem(const pt& pos, const pt& delta);
    void removeIndexedItem(int x, int y);

    // Draw what lies on a brick over what is on screen; nothing for bricks outside the grid.
    void showItem(int x, int y);
    void checkShowItem(int x, int y);

    void showCup(int i);
    void showArrow(int i);
    // 1 shows gate 0, 2 gate 1, anything else nothing.
    void showGate(int n);
    void showCupIndex(int x, int y);
    void showArrowIndex(int x, int y);
    // Starts the gate's opening over nine frames and plays the gate sound.
    void openGate();
    bool isGateOpen() const;
    // The products still lying in the maze.
    int productsLeft() const;
    // True until openGate, and again after reInit.
    bool isGateClosed() const;

    // Draws the picture at the origin, every brick's contents and the gate.
    void show() override;
    // Tends one mug and one arrow and advances an opening gate.
    void act() override;
    using kuImageSprite::erase;
    // Restores the picture inside rect and the contents of at most two bricks under it.
    void showRect(kuRectangle& rect) override;
    virtual void showCenteredSizePos(const sz& size, const pt& centre);
    // Restores the picture inside rect and the contents of every brick it touches, for areas
    // of any size (a banner, a mark beside a character).
    void showArea(const kuRectangle& rect);

    std::unique_ptr<quaroCupSprites> cups[cupCount];
    int cupTurn;
    std::unique_ptr<quaroArrowSprites> arrows[arrowCount];
    int arrowTurn;
    std::unique_ptr<quaroGate> gates[gateCount];
    kuImageFrame items[mazeLayout::productKinds];
    int bricks[columns][rows]; // [x][y]
    Sound* gateSound;          // not owned
    quaroRandom* random;       // not owned

private:
    static bool inGrid(int x, int y) { return x >= 0 && x < columns && y >= 0 && y < rows; }
    // The raw value, with everything outside the grid a wall.
    int rawAt(int x, int y) const { return inGrid(x, y) ? bricks[x][y] : mazeLayout::wall; }
    void drawBackground(const kuRectangle& area);
};
