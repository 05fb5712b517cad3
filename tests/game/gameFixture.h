// A real maze with its props on an open 760 x 520 screen, built from the test picture set
// with a generator of a fixed seed, and characters wired to it the way the game wires them. Every
// sound an actor plays is logged under its field's name ("pickUp", "arrowTurn", ...).
#pragma once

#include "enemyCharSprite.h"
#include "gamePictures.h"
#include "headlessSdl.h"
#include "quaroCounter.h"
#include "quaroRandom.h"
#include "soundLog.h"
#include "vorlanCharSprite.h"
#include "vorlanMaze.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class GameTest : public ScreenTest {
protected:
    static constexpr unsigned seed = 1234;

    void SetUp() override;
    void TearDown() override;

    // Written once per test program.
    static const std::filesystem::path& pictureDir();
    kuImage* picture(const char* file, bool keyed);
    kuImage* sheet(gamePictures::sheet which) { return sheets[which].get(); }

    // A hero standing on (9, 3) facing up, as a round begins, with the enemies given.
    std::unique_ptr<vorlanCharSprite> makeHero(bool super = false);
    // An enemy standing on brick (x, y) with the given walk row and direction, speed 0.
    std::unique_ptr<enemyCharSprite> makeEnemy(int x, int y, int row, pt direction);
    // Puts a character on the centre of brick (x, y) facing along row, standing.
    void place(commonCharSprite& who, int x, int y, int row);
    pt centreOf(int x, int y) const;

    // The sounds played since the last call, oldest first.
    std::vector<std::string> played() { return sounds->collect(); }
    int playedCount(const std::string& name);
    // Empties every brick the test wants free of products, without drawing.
    void clearBricks(std::initializer_list<mazeLayout::brickIndex> bricks);

    SDL_Surface* screenSurface() { return screen.getSDLSurface(); }
    SDL_Surface* mazePicture() { return maze->imageFrame.image->getSDLSurface(); }
    // Whether the screen shows the untouched maze picture in the rectangle.
    bool showsMazePicture(int x, int y, int width, int height);

    std::unique_ptr<SoundLog> sounds;
    std::map<std::string, Sound*> sound;
    std::unique_ptr<kuImage> sheets[gamePictures::sheetCount];
    std::map<std::string, std::unique_ptr<kuImage>> pictures;
    quaroRandom random{seed};
    std::unique_ptr<vorlanMaze> maze;
    std::unique_ptr<quaroCounter> clock;
    enemyCharSprite* enemies[4] = {};
};

// The walk row's first frame of a character, for comparing currentAnim.
inline kuCrawlImageFrame* walkRow(commonCharSprite& who, int row) {
    return who.anims[walkSet][row];
}
inline kuCrawlImageFrame* knockOutRow(commonCharSprite& who, int row) {
    return who.anims[knockOutSet][row];
}
