// The game's pictures built for tests: the exact geometry the game cuts, with content a
// test can recognise pixel by pixel (every frame, glyph and product its own colour, the maze
// a pattern that changes with every pixel), written under a folder with the game's file
// names. No two roles share a colour, and none uses the colour key.
#pragma once

#include "headlessSdl.h"
#include "kuImages.h"

#include <filesystem>
#include <memory>

namespace gamePictures {

// Transparent in every keyed picture.
constexpr rgb colourKey = {220, 188, 108};

// File names relative to the game's working directory.
constexpr const char* levelMapFile = "GFX/Misc/Level_Map.bmp";
constexpr const char* productsFile = "GFX/Misc/Products.bmp";
constexpr const char* mugsFile = "GFX/Misc/Mugs.bmp";
constexpr const char* arrowFile = "GFX/Misc/Arrow.bmp";
constexpr const char* gateFile = "GFX/Misc/Gate.bmp";
constexpr const char* fontFile = "GFX/Misc/Font.bmp";

// The character sheets: four rows (up, down, left, right) of 22 frames of 40 pixels.
enum sheet {
    quaroWalk,
    quaroDrinking,
    quaroKnockOut,
    quaroSuperWalk,
    quaroSuperDrinking,
    indianWalk,
    indianKnockOut,
    indianFrightened,
    sheetCount
};
const char* sheetFile(sheet which);

constexpr int sheetFrames = 22;
constexpr int frameMargin = 2; // pixels of colour key around every character figure

// The maze picture: a different colour on every pixel of a brick, walls and corridors told
// apart by blue.
rgb mazeColour(int x, int y);
// The figure of a character frame; its margin is the colour key.
rgb frameColour(sheet which, int row, int frame);
rgb productColour(int kind);
rgb mugColour(int mug, int frame);
rgb arrowColour(int frame);
rgb gateColour(int half, int frame);
// row 0 letters, 1 digits, 2 signs; column i of the row.
rgb glyphColour(int row, int column);

// Writes the pictures under root, creating the folders.
void writeAll(const std::filesystem::path& root);

// Loads a picture tied to screen; a keyed one gets the game's colour key, as the game does.
std::unique_ptr<kuImage> load(kuScreen& screen, const std::filesystem::path& file, bool keyed);

} // namespace gamePictures
