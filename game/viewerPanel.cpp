#include "viewerPanel.h"

#include "kuScreen.h"
#include "mazeLayout.h"
#include "quaroCounter.h"
#include "quaroViewer.h"
#include "vorlanMaze.h"

#include <algorithm>

namespace {

constexpr int32_t wallTextY = 8; // text in the top wall
constexpr pt labelAt = {45, mazeLayout::clockY};
constexpr uint32_t labelGlyphs = 16;
constexpr pt reminderOrigin = {45, wallTextY};
constexpr uint32_t reminderGlyphs = 37;
constexpr pt speedAt = {610, wallTextY};
constexpr uint32_t speedGlyphs = 6;

// The bar between the label and the clock.
constexpr int32_t barX = 300;
constexpr int32_t barY = mazeLayout::clockY + 8;
constexpr uint32_t barWidth = 250;
constexpr uint32_t barHeight = 10;
constexpr uint32_t markWidth = 2;

// The wished direction: a cross of four squares around a middle one, left of the clock.
constexpr int32_t wishCentreX = 600;
constexpr int32_t wishCentreY = mazeLayout::clockY + 12;
constexpr uint32_t wishSquare = 6;

const char* const speedNames[] = {"slow 4", "slow 2", "x1", "x2", "x4", "x8"};

kuRectangle rect(int32_t x, int32_t y, uint32_t width, uint32_t height) {
    kuRectangle r;
    rectManip::init(r, x, y, width, height);
    return r;
}

} // namespace

viewerPanel::viewerPanel(kuScreen& screen, vorlanMaze& maze, quaroCounter& font, std::string label)
    : screen(screen), maze(maze), font(font), label(std::move(label)) {}

std::string viewerPanel::reminderAt(uint32_t shownFrames) {
    if (shownFrames >= reminderFrames)
        return "";
    // Three of the table's keys to a line, and last what the other keys do.
    constexpr int keysPerLine = 3;
    std::string lines[reminderLines];
    int named = 0;
    for (const viewerKey& key : viewerKeys) {
        if (*key.words == '\0')
            continue;
        std::string& line = lines[std::min(named++ / keysPerLine, int(reminderLines) - 1)];
        line += (line.empty() ? "" : "  ") + std::string(key.words);
    }
    lines[reminderLines - 1] += "  others stop";
    return lines[shownFrames / reminderLineFrames];
}

void viewerPanel::draw(const quaroViewer& viewer, uint32_t shownFrames) {
    drawText(label, labelAt, labelGlyphs);
    drawText(viewer.paused() ? "paused" : speedNames[viewer.speed()], speedAt, speedGlyphs);
    if (shownFrames <= reminderFrames)
        drawText(reminderAt(shownFrames), reminderOrigin, reminderGlyphs);
    drawBar(viewer);
    drawWish(viewer);
}

void viewerPanel::drawText(const std::string& text, const pt& at, uint32_t glyphs) {
    kuRectangle area =
        rect(at.x, at.y, glyphs * quaroCounter::glyphWidth, quaroCounter::glyphHeight);
    maze.showRect(area);
    font.drawText(quaroCounter::drawable(text.substr(0, glyphs)).c_str(), at);
}

void viewerPanel::drawBar(const quaroViewer& viewer) {
    const uint32_t total = std::max(viewer.frameCount(), 1u);
    screen.fillRect(rect(barX - 1, barY - 1, barWidth + 2, barHeight + 2), 20, 14, 8);
    const uint32_t played = uint32_t(uint64_t(barWidth) * viewer.frame() / total);
    if (played > 0)
        screen.fillRect(rect(barX, barY, played, barHeight), 236, 204, 120);
    for (const quaroViewer::mark& m : viewer.marks()) {
        const int32_t x = barX + int32_t(uint64_t(barWidth - markWidth) * m.frame / total);
        if (m.drink)
            screen.fillRect(rect(x, barY, markWidth, barHeight / 2), 80, 170, 255);
        else
            screen.fillRect(rect(x, barY + int32_t(barHeight / 2), markWidth, barHeight / 2), 230,
                            60, 40);
    }
}

void viewerPanel::drawWish(const quaroViewer& viewer) {
    const frameInput& wish = viewer.lastInput();
    const int32_t step = int32_t(wishSquare) + 1;
    const int32_t reach = step + int32_t(wishSquare / 2) + 1;
    screen.fillRect(
        rect(wishCentreX - reach, wishCentreY - reach, uint32_t(2 * reach), uint32_t(2 * reach)),
        20, 14, 8);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx != 0 && dy != 0)
                continue;
            const bool lit = (dx != 0 && dx == wish.wantedDX) || (dy != 0 && dy == wish.wantedDY);
            const int level = lit ? 250 : 90;
            screen.fillRect(rect(wishCentreX + dx * step - int32_t(wishSquare / 2),
                                 wishCentreY + dy * step - int32_t(wishSquare / 2), wishSquare,
                                 wishSquare),
                            level, lit ? 220 : 80, lit ? 120 : 60);
        }
}
