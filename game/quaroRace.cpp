#include "quaroRace.h"

#include "kuScreen.h"
#include "mazeLayout.h"
#include "quaroCounter.h"
#include "vorlanCharSprite.h"
#include "vorlanMaze.h"

#include <algorithm>
#include <cstdio>

namespace {

// The split's place in the bottom wall, left of the clock: "behind 12" at most.
constexpr int splitGlyphs = 9;
constexpr pt splitOrigin = {mazeLayout::clockX - (splitGlyphs + 1) * quaroCounter::glyphWidth,
                            mazeLayout::clockY};
// The table of splits after the round, over the middle of the maze.
constexpr int32_t tableLeft = 220;
constexpr int32_t tableTop = 60;
constexpr uint32_t tableWidth = 320;
constexpr int32_t tableLineHeight = 30;

} // namespace

quaroRace::quaroRace(quaroRound& round, quaroCounter& font, const quaroRecording& run)
    : round(round), font(font),
      theGhost(quaroGhost::trace(round, *round.getCast().screen, run), *round.getCast().maze) {
    round.start(run.seed());
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
    kuRectangle area;
    rectManip::init(area, splitOrigin.x, splitOrigin.y, splitGlyphs * quaroCounter::glyphWidth,
                    quaroCounter::glyphHeight);
    round.getCast().maze->showRect(area);
    font.drawText(quaroCounter::drawable(split->text()).c_str(), splitOrigin);
    round.getCast().screen->update();
}

void quaroRace::drawSplitTable() {
    const std::vector<quaroGhost::split>& splits = theGhost.splits();
    kuRectangle box;
    const size_t lines = std::max<size_t>(splits.size(), 1);
    rectManip::init(box, tableLeft, tableTop, tableWidth,
                    uint32_t(tableLineHeight * int32_t(lines + 2)));
    round.getCast().screen->fillRect(box, 60, 34, 20);
    const int32_t x = tableLeft + quaroCounter::glyphWidth;
    font.drawText("splits", {x, tableTop + tableLineHeight / 2});
    if (splits.empty())
        font.drawText("none reached", {x, tableTop + tableLineHeight * 3 / 2});
    for (size_t i = 0; i < splits.size(); ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "%3d  %s", splits[i].products, splits[i].text().c_str());
        font.drawText(quaroCounter::drawable(line).c_str(),
                      {x, tableTop + tableLineHeight * int32_t(i + 1) + tableLineHeight / 2});
    }
}
