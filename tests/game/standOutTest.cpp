// The characters stand out among the goods: at the start of a round, as the ready moment shows
// it, each character's pixels differ from the eight bricks around it more than those bricks
// differ among themselves, and by more than the pictures of the earlier look managed.
#include "commonCharSprite.h"
#include "enemyCharSprite.h"
#include "kuImages.h"
#include "kuScreen.h"
#include "quaroRound.h"
#include "shellHarness.h"
#include "vorlanCharSprite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr rgb key = {220, 188, 108};
constexpr int brick = 40;

struct colour {
    double r = 0, g = 0, b = 0;
};

double distance(const rgb& a, const colour& b) {
    return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) +
                     (a.b - b.b) * (a.b - b.b));
}

// How much the character drawn at `centre` stands out: the mean colour distance of its pixels
// from the mean colour of its surroundings (the three by three bricks around it, less its
// own), over the mean distance of the surroundings' own pixels from that mean.
double standOut(SDL_Surface* screen, const commonCharSprite& who) {
    const kuCrawlImageFrame& frame = *who.currentCrawlFrame;
    SDL_Surface* sheet = frame.image->getSDLSurface();
    const pt corner = {who.pos.x - brick / 2, who.pos.y - brick / 2};
    // Held locked for all the reads: a keyed picture may be run-length encoded, and each first
    // lock would decode it whole.
    SDL_LockSurface(sheet);
    std::vector<rgb> figure, around;
    for (int y = -brick; y < 2 * brick; ++y)
        for (int x = -brick; x < 2 * brick; ++x) {
            const rgb shown = pixelAt(screen, corner.x + x, corner.y + y);
            const bool own = x >= 0 && y >= 0 && x < brick && y < brick;
            if (!own)
                around.push_back(shown);
            else if (pixelAt(sheet, frame.rect.x + x, frame.rect.y + y) != key)
                figure.push_back(shown);
        }
    SDL_UnlockSurface(sheet);
    colour mean;
    for (const rgb& c : around) {
        mean.r += c.r;
        mean.g += c.g;
        mean.b += c.b;
    }
    mean = {mean.r / around.size(), mean.g / around.size(), mean.b / around.size()};
    double figureSpread = 0, aroundSpread = 0;
    for (const rgb& c : figure)
        figureSpread += distance(c, mean);
    for (const rgb& c : around)
        aroundSpread += distance(c, mean);
    return (figureSpread / figure.size()) / (aroundSpread / around.size());
}

// At each start position, what the pictures of the earlier look gave at most over the three
// rounds below (goods as large and as dark-edged as the characters, which had no ring of light).
struct startCase {
    pt at;
    double earlierLook;
};
const startCase starts[] = {
    {{380, 140}, 1.80}, {{60, 60}, 2.41}, {{700, 60}, 2.41}, {{700, 460}, 1.56}, {{60, 460}, 2.60}};

TEST_F(ShellTest, EveryCharacterStandsOutAmongTheGoodsMoreThanBefore) {
    load();
    for (uint32_t seed : {1u, 2u, 3u}) {
        shell->round().start(seed);
        shell->round().showActors();
        std::vector<const commonCharSprite*> characters = {shell->round().hero()};
        for (const enemyCharSprite* enemy : shell->enemies)
            characters.push_back(enemy);
        for (size_t i = 0; i < characters.size(); ++i) {
            ASSERT_EQ(characters[i]->pos.x, starts[i].at.x);
            ASSERT_EQ(characters[i]->pos.y, starts[i].at.y);
            EXPECT_GT(standOut(shell->screen->getSDLSurface(), *characters[i]),
                      starts[i].earlierLook)
                << "seed " << seed << ", the character starting at " << starts[i].at.x << ","
                << starts[i].at.y;
        }
    }
}

} // namespace
