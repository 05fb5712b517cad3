#include "gamePictures.h"

#include "kuPlatform.h"
#include "mazeLayout.h"

#include <string>

namespace gamePictures {

namespace {

constexpr int brick = mazeLayout::brickSize;
constexpr int frameSize = 40;
constexpr int sheetWidth = sheetFrames * frameSize;
constexpr int sheetHeight = 4 * frameSize;

constexpr const char* sheetFiles[sheetCount] = {
    "GFX/Quaro/Quaro_Walk.bmp",          "GFX/Quaro/Quaro_Drinking.bmp",
    "GFX/Quaro/Quaro_KnockOut.bmp",      "GFX/Quaro/Quaro_SuperWalk.bmp",
    "GFX/Quaro/Quaro_SuperDrinking.bmp", "GFX/Indian/Indian_Walk.bmp",
    "GFX/Indian/Indian_KnockOut.bmp",    "GFX/Indian/Indian_Frightened.bmp"};

bool isWall(int x, int y) {
    return mazeLayout::bricks[y / brick][x / brick] == mazeLayout::wall;
}

void write(const std::filesystem::path& root, const char* name, int width, int height,
           const std::function<rgb(int x, int y)>& paint) {
    const std::filesystem::path file = root / name;
    std::filesystem::create_directories(file.parent_path());
    writeBmp(file.string(), width, height, paint);
}

rgb characterPixel(sheet which, int x, int y) {
    const int i = x % frameSize;
    const int j = y % frameSize;
    if (i < frameMargin || j < frameMargin || i >= frameSize - frameMargin ||
        j >= frameSize - frameMargin)
        return colourKey;
    return frameColour(which, y / frameSize, x / frameSize);
}

rgb productPixel(int x) {
    for (int kind = mazeLayout::productKinds - 1; kind >= 0; --kind)
        if (x >= mazeLayout::productX[kind])
            return productColour(kind);
    return colourKey;
}

// Letters fill 26 cells of row 0, digits 10 of row 1, signs 5 of row 2; the rest is key.
rgb fontPixel(int x, int y) {
    constexpr int cellsInRow[3] = {26, 10, 5};
    const int row = y / 25;
    const int column = x / 15;
    return column < cellsInRow[row] ? glyphColour(row, column) : colourKey;
}

} // namespace

const char* sheetFile(sheet which) {
    return sheetFiles[which];
}

rgb mazeColour(int x, int y) {
    return {uint8_t(x & 0xff), uint8_t(y & 0xff), uint8_t(isWall(x, y) ? 200 : 0)};
}

rgb frameColour(sheet which, int row, int frame) {
    return {uint8_t(10 + 6 * frame), uint8_t(20 + 50 * row), uint8_t(30 + 30 * which)};
}

rgb productColour(int kind) {
    return {uint8_t(250 - 30 * kind), uint8_t(40 * kind), 100};
}

rgb mugColour(int mug, int frame) {
    return {uint8_t(40 + 50 * mug), uint8_t(20 + 20 * frame), 140};
}

rgb arrowColour(int frame) {
    return {uint8_t(10 + 30 * frame), 240, 70};
}

rgb gateColour(int half, int frame) {
    return {uint8_t(50 + 100 * half), uint8_t(25 * frame), 245};
}

rgb glyphColour(int row, int column) {
    return {uint8_t(5 + 9 * column), uint8_t(10 + 80 * row), 5};
}

void writeAll(const std::filesystem::path& root) {
    write(root, levelMapFile, mazeLayout::columns * brick, mazeLayout::rows * brick, mazeColour);
    for (int s = 0; s < sheetCount; ++s)
        write(root, sheetFiles[s], sheetWidth, sheetHeight,
              [s](int x, int y) { return characterPixel(sheet(s), x, y); });
    write(root, productsFile, 169, 40, [](int x, int) { return productPixel(x); });
    write(root, mugsFile, 400, 160,
          [](int x, int y) { return mugColour(y / frameSize, x / frameSize); });
    write(root, arrowFile, 320, 40, [](int x, int) { return arrowColour(x / frameSize); });
    write(root, gateFile, 1200, 80,
          [](int x, int y) { return gateColour(y / frameSize, x / (3 * frameSize)); });
    write(root, fontFile, 390, 75, fontPixel);
}

std::unique_ptr<kuImage> load(kuScreen& screen, const std::filesystem::path& file, bool keyed) {
    auto image = std::make_unique<kuImage>();
    image->setScreen(&screen);
    image->loadBMP(file.string().c_str());
    if (keyed) {
        kuPlatform::setColourKey(image->getSDLSurface(), colourKey.r, colourKey.g, colourKey.b);
    }
    return image;
}

} // namespace gamePictures
