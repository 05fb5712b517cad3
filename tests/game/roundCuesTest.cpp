// What a round shows of its events, over the game's demonstration round: the glow of the super
// form's last three seconds, exactly then and never pulsing faster than three times a second
// (steady with reduced flashing); the outlaws frightened exactly while the hero is super; the
// gate's banner for two seconds from the opening; the wait mark exactly while an arrow blocks
// the hero, gone without a trace.
#include "roundCues.h"
#include "enemyCharSprite.h"
#include "kuImages.h"
#include "kuScreen.h"
#include "quaroRound.h"
#include "roundInput.h"
#include "shellHarness.h"
#include "vorlanCharSprite.h"
#include "vorlanMaze.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int framesPerSecond = 1000 / 66; // frames that start within a second, 15
constexpr int mostPulsesPerSecond = 3;

struct frameSeen {
    uint32_t frame;
    int32_t superLeft; // while the super form runs down, else 0
    bool glowing;
    bool bannerShown;
    bool gateClosed;
    bool blocked;
    bool waitMark;
    bool super;
    bool outlawsFrightened;
};

class CuesTest : public ShellTest {
protected:
    std::vector<frameSeen> playDemo(bool steady) {
        std::string problem;
        const std::optional<quaroRecording> run =
            quaroRecording::load(std::string(QUARO_ASSET_DIR) + "/RUN/Demo.run", problem);
        EXPECT_TRUE(run) << problem;
        std::vector<frameSeen> seen;
        if (!run)
            return seen;
        load();
        quaroRound& round = shell->round();
        const roundCues& cues = *round.getCast().cues;
        round.getCast().cues->setReducedFlashing(steady);
        round.start(run->seed(), run->rules());
        recordedInput recorded(*run);
        while (!round.over() && !recorded.finished()) {
            round.step(recorded);
            const vorlanCharSprite* hero = round.hero();
            const bool runningDown = hero->isSuper && hero->savedAnim == nullptr;
            bool frightened = true;
            for (const enemyCharSprite* enemy : shell->enemies)
                frightened = frightened && enemy->frightened;
            seen.push_back({round.frames(), runningDown ? round.superFramesLeft() : 0,
                            cues.glowing(), cues.bannerShown(), shell->maze->isGateClosed(),
                            hero->blockedByArrow, cues.waitMarkShown(), hero->isSuper, frightened});
            if (lastMarkShown && !cues.waitMarkShown())
                markGoneCleanly.push_back(drawnAsTheMazeAndActorsDrawIt(lastMarkPlace));
            lastMarkShown = cues.waitMarkShown();
            lastMarkPlace = cues.waitMarkPlace();
        }
        return seen;
    }

    // The screen in the area is what the maze and the actors draw there now: drawing them
    // again changes nothing.
    bool drawnAsTheMazeAndActorsDrawIt(const kuRectangle& area) {
        kuImage before;
        before.setScreen(shell->screen);
        before.grab(area);
        shell->maze->showArea(area);
        shell->round().showActors();
        return areasEqual(shell->screen->getSDLSurface(), area.x, area.y, before.getSDLSurface(), 0,
                          0, int(area.width), int(area.height));
    }

    bool lastMarkShown = false;
    kuRectangle lastMarkPlace = {};
    std::vector<bool> markGoneCleanly;
};

class GlowTest : public CuesTest, public ::testing::WithParamInterface<bool> {};

TEST_P(GlowTest, GlowsInTheLastThreeSecondsOfTheSuperFormOnlyAndNeverTooFast) {
    const bool steady = GetParam();
    const std::vector<frameSeen> seen = playDemo(steady);
    int glowFrames = 0, cues = 0;
    int lastOnset = -1000;
    bool before = false;
    for (size_t i = 0; i < seen.size(); ++i) {
        const frameSeen& f = seen[i];
        const bool inLastSeconds = f.superLeft > 0 && f.superLeft <= roundCues::cueFrames;
        if (f.glowing) {
            EXPECT_TRUE(inLastSeconds) << "frame " << f.frame << ", " << f.superLeft << " left";
            ++glowFrames;
        }
        if (steady) {
            EXPECT_EQ(f.glowing, inLastSeconds) << "frame " << f.frame;
        }
        if (f.glowing && !before) {
            EXPECT_GE(int(i) - lastOnset, framesPerSecond / mostPulsesPerSecond)
                << "a pulse at frame " << f.frame << " comes too soon after the last";
            lastOnset = int(i);
        }
        cues +=
            f.superLeft == roundCues::cueFrames && (i == 0 || seen[i - 1].superLeft != f.superLeft);
        before = f.glowing;
    }
    ASSERT_GT(cues, 0) << "the demonstration's super form runs out";
    EXPECT_EQ(roundCues::cueFrames, 3 * 1000 / 66) << "three seconds at 66 ms a frame";
    if (steady)
        EXPECT_EQ(glowFrames, cues * roundCues::cueFrames);
    else
        EXPECT_GE(glowFrames, cues * roundCues::cueFrames / 2);
}

INSTANTIATE_TEST_SUITE_P(Flashing, GlowTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "steady" : "pulsing";
                         });

TEST_F(CuesTest, TheOutlawsLookFrightenedExactlyWhileTheHeroIsSuper) {
    int superFrames = 0;
    for (const frameSeen& f : playDemo(false)) {
        EXPECT_EQ(f.outlawsFrightened, f.super) << "frame " << f.frame;
        superFrames += f.super;
    }
    EXPECT_GT(superFrames, 0);
}

TEST_F(CuesTest, TheBannerShowsForTwoSecondsFromTheGatesOpening) {
    const std::vector<frameSeen> seen = playDemo(false);
    size_t opened = seen.size();
    for (size_t i = 0; i < seen.size() && opened == seen.size(); ++i)
        if (!seen[i].gateClosed)
            opened = i;
    ASSERT_LT(opened, seen.size()) << "the demonstration opens the gate";
    int shown = 0;
    for (size_t i = 0; i < seen.size(); ++i) {
        const bool during = i >= opened && i < opened + roundCues::bannerFrames;
        EXPECT_EQ(seen[i].bannerShown, during) << "frame " << seen[i].frame;
        shown += seen[i].bannerShown;
    }
    EXPECT_EQ(shown, 2 * 1000 / 66);
}

TEST_F(CuesTest, TheWaitMarkShowsExactlyWhileAnArrowBlocksTheHeroAndLeavesNoTrace) {
    int blocked = 0;
    for (const frameSeen& f : playDemo(false)) {
        EXPECT_EQ(f.waitMark, f.blocked) << "frame " << f.frame;
        blocked += f.blocked;
    }
    EXPECT_GT(blocked, 0) << "the demonstration walks against an arrow";
    ASSERT_FALSE(markGoneCleanly.empty());
    for (bool clean : markGoneCleanly)
        EXPECT_TRUE(clean) << "the wait mark left a trace";
}

} // namespace
