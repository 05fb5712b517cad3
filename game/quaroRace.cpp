#include "quaroRace.h"

#include "kuScreen.h"
#include "quaroLettering.h"
#include "vorlanCharSprite.h"
#include "wallPlate.h"

#include <algorithm>
#include <cstdio>

namespace {

// The table of splits after the round, over the middle of the maze.
constexpr int32_t tableLeft = 220;
constexpr int32_t tableTop = 60;
constexpr uint32_t tableWidth = 320;
constexpr int32_t tableLineHeight = 30;
constexpr int32_t tableMargin = 15;

} // namespace

quaroRace::quaroRace(quaroRound& round, quaroLettering& font, const quaroRecording& run, int lives)
    : round(round), font(font),
      theGhost(quaroGhost::trace(round, *round.getCast().screen, run), *round.getCast().maze) {
    round.start(run.seed(), quaroRules::current, lives);
    round.setOverlay(&theGhost);
}

quaroRace::~quaroRace() {
    round.setOverlay(nullptr);
}

void quaroRace::afterFrame() {
    const std::optional<quaroGhost::split> split =
        theGhost.notePlayer(round.hero()->itemCount, round.frames() - 1);
    if (!split)
        return;
    char line[32];
    std::snprintf(line, sizeof line, "%d: %s", split->products, split->text().c_str());
    wallPlate::write(*round.getCast().maze, *round.getCast().screen, font,
                     readingsLayout::replayProgress, line, wallPlate::align::centre);
    round.getCast().screen->update();
}

void quaroRace::drawSplitTable() {
    const std::vector<quaroGhost::split>& splits = theGhost.splits();
    kuRectangle box;
    const size_t lines = std::max<size_t>(splits.size(), 1);
    rectManip::init(box, tableLeft, tableTop, tableWidth,
                    uint32_t(tableLineHeight * int32_t(lines + 2)));
    round.getCast().screen->fillRect(box, 60, 34, 20);
    const int32_t x = tableLeft + tableMargin;
    font.drawText("splits", {x, tableTop + tableLineHeight / 2});
    if (splits.empty())
        font.drawText("none reached", {x, tableTop + tableLineHeight * 3 / 2});
    for (size_t i = 0; i < splits.size(); ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "%d: %s", splits[i].products, splits[i].text().c_str());
        font.drawText(font.drawable(line),
                      {x, tableTop + tableLineHeight * int32_t(i + 1) + tableLineHeight / 2});
    }
}
