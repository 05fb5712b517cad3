#include "quaroGhost.h"

#include "kuScreen.h"
#include "quaroRecording.h"
#include "roundInput.h"
#include "vorlanCharSprite.h"
#include "vorlanMaze.h"

#include <cstdlib>

std::vector<quaroGhost::place> quaroGhost::trace(quaroRound& round, kuScreen& screen,
                                                 const quaroRecording& run) {
    std::vector<place> path;
    path.reserve(run.frameCount());
    screen.setHidden(true);
    round.start(run.seed(), run.rules(), run.assistsUsed().lives);
    recordedInput recorded(run);
    while (!round.over() && !recorded.finished()) {
        round.step(recorded);
        const vorlanCharSprite& hero = *round.hero();
        place here;
        here.pos = hero.pos;
        if (hero.currentCrawlFrame != nullptr)
            here.picture = *hero.currentCrawlFrame;
        here.products = hero.itemCount;
        path.push_back(here);
    }
    screen.setHidden(false);
    return path;
}

int quaroGhost::split::secondsBehind() const {
    const int frames = int(playerFrame) - int(ghostFrame.value_or(playerFrame));
    const int perSecond = int(quaroRecording::framesPerClockSecond);
    // Rounded to the nearest second, halves away from zero.
    return (frames + (frames < 0 ? -perSecond / 2 : perSecond / 2)) / perSecond;
}

std::string quaroGhost::split::text() const {
    if (!ghostFrame)
        return "alone";
    const int behind = secondsBehind();
    if (behind == 0)
        return "even";
    return (behind > 0 ? "behind " : "ahead ") + std::to_string(std::abs(behind));
}

quaroGhost::quaroGhost(std::vector<place> traced, vorlanMaze& maze)
    : path(std::move(traced)), maze(maze) {
    for (place& p : path) {
        if (p.picture.image == nullptr)
            continue;
        std::unique_ptr<kuImage>& copy = translucent[p.picture.image];
        if (!copy) {
            copy = std::make_unique<kuImage>();
            copy->copyTranslucent(*p.picture.image, opacity);
        }
        p.picture.image = copy.get();
    }
}

void quaroGhost::erase() {
    if (drawn)
        maze.showRect(*drawn);
    drawn.reset();
}

void quaroGhost::show(uint32_t frame) {
    const place* here = at(frame);
    if (here == nullptr || here->picture.image == nullptr)
        return;
    here->picture.displayCentered(here->pos);
    drawn = centredRect(here->pos, here->picture.rect.width, here->picture.rect.height);
}

const quaroGhost::place* quaroGhost::at(uint32_t frame) const {
    return frame < path.size() ? &path[frame] : nullptr;
}

std::optional<quaroGhost::split> quaroGhost::notePlayer(int products, uint32_t frame) {
    const int reached = products / splitEvery * splitEvery;
    const int last = taken.empty() ? 0 : taken.back().products;
    if (reached <= last)
        return std::nullopt;
    split now;
    now.products = reached;
    now.playerFrame = frame;
    for (uint32_t f = 0; f < path.size(); ++f)
        if (path[f].products >= reached) {
            now.ghostFrame = f;
            break;
        }
    taken.push_back(now);
    return now;
}
