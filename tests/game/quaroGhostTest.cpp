// The ghost of a run: where it is drawn in each frame of a race, and the splits against it.
#include "quaroGhost.h"
#include "demoRun.h"
#include "headlessSdl.h"
#include "quaroLettering.h"
#include "quaroPaths.h"
#include "quaroRace.h"
#include "quaroStage.h"
#include "roundInput.h"
#include "vorlanCharSprite.h"

#include <gtest/gtest.h>

namespace {

// A player who never touches a key.
class standingStill : public roundInputSource {
public:
    frameInput nextFrame(vorlanCharSprite&) override { return {}; }
};

class GhostTest : public ScreenTest {};

TEST_F(GhostTest, TheGhostStandsWhereTheRecordedHeroStoodInEveryFrameOfARace) {
    quaroStage stage(screen, assetPaths());
    quaroRound& round = stage.round();
    const quaroRecording run = demoRun();
    std::vector<pt> recorded;
    round.start(run.seed(), run.rules());
    recordedInput input(run);
    while (!round.over() && !input.finished()) {
        round.step(input);
        recorded.push_back(round.hero()->pos);
    }

    quaroLettering font;
    font.open(stage.pictureOf(quaroAssets::font));
    quaroRace race(round, font, run, quaroRound::designedLives);
    EXPECT_EQ(round.frames(), 0u) << "the race starts at the round's start";
    standingStill player;
    const pt start = round.hero()->pos;
    for (uint32_t frame = 0; frame < recorded.size() && !round.over(); ++frame) {
        round.step(player);
        const quaroGhost::place* ghost = race.ghost().at(frame);
        ASSERT_NE(ghost, nullptr) << frame;
        ASSERT_EQ(ghost->pos.x, recorded[frame].x) << frame;
        ASSERT_EQ(ghost->pos.y, recorded[frame].y) << frame;
    }
    EXPECT_EQ(race.ghost().at(uint32_t(recorded.size())), nullptr) << "gone after its last frame";
    EXPECT_EQ(round.hero()->pos.x, start.x) << "the player's hero is the player's";
}

TEST_F(GhostTest, ASplitComesWhenThePlayersProductsReachAMultipleOfTen) {
    quaroStage stage(screen, assetPaths());
    // The ghost takes a product every 10 frames: 10 products at frame 99, 20 at 199, 40 at last.
    std::vector<quaroGhost::place> path(400);
    for (size_t f = 0; f < path.size(); ++f)
        path[f].products = int((f + 1) / 10);
    quaroGhost ghost(path, *stage.round().getCast().maze);
    struct note {
        int products;
        uint32_t frame;
        bool split;
        std::string text;
    };
    const note notes[] = {
        {9, 50, false, ""},          {10, 45, true, "ahead 2"}, {10, 46, false, ""},
        {11, 60, false, ""},         {20, 210, true, "even"},   {21, 300, false, ""},
        {30, 400, true, "behind 4"}, {50, 500, true, "alone"},
    };
    for (const note& n : notes) {
        SCOPED_TRACE(std::to_string(n.products) + " at " + std::to_string(n.frame));
        const std::optional<quaroGhost::split> split = ghost.notePlayer(n.products, n.frame);
        EXPECT_EQ(bool(split), n.split);
        if (split) {
            EXPECT_EQ(split->text(), n.text);
        }
    }
    EXPECT_EQ(ghost.splits().size(), 4u);
}

} // namespace
