#include "autopilot.h"

#include "enemyCharSprite.h"
#include "mazeLayout.h"
#include "vorlanCharSprite.h"
#include "vorlanMaze.h"

#include <array>
#include <deque>

namespace {

constexpr int columns = mazeLayout::columns;
constexpr int rows = mazeLayout::rows;
constexpr int brickSize = mazeLayout::brickSize;
// Tried in this order, so that ties always break the same way.
constexpr pt steps[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
// With fewer frames of super form left than this, the outlaws are to be avoided again.
constexpr int32_t superMarginFrames = 40;
constexpr pt house = {9, 4};         // the brick behind the gate
constexpr int dangerBricksAhead = 2; // of a walking outlaw, kept clear of

using grid = std::array<std::array<bool, rows>, columns>;

bool inGrid(const pt& b) {
    return b.x >= 0 && b.x < columns && b.y >= 0 && b.y < rows;
}

pt brickOf(const pt& pos) {
    return {pos.x / brickSize, pos.y / brickSize};
}

// The brick where the hero decides next: the one ahead once it has passed its brick's middle.
pt decisionBrick(const vorlanCharSprite& hero) {
    pt b = brickOf(hero.pos);
    if (hero.speed == 0)
        return b;
    const pt middle = {b.x * brickSize + brickSize / 2, b.y * brickSize + brickSize / 2};
    const int past =
        (hero.pos.x - middle.x) * hero.direction.x + (hero.pos.y - middle.y) * hero.direction.y;
    if (past > 0)
        b = {b.x + hero.direction.x, b.y + hero.direction.y};
    return b;
}

grid walkable(const vorlanMaze& maze) {
    grid open{};
    const bool gateOpen = maze.isGateOpen();
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y) {
            const mazePoint what = maze.getBrickMeaning(x, y);
            open[size_t(x)][size_t(y)] = what != mpWall && (what != mpHouse || gateOpen);
        }
    return open;
}

bool isTarget(const vorlanMaze& maze, const pt& b) {
    if (maze.isGateOpen())
        return b.x == house.x && b.y == house.y;
    const mazePoint what = maze.getBrickMeaning(b.x, b.y);
    return what == mpItem || what == mpCup;
}

// The first step from `from` on a shortest way to a target over the open bricks, or (0, 0).
pt firstStep(const vorlanMaze& maze, const grid& open, const pt& from) {
    std::array<std::array<pt, rows>, columns> firstOf{};
    std::array<std::array<bool, rows>, columns> seen{};
    std::deque<pt> queue = {from};
    seen[size_t(from.x)][size_t(from.y)] = true;
    while (!queue.empty()) {
        const pt b = queue.front();
        queue.pop_front();
        if (isTarget(maze, b) && !(b.x == from.x && b.y == from.y))
            return firstOf[size_t(b.x)][size_t(b.y)];
        for (const pt& step : steps) {
            const pt next = {b.x + step.x, b.y + step.y};
            if (!inGrid(next) || seen[size_t(next.x)][size_t(next.y)] ||
                !open[size_t(next.x)][size_t(next.y)])
                continue;
            seen[size_t(next.x)][size_t(next.y)] = true;
            firstOf[size_t(next.x)][size_t(next.y)] =
                b.x == from.x && b.y == from.y ? step : firstOf[size_t(b.x)][size_t(b.y)];
            queue.push_back(next);
        }
    }
    return {0, 0};
}

} // namespace

pt autopilotWish(const quaroRound& round) {
    const vorlanCharSprite& hero = *round.hero();
    const vorlanMaze& maze = *round.getCast().maze;
    const pt from = decisionBrick(hero);
    if (!inGrid(from))
        return {0, 0};
    const pt at = brickOf(hero.pos);
    if ((from.x != at.x || from.y != at.y) && isTarget(maze, from))
        return hero.direction; // on its way to pick it up
    grid open = walkable(maze);
    const bool fearless = hero.isSuper && round.superFramesLeft() > superMarginFrames;
    grid safe = open;
    for (const enemyCharSprite* enemy : round.getCast().enemies) {
        if (fearless || enemy->koCount != 0)
            continue;
        // Its brick and the next ones it walks into.
        pt b = brickOf(enemy->pos);
        for (int ahead = 0;
             ahead <= dangerBricksAhead && inGrid(b) && open[size_t(b.x)][size_t(b.y)]; ++ahead) {
            safe[size_t(b.x)][size_t(b.y)] = false;
            b = {b.x + enemy->direction.x, b.y + enemy->direction.y};
        }
    }
    pt step = firstStep(maze, safe, from);
    if (step.x == 0 && step.y == 0)
        step = firstStep(maze, open, from); // no safe way: the shortest one
    return step;
}

frameInput autopilotInput::nextFrame(vorlanCharSprite&) {
    const pt wish = autopilotWish(round);
    frameInput input;
    input.wantedDX = wish.x;
    input.wantedDY = wish.y;
    input.leave = leaveAtFrame != 0 && round.frames() == leaveAtFrame;
    return input;
}
