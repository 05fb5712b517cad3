// The assists: a slower speed plays the same round, only slower; lives let a caught hero play
// on from the start with the goods kept; a round won with either never enters the table but
// the assisted list, with a run that plays back to the same end.
#include "autopilot.h"
#include "enemyCharSprite.h"
#include "geomPrinters.h"
#include "quaroCounter.h"
#include "quaroHighScore.h"
#include "quaroRunStore.h"
#include "roundInput.h"
#include "sdlScript.h"
#include "shellHarness.h"
#include "vorlanCharSprite.h"

#include <numeric>
#include <optional>

namespace {

quaroRecording demoRun() {
    std::string problem;
    const std::optional<quaroRecording> run =
        quaroRecording::load(std::string(QUARO_ASSET_DIR) + "/RUN/Demo.run", problem);
    EXPECT_TRUE(run) << problem;
    return run.value_or(quaroRecording());
}

// Where a round ended, as far as play decides it.
struct endState {
    pt hero;
    int goods;
    int minutes;
    int seconds;
    int result;
    uint32_t frames;

    bool operator==(const endState& o) const {
        return hero == o.hero && goods == o.goods && minutes == o.minutes && seconds == o.seconds &&
               result == o.result && frames == o.frames;
    }
};

std::ostream& operator<<(std::ostream& out, const endState& e) {
    return out << e.hero << " goods " << e.goods << " at " << e.minutes << ":" << e.seconds
               << " result " << e.result << " after " << e.frames << " frames";
}

endState endOf(const quaroRound& round) {
    const quaroCounter& clock = *round.getCast().timeCounter;
    return {round.hero()->pos,  round.hero()->itemCount, clock.getMinutes(),
            clock.getSeconds(), round.result(),          round.frames()};
}

void closeWindow() {
    SDL_Event event = {};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

class standStill : public roundInputSource {
public:
    frameInput nextFrame(vorlanCharSprite&) override { return {}; }
};

// The autopilot, leaving after five minutes of the round's clock.
class patientAutopilot : public roundInputSource {
public:
    explicit patientAutopilot(const quaroRound& round) : autopilot(round), round(round) {}
    frameInput nextFrame(vorlanCharSprite& hero) override {
        frameInput wish = autopilot.nextFrame(hero);
        wish.leave = round.frames() == 5 * 60 * 27;
        return wish;
    }

private:
    autopilotInput autopilot;
    const quaroRound& round;
};

} // namespace

TEST_F(ShellTest, ASlowerSpeedPlaysTheSameRoundFrameForFrameOnlySlower) {
    load();
    const quaroRecording run = demoRun();
    std::vector<endState> ends;
    std::vector<double> waitedMs;
    for (const int speed : {100, 60}) {
        quaroSettings settings;
        settings.speed = speed;
        shell->keepSettings(settings, nullptr);
        clock.delays.clear();
        shell->replays().watch(run);
        ends.push_back(endOf(shell->round()));
        waitedMs.push_back(std::accumulate(clock.delays.begin(), clock.delays.end(), 0.0));
    }
    EXPECT_EQ(ends[0], ends[1]);
    EXPECT_NEAR(waitedMs[1] / waitedMs[0], 110.0 / 66.0, 0.01) << "each frame is stretched";
    EXPECT_EQ(ends[0].result, quaroRound::roundWon);
}

class LivesTest : public ShellTest, public ::testing::WithParamInterface<int> {};

TEST_P(LivesTest, EachCatchCostsALifeAndTheLastEndsTheRound) {
    const int lives = GetParam();
    load();
    const quaroRecording demo = demoRun();
    quaroRound& round = shell->round();
    round.start(demo.seed(), quaroRules::current, lives);
    const pt start = round.hero()->pos;
    recordedInput recorded(demo);
    while (round.hero()->itemCount < 5)
        round.step(recorded);
    standStill still;
    for (int caught = 1; caught <= lives; ++caught) {
        const int taken = round.hero()->itemCount;
        const uint32_t framesBefore = round.frames();
        round.getCast().enemies[0]->pos = round.hero()->pos;
        for (int frame = 0; frame < 500 && !round.over() && round.livesLost() < caught; ++frame)
            round.step(still);
        if (caught == lives) {
            EXPECT_TRUE(round.over());
            EXPECT_EQ(round.result(), quaroRound::roundLost);
            break;
        }
        ASSERT_FALSE(round.over()) << "catch " << caught;
        EXPECT_EQ(round.livesLost(), caught);
        EXPECT_EQ(round.readings().livesLeft, lives - caught);
        EXPECT_EQ(round.hero()->pos, start);
        EXPECT_EQ(round.hero()->itemCount, taken) << "the goods taken stay taken";
        EXPECT_GT(round.frames(), framesBefore + 14) << "the knock-out is played out first";
    }
}

INSTANTIATE_TEST_SUITE_P(Lives, LivesTest, ::testing::Values(1, 2, 3));

TEST_F(ShellTest, ARunWithLivesPlaysBackToTheSameEnd) {
    load();
    quaroRound& round = shell->round();
    std::optional<quaroRecording> run;
    endState played{};
    for (uint32_t seed = 1; seed <= 40 && !run; ++seed) {
        round.start(seed, quaroRules::current, 3);
        patientAutopilot autopilot(round);
        recordingTap tap(autopilot, round);
        while (!round.over())
            round.step(tap);
        if (round.livesLost() > 0) {
            run = tap.recording();
            played = endOf(round);
        }
    }
    ASSERT_TRUE(run) << "no seed from 1 to 40 cost the autopilot a life";
    std::string problem;
    const std::vector<uint8_t> file = run->encode();
    const std::optional<quaroRecording> back =
        quaroRecording::decode(file.data(), file.size(), problem);
    ASSERT_TRUE(back) << problem;
    EXPECT_EQ(back->assistsUsed().lives, 3);
    EXPECT_EQ(playThrough(round, *back), run->frameCount());
    EXPECT_EQ(endOf(round), played);
}

TEST_F(ShellTest, AnAssistedWinLandsInTheAssistedListWithItsRunNeverInTheTable) {
    load();
    const quaroRecording demo = demoRun();
    quaroRound& round = shell->round();
    round.start(demo.seed(), demo.rules());
    recordedInput recorded(demo);
    recordingTap tap(recorded, round, 60);
    while (!round.over())
        round.step(tap);
    ASSERT_EQ(round.result(), quaroRound::roundWon);
    const endState won = endOf(round);
    shell->replays().roundRecorded(tap);
    onFrame = [](int frame) {
        const char* const typed[] = {"k", "i", "d"};
        if (frame >= 2 && frame <= 4)
            queueEvent(typedEvent(typed[frame - 2]));
        else if (frame == 5)
            closeWindow();
    };
    EXPECT_EQ(shell->checkHighscore(), vorlanGameShell::choiceQuit);

    for (int row = 0; row < quaroHighScore::rowCount; ++row)
        EXPECT_STRNE(quaroHighScore().getSlotName(row), "kid");
    const gamePaths paths;
    const quaroHighScore assisted(paths.assistedTableFile());
    EXPECT_STREQ(assisted.getSlotName(0), "kid");
    const std::string runFile = quaroRunStore(paths.assistedFolder()).runsOf(assisted)[0];
    ASSERT_FALSE(runFile.empty());
    std::string problem;
    const std::optional<quaroRecording> kept = quaroRecording::load(runFile, problem);
    ASSERT_TRUE(kept) << problem;
    EXPECT_EQ(kept->assistsUsed().speed, 60);
    playThrough(round, *kept);
    EXPECT_EQ(endOf(round), won);
}
