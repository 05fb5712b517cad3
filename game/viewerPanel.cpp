#include "viewerPanel.h"

#include "kuScreen.h"
#include "quaroViewer.h"
#include "readingsLayout.h"
#include "vorlanMaze.h"
#include "wallPlate.h"

#include <algorithm>

const char* const viewerPanel::pausedLine = "P or Space: go on";

namespace {

using readingsLayout::box;

// The bar fills the progress's plate but for a frame around it.
constexpr int barInset = 6;
constexpr int barHeight = 10;
constexpr int markWidth = 2;

// The wished direction: a cross of four squares around a middle one.
constexpr int wishSquare = 6;

const char* const speedNames[] = {"x1/4", "x1/2", "x1", "x2", "x4", "x8"};

kuRectangle rect(int32_t x, int32_t y, int width, int height) {
    kuRectangle r;
    rectManip::init(r, x, y, uint32_t(width), uint32_t(height));
    return r;
}

} // namespace

viewerPanel::viewerPanel(kuScreen& screen, vorlanMaze& maze, quaroLettering& font,
                         std::string label)
    : screen(screen), maze(maze), font(font), label(std::move(label)) {}

std::string viewerPanel::reminderAt(uint32_t shownFrames) {
    if (shownFrames >= reminderFrames)
        return "";
    std::string lines[reminderLines];
    uint32_t named = 0;
    for (const viewerKey& key : viewerKeys)
        if (*key.words != '\0')
            lines[std::min(named++, reminderLines - 2)] = key.words;
    lines[reminderLines - 1] = "other keys: leave";
    return lines[shownFrames / reminderLineFrames];
}

void viewerPanel::showNote(std::string text, uint32_t shownFrames) {
    note = std::move(text);
    noteUntil = shownFrames + reminderLineFrames;
}

void viewerPanel::draw(const quaroViewer& viewer, uint32_t shownFrames) {
    using wallPlate::align;
    wallPlate::write(maze, screen, font, readingsLayout::replayLabel, label, align::left);
    wallPlate::write(maze, screen, font, readingsLayout::viewerSpeed,
                     viewer.paused() ? "paused" : speedNames[viewer.speed()], align::right);
    const std::string reminder = shownFrames < noteUntil ? note
                                 : viewer.paused()       ? pausedLine
                                                         : reminderAt(shownFrames);
    if (!reminder.empty())
        wallPlate::write(maze, screen, font, readingsLayout::viewerReminder, reminder,
                         align::centre);
    else
        wallPlate::clear(maze, readingsLayout::viewerReminder);
    drawBar(viewer);
    drawWish(viewer);
}

void viewerPanel::drawBar(const quaroViewer& viewer) {
    const box& place = readingsLayout::replayProgress;
    wallPlate::fill(screen, place);
    const int barX = place.x + barInset;
    const int barY = place.y + (place.height - barHeight) / 2;
    const int barWidth = place.width - 2 * barInset;
    const uint32_t total = std::max(viewer.frameCount(), 1u);
    screen.fillRect(rect(barX, barY, barWidth, barHeight), 70, 50, 30);
    const int played = int(uint64_t(barWidth) * viewer.frame() / total);
    if (played > 0)
        screen.fillRect(rect(barX, barY, played, barHeight), 236, 204, 120);
    for (const quaroViewer::mark& m : viewer.marks()) {
        const int32_t x = barX + int32_t(uint64_t(barWidth - markWidth) * m.frame / total);
        if (m.drink)
            screen.fillRect(rect(x, barY, markWidth, barHeight / 2), 80, 170, 255);
        else
            screen.fillRect(rect(x, barY + barHeight / 2, markWidth, barHeight / 2), 230, 60, 40);
    }
}

void viewerPanel::drawWish(const quaroViewer& viewer) {
    const box& place = readingsLayout::wishedDirection;
    wallPlate::fill(screen, place);
    const frameInput& wish = viewer.lastInput();
    const int32_t centreX = place.x + place.width / 2;
    const int32_t centreY = place.y + place.height / 2;
    const int32_t step = wishSquare + 1;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx != 0 && dy != 0)
                continue;
            const bool lit = (dx != 0 && dx == wish.wantedDX) || (dy != 0 && dy == wish.wantedDY);
            const int level = lit ? 250 : 90;
            screen.fillRect(rect(centreX + dx * step - wishSquare / 2,
                                 centreY + dy * step - wishSquare / 2, wishSquare, wishSquare),
                            level, lit ? 220 : 80, lit ? 120 : 60);
        }
}
