#include "vorlanMaze.h"

#include "kuAudio.h"
#include "kuScreen.h"
#include "quaroArrowSprites.h"
#include "quaroCupSprites.h"
#include "quaroGate.h"
#include "quaroRandom.h"

namespace {

int signOf(int value) {
    return value > 0 ? 1 : (value < 0 ? -1 : 0);
}

constexpr int mugRowHeight = 40; // pixels between the rows of the mugs picture
constexpr int gateRowHeight = 40;

} // namespace

void playIfSet(Sound* sound) {
    if (sound != nullptr)
        sound->play();
}

vorlanMaze::vorlanMaze(quaroRandom& random)
    : cupTurn(0), arrowTurn(0), items{}, bricks{}, gateSound(nullptr), random(&random) {
    reInit();
}

// The props' types are complete here, so the owning pointers can delete them.
vorlanMaze::~vorlanMaze() = default;

void vorlanMaze::initItems(kuImage* image) {
    for (int kind = 0; kind < mazeLayout::productKinds; ++kind) {
        items[kind].image = image;
        rectManip::init(items[kind].rect, mazeLayout::productX[kind], 0,
                        uint32_t(mazeLayout::productWidth[kind]),
                        uint32_t(mazeLayout::productHeight));
    }
}

void vorlanMaze::initCups(kuImage* image) {
    for (int i = 0; i < cupCount; ++i) {
        cups[i] = std::make_unique<quaroCupSprites>();
        cups[i]->init(image, mugRowHeight * i);
        const mazeLayout::brickIndex& brick = mazeLayout::mugBricks[i];
        brickIndexToPos(brick.x, brick.y, cups[i]->pos);
    }
}

void vorlanMaze::initArrows(kuImage* image, Sound* sound) {
    for (int i = 0; i < arrowCount; ++i) {
        arrows[i] = std::make_unique<quaroArrowSprites>();
        arrows[i]->init(image, mazeLayout::arrowStartFrames[i]);
        arrows[i]->restart(mazeLayout::arrowStartFrames[i], *random);
        arrows[i]->turnSound = sound;
    }
    for (int i = 0; i < arrowCount; ++i) {
        const mazeLayout::brickIndex& brick = mazeLayout::arrowBricks[i];
        brickIndexToPos(brick.x, brick.y, arrows[i]->pos);
    }
}

void vorlanMaze::initGate(kuImage* image, Sound* sound) {
    gateSound = sound;
    for (int i = 0; i < gateCount; ++i) {
        gates[i] = std::make_unique<quaroGate>();
        gates[i]->setScreen(screen);
        gates[i]->init(image, gateRowHeight * i);
        gates[i]->mazeFrame = &imageFrame;
    }
    for (int i = 0; i < gateCount; ++i) {
        const mazeLayout::brickIndex& brick = mazeLayout::gateBricks[i];
        brickIndexToPos(brick.x, brick.y, gates[i]->pos);
    }
}

// A round follows from its seed alone (a recording holds nothing else of the maze), so nothing
// may carry over from the round before: products left, arrow phases and the turn counters are
// all set afresh here.
void vorlanMaze::reInit() {
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            bricks[x][y] = mazeLayout::bricks[y][x];
    placeItems(mazeLayout::productKinds);
    cupTurn = 0;
    arrowTurn = 0;
    for (auto& cup : cups)
        if (cup)
            cup->frameIndex = 0;
    for (int i = 0; i < arrowCount; ++i)
        if (arrows[i])
            arrows[i]->restart(mazeLayout::arrowStartFrames[i], *random);
    for (auto& gate : gates)
        if (gate)
            gate->frameIndex = 0;
}

void vorlanMaze::placeItems(int kinds) {
    if (kinds < 1 || kinds > mazeLayout::productKinds)
        kuE::kuRaiseBug("Number of product kinds out of range in vorlanMaze::placeItems!");
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            if (bricks[x][y] == mazeLayout::corridor)
                bricks[x][y] = mazeLayout::firstProduct + random->below(uint32_t(kinds));
}

void vorlanMaze::brickIndexToPos(int x, int y, pt& out) const {
    out.x = brickSize * x + brickSize / 2;
    out.y = brickSize * y + brickSize / 2;
}

void vorlanMaze::brickPosToIndex(const pt& pos, int& x, int& y) const {
    x = pos.x / brickSize;
    y = pos.y / brickSize;
    if (!inGrid(x, y))
        kuE::kuRaiseBug("Index out of range in vorlanMaze::brickPosToIndex!");
}

int vorlanMaze::getBrickValue(const pt& pos) const {
    int x, y;
    brickPosToIndex(pos, x, y);
    return bricks[x][y];
}

mazePoint vorlanMaze::getBrickMeaning(const pt& pos) const {
    int x, y;
    brickPosToIndex(pos, x, y);
    return getBrickMeaning(x, y);
}

mazePoint vorlanMaze::getBrickMeaning(int x, int y) const {
    return brickValueToMeaning(rawAt(x, y), x, y);
}

mazePoint vorlanMaze::brickValueToMeaning(int value, int x, int y) const {
    switch (value) {
    case mazeLayout::corridor:
        return mpEmpty;
    case mazeLayout::mug:
        return mpCup;
    case mazeLayout::house:
        return mpHouse;
    case mazeLayout::gateFront:
        return mpGateFront;
    case mazeLayout::arrow: {
        pt centre;
        brickIndexToPos(x, y, centre);
        for (const auto& arrow : arrows) {
            if (!arrow || !pointManip::isEqual(arrow->pos, centre))
                continue;
            switch (arrow->frameIndex) {
            case quaroArrowSprites::frameUp:
                return mpArrowUp;
            case quaroArrowSprites::frameRight:
                return mpArrowRight;
            case quaroArrowSprites::frameDown:
                return mpArrowDown;
            case quaroArrowSprites::frameLeft:
                return mpArrowLeft;
            default:
                return mpEmpty;
            }
        }
        return mpEmpty;
    }
    default:
        break;
    }
    if (value >= mazeLayout::firstProduct &&
        value < mazeLayout::firstProduct + mazeLayout::productKinds)
        return mpItem;
    return mpWall;
}

mazePoint vorlanMaze::hasObstacle(const pt& pos, const pt& delta, pt& centre) const {
    int x, y;
    brickPosToIndex(pos, x, y);
    if (delta.x != 0) {
        const int s = signOf(delta.x);
        if (rawAt(x + s, y) == mazeLayout::corridor)
            return mpEmpty;
        brickIndexToPos(x, y, centre);
        if (s * centre.x > s * pos.x)
            return mpEmpty;
        return getBrickMeaning(x + s, y);
    }
    if (delta.y != 0) {
        const int s = signOf(delta.y);
        if (rawAt(x, y + s) == mazeLayout::corridor)
            return mpEmpty;
        brickIndexToPos(x, y, centre);
        if (s * centre.y > s * pos.y)
            return mpEmpty;
        return getBrickMeaning(x, y + s);
    }
    return mpEmpty;
}

mazePoint vorlanMaze::hasJunction(const pt& pos, const pt& delta, int dx, int dy,
                                  pt& centre) const {
    int x, y;
    brickPosToIndex(pos, x, y);
    if (delta.x != 0) {
        if (rawAt(x, y + dy) == mazeLayout::wall)
            return mpWall;
        brickIndexToPos(x, y, centre);
        const int s = signOf(delta.x);
        const bool passed = s * (pos.x - delta.x) <= s * centre.x && s * centre.x <= s * pos.x;
        return passed ? getBrickMeaning(x, y + dy) : mpWall;
    }
    if (delta.y != 0) {
        if (rawAt(x + dx, y) == mazeLayout::wall)
            return mpWall;
        brickIndexToPos(x, y, centre);
        const int s = signOf(delta.y);
        const bool passed = s * (pos.y - delta.y) <= s * centre.y && s * centre.y <= s * pos.y;
        return passed ? getBrickMeaning(x + dx, y) : mpWall;
    }
    if (rawAt(x + dx, y + dy) == mazeLayout::wall)
        return mpWall;
    brickIndexToPos(x, y, centre);
    if (!pointManip::isEqual(pos, centre))
        return mpWall;
    return getBrickMeaning(x + dx, y + dy);
}

void vorlanMaze::removePosItem(const pt& pos) {
    int x, y;
    brickPosToIndex(pos, x, y);
    removeIndexedItem(x, y);
}

void vorlanMaze::removeItem(const pt& pos, const pt& delta) {
    int x, y;
    brickPosToIndex(pos, x, y);
    if (delta.x != 0)
        removeIndexedItem(x + signOf(delta.x), y);
    else if (delta.y != 0)
        removeIndexedItem(x, y + signOf(delta.y));
}

void vorlanMaze::removeIndexedItem(int x, int y) {
    if (!inGrid(x, y))
        return;
    bricks[x][y] = mazeLayout::corridor;
    kuRectangle square;
    rectManip::init(square, brickSize * x, brickSize * y, brickSize, brickSize);
    showRect(square);
}

void vorlanMaze::showItem(int x, int y) {
    if (!inGrid(x, y))
        return;
    const int kind = bricks[x][y] - mazeLayout::firstProduct;
    if (kind < 0 || kind >= mazeLayout::productKinds)
        return;
    const kuImageFrame& item = items[kind];
    if (item.image == nullptr)
        kuE::kuRaiseBug("pointer image is NULL in kuImageFrame::displayCentered");
    pt centre;
    brickIndexToPos(x, y, centre);
    item.image->display(
        item.rect, rectManip::position(centredRect(centre, item.rect.width, item.rect.height)));
}

void vorlanMaze::checkShowItem(int x, int y) {
    switch (getBrickMeaning(x, y)) {
    case mpItem:
        showItem(x, y);
        break;
    case mpCup:
        showCupIndex(x, y);
        break;
    case mpArrowUp:
    case mpArrowDown:
    case mpArrowLeft:
    case mpArrowRight:
        showArrowIndex(x, y);
        break;
    default:
        break;
    }
}

void vorlanMaze::showCup(int i) {
    if (cups[i])
        cups[i]->show();
}

void vorlanMaze::showArrow(int i) {
    if (arrows[i])
        arrows[i]->show();
}

void vorlanMaze::showGate(int n) {
    if (n < 1 || n > gateCount || !gates[n - 1])
        return;
    gates[n - 1]->show();
}

void vorlanMaze::showCupIndex(int x, int y) {
    for (int i = 0; i < cupCount; ++i)
        if (mazeLayout::mugBricks[i].x == x && mazeLayout::mugBricks[i].y == y)
            showCup(i);
}

void vorlanMaze::showArrowIndex(int x, int y) {
    for (int i = 0; i < arrowCount; ++i)
        if (mazeLayout::arrowBricks[i].x == x && mazeLayout::arrowBricks[i].y == y)
            showArrow(i);
}

void vorlanMaze::openGate() {
    for (auto& gate : gates) {
        if (!gate)
            continue;
        gate->frameIndex = 1;
        gate->show();
    }
    playIfSet(gateSound);
}

bool vorlanMaze::isGateOpen() const {
    return gates[0] && gates[0]->frameIndex == gateOpenFrame;
}

int vorlanMaze::productsLeft() const {
    int left = 0;
    for (const auto& column : bricks)
        for (int value : column)
            left += value >= mazeLayout::firstProduct &&
                    value < mazeLayout::firstProduct + mazeLayout::productKinds;
    return left;
}

bool vorlanMaze::isGateClosed() const {
    return !gates[0] || gates[0]->frameIndex == 0;
}

void vorlanMaze::show() {
    if (screen == nullptr)
        kuE::kuRaiseBug("No screen assigned in kuImageSprite::show!");
    imageFrame.display(pos);
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            checkShowItem(x, y);
    showGate(2);
    showGate(1);
}

void vorlanMaze::act() {
    cupTurn = (cupTurn + 1) % cupCount;
    arrowTurn = (arrowTurn + 1) % arrowCount;
    if (cups[cupTurn])
        cups[cupTurn]->act();
    quaroArrowSprites* arrow = arrows[arrowTurn].get();
    if (arrow != nullptr && arrow->actShouldShow()) {
        drawBackground(centredRect(arrow->pos, brickSize, brickSize));
        arrow->show();
    }
    const mazeLayout::brickIndex& mugBrick = mazeLayout::mugBricks[cupTurn];
    checkShowItem(mugBrick.x, mugBrick.y);
    if (gates[0] && gates[0]->frameIndex >= 1 && gates[0]->frameIndex < gateOpenFrame) {
        for (auto& gate : gates)
            if (gate)
                ++gate->frameIndex;
        showGate(1);
        showGate(2);
    }
}

void vorlanMaze::showRect(kuRectangle& rect) {
    drawBackground(rect);
    int x, y;
    brickPosToIndex(rectManip::position(rect), x, y);
    checkShowItem(x, y);
    if (rect.x != brickSize * x)
        checkShowItem(x + 1, y);
    else if (rect.y != brickSize * y)
        checkShowItem(x, y + 1);
}

void vorlanMaze::showCenteredSizePos(const sz& size, const pt& centre) {
    kuRectangle rect = centredRect(centre, size.width, size.height);
    showRect(rect);
}

void vorlanMaze::showArea(const kuRectangle& rect) {
    drawBackground(rect);
    const int right = (rect.x + int32_t(rect.width) - 1) / brickSize;
    const int bottom = (rect.y + int32_t(rect.height) - 1) / brickSize;
    for (int x = rect.x / brickSize; x <= right; ++x)
        for (int y = rect.y / brickSize; y <= bottom; ++y)
            checkShowItem(x, y);
}

void vorlanMaze::drawBackground(const kuRectangle& area) {
    if (imageFrame.image == nullptr)
        kuE::kuRaiseBug("pointer image is NULL in kuImageFrame::display");
    imageFrame.image->display(area, rectManip::position(area));
}
