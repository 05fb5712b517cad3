#include "screenNotes.h"

#include "mazeLayout.h"
#include "quaroLettering.h"

#include <cstdio>
#include <string>

namespace screenNotes {

// "*" is the lettering's middle dot.
const char* const tableKeys = "1 to 9, 0: watch a run * G and a digit: race";

namespace {

// The game-over picture's board: labels on the left, values on the right, one line each.
constexpr int32_t labelX = 458;
constexpr int32_t valueRightX = 714;
constexpr int32_t firstLineY = 236;
constexpr int32_t lineStep = 33;

// Under the table, between the menu's board and the right edge.
constexpr int32_t tableKeysCentreX = 495;
constexpr int32_t tableKeysY = 482;

void writeLine(quaroLettering& font, int32_t y, const std::string& label,
               const std::string& value) {
    font.drawText(label, {labelX, y});
    font.drawText(value, {valueRightX - font.width(value), y});
}

int productsInMaze() {
    int products = 0;
    for (const auto& row : mazeLayout::bricks)
        for (int brick : row)
            products += brick == mazeLayout::corridor;
    return products;
}

} // namespace

void writeLostRound(quaroLettering& font, const lostRound& round) {
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d", round.minutes, round.seconds);
    writeLine(font, firstLineY, "your time", time);
    writeLine(font, firstLineY + lineStep, "goods taken",
              std::to_string(round.goodsTaken) + "/" + std::to_string(productsInMaze()));
}

void writeTableKeys(quaroLettering& font) {
    font.drawCentred(tableKeys, tableKeysCentreX, tableKeysY);
}

} // namespace screenNotes
