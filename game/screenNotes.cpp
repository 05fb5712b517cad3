#include "screenNotes.h"

#include "mazeLayout.h"
#include "quaroLettering.h"

#include <cstdio>
#include <string>

namespace screenNotes {

// "*" is the lettering's middle dot.
const char* const tableKeys = "digits: watch * G, digit: race * A: assisted";
const char* const assistedTitle = "assisted wins * digits: watch * A: table";

namespace {

// The game-over picture's board: labels on the left, values on the right, one line each.
constexpr int32_t labelX = 458;
constexpr int32_t valueRightX = 714;
constexpr int32_t firstLineY = 236;
constexpr int32_t lineStep = 33;

// Under the table, between the menu's board and the right edge.
constexpr int32_t tableKeysCentreX = 495;
constexpr int32_t tableKeysY = 482;

// Below the record's name field, between the kid and the cactus.
constexpr int32_t saveFailureCentreX = 380;
constexpr int32_t saveFailureTop = 405;
constexpr int32_t saveFailureLineStep = 27;
constexpr int32_t saveFailureWidth = 450;

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

void writeAssistedTitle(quaroLettering& font) {
    font.drawCentred(assistedTitle, tableKeysCentreX, tableKeysY);
}

void writeSaveFailure(quaroLettering& font, const std::string& why) {
    const std::string lines[] = {"the table was not saved:", why, "press a key"};
    int32_t y = saveFailureTop;
    for (const std::string& line : lines) {
        std::string text = font.drawable(line);
        while (font.width(text) > saveFailureWidth) // a reason the system worded at length
            text.pop_back();
        font.drawCentred(text, saveFailureCentreX, y);
        y += saveFailureLineStep;
    }
}

} // namespace screenNotes
