// The ready moment before a round: left alone it lasts its frames with the banner up and the
// actors in place, and nothing of the round runs meanwhile; a steering key pressed ends it at
// once, one held since the menu does not, other keys do not, Escape does, P does and pauses
// the round's first step; and a round played after it is the round played without it, frame
// for frame and in its recording.
#include "readyMoment.h"
#include "enemyCharSprite.h"
#include "geomPrinters.h"
#include "kuImages.h"
#include "kuScreen.h"
#include "quaroCounter.h"
#include "quaroRandom.h"
#include "readingsLayout.h"
#include "shellHarness.h"
#include "vorlanCharSprite.h"
#include "vorlanInput.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

constexpr uint32_t seed = 5;

class ReadyTest : public ShellTest {
protected:
    void startRound() {
        load();
        startRound(seed);
    }
    using ShellTest::startRound;

    // Whether the banner's place differs from what the round showed there before it.
    bool bannerShown() {
        const kuRectangle area = bannerArea();
        return !areasEqual(shell->screen->getSDLSurface(), area.x, area.y,
                           roundPicture.getSDLSurface(), 0, 0, int(area.width), int(area.height));
    }
    void keepRoundPicture() {
        roundPicture.setScreen(shell->screen);
        roundPicture.grab(bannerArea());
    }
    static kuRectangle bannerArea() {
        return centredRect({readingsLayout::bannerCentreX, readingsLayout::bannerCentreY},
                           readingsLayout::readyBanner.width, readingsLayout::readyBanner.height);
    }
    kuImage roundPicture;
};

TEST_F(ReadyTest, LeftAloneItLastsItsFramesAndTheRoundDoesNotRun) {
    startRound();
    quaroRound& round = shell->round();
    const quaroRandom randomBefore = round.random();
    const pt heroAt = round.hero()->pos;
    const pt outlawAt = shell->enemies[1]->pos;
    keepRoundPicture();
    int bannerFrames = 0;
    onFrame = [&](int) { bannerFrames += bannerShown(); };
    frames = 0;
    EXPECT_EQ(shell->getReady(), readyMoment::frames);
    EXPECT_EQ(frames, readyMoment::frames);
    EXPECT_EQ(bannerFrames, readyMoment::frames) << "the banner stays up while it waits";
    EXPECT_FALSE(bannerShown()) << "and is gone when the first frame comes";
    EXPECT_EQ(round.frames(), 0u);
    EXPECT_EQ(round.hero()->pos, heroAt);
    EXPECT_EQ(shell->enemies[1]->pos, outlawAt);
    EXPECT_EQ(shell->timeCounter->getSeconds(), 0);
    EXPECT_EQ(shell->timeCounter->frameTicks, 25) << "the clock has not started";
    quaroRandom after = round.random(), before = randomBefore;
    EXPECT_EQ(after.next(), before.next()) << "nothing was drawn from the round's stream";
}

struct keyCase {
    SDLKey key;
    bool ends;
    bool leaves;
    SDLKey heldBefore = SDLK_UNKNOWN; // held since the menu, as s that started the round
};

class ReadyKeys : public ReadyTest, public ::testing::WithParamInterface<keyCase> {};

TEST_P(ReadyKeys, ASteeringKeyEndsItAtOnceAndEscapeLeaves) {
    const keyCase c = GetParam();
    constexpr int pressedAt = 5;
    startRound();
    holdKey(c.heldBefore);
    onFrame = [&](int frame) {
        if (frame == pressedAt)
            pressKey(c.key);
    };
    frames = 0;
    EXPECT_EQ(shell->getReady(), c.ends ? pressedAt : readyMoment::frames);
    EXPECT_EQ(shell->playInput->quit, c.leaves);
    EXPECT_EQ(shell->playInput->pauseRequested, c.key == SDLK_p) << "P pauses the first step";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ReadyKeys,
    ::testing::Values(keyCase{SDLK_UP, true, false}, keyCase{SDLK_LEFT, true, false},
                      keyCase{SDLK_d, true, false}, keyCase{SDLK_s, true, false},
                      keyCase{SDLK_ESCAPE, true, true}, keyCase{SDLK_p, true, false},
                      keyCase{SDLK_SPACE, true, false}, keyCase{SDLK_x, false, false},
                      keyCase{SDLK_x, false, false, SDLK_s}));

// The same keys held from the same frames of the round, with or without the moment before it.
class ReadyReplay : public ReadyTest {
protected:
    struct played {
        quaroRecording run;
        pt hero;
        std::vector<pt> outlaws;
        int minutes, seconds, result;
    };

    played play(bool ready) {
        startRound();
        // The round's frame from which each key is held; it skips the moment when it comes.
        const std::map<uint32_t, SDLKey> keys = {
            {0, SDLK_LEFT}, {40, SDLK_DOWN}, {90, SDLK_RIGHT}, {160, SDLK_UP}, {230, SDLK_LEFT}};
        uint32_t applied = UINT32_MAX;
        const auto hold = [&] {
            const uint32_t frame = shell->round().frames();
            const auto key = keys.find(frame);
            if (key == keys.end() || applied == frame)
                return;
            applied = frame;
            releaseAllKeys();
            pressKey(key->second);
        };
        if (ready) {
            onFrame = [&](int read) {
                if (read == 8)
                    hold(); // the player steers while the banner is up
            };
            shell->getReady();
        } else {
            hold();
        }
        onFrame = [&](int) {
            hold();
            if (shell->round().frames() == 300)
                shell->playInput->quit = true;
        };
        const int result = shell->run();
        played out{shell->replays().lastRound(),     shell->round().hero()->pos,       {},
                   shell->timeCounter->getMinutes(), shell->timeCounter->getSeconds(), result};
        for (const enemyCharSprite* enemy : shell->enemies)
            out.outlaws.push_back(enemy->pos);
        releaseAllKeys();
        dropEvents();
        shell->freeData();
        return out;
    }
};

TEST_F(ReadyReplay, ARoundPlaysTheSameWithOrWithoutTheMomentBeforeIt) {
    const played without = play(false);
    const played with = play(true);
    EXPECT_EQ(with.run.frameCount(), without.run.frameCount());
    for (uint32_t f = 0; f < without.run.frameCount(); ++f) {
        ASSERT_EQ(with.run.frame(f).wantedDX, without.run.frame(f).wantedDX) << "frame " << f;
        ASSERT_EQ(with.run.frame(f).wantedDY, without.run.frame(f).wantedDY) << "frame " << f;
    }
    EXPECT_EQ(with.hero, without.hero);
    EXPECT_EQ(with.outlaws, without.outlaws);
    EXPECT_EQ(with.minutes, without.minutes);
    EXPECT_EQ(with.seconds, without.seconds);
    EXPECT_EQ(with.result, without.result);
}

} // namespace
