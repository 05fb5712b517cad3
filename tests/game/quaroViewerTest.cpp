// The viewer over the demonstration run: stepping back and forth, every speed and a
// take-over reach exactly the states that playing straight reaches.
#include "quaroViewer.h"
#include "demoRun.h"
#include "enemyCharSprite.h"
#include "geomPrinters.h"
#include "headlessSdl.h"
#include "quaroCounter.h"
#include "quaroPaths.h"
#include "quaroStage.h"
#include "roundInput.h"
#include "viewerPanel.h"
#include "vorlanCharSprite.h"
#include "watchInput.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string stateOf(const quaroRound& round) {
    std::ostringstream out;
    const vorlanCharSprite* hero = round.hero();
    const quaroCounter& clock = *round.getCast().timeCounter;
    out << "frame " << round.frames() << " hero " << hero->pos << " items " << hero->itemCount
        << " super " << round.superFramesLeft() << " clock " << clock.getMinutes() << ":"
        << clock.getSeconds() << " knock-outs " << round.knockOuts();
    for (const enemyCharSprite* enemy : round.getCast().enemies)
        out << " " << enemy->pos << "/" << enemy->koCount;
    return out.str();
}

class ViewerTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        stage = std::make_unique<quaroStage>(screen, assetPaths());
        run = demoRun();
    }
    void TearDown() override {
        stage.reset();
        ScreenTest::TearDown();
    }
    // The state after the run's first `frames` frames, played straight.
    std::string straight(uint32_t frames) {
        quaroRound& round = stage->round();
        round.start(run.seed(), run.rules());
        recordedInput input(run);
        while (round.frames() < frames && !round.over() && !input.finished())
            round.step(input);
        return stateOf(round);
    }

    std::unique_ptr<quaroStage> stage;
    quaroRecording run;
};

TEST_F(ViewerTest, SteppingBackThenForwardLandsWhereStraightPlayDoes) {
    const uint32_t at = 900;
    const std::string expected = straight(at);
    quaroViewer viewer(stage->round(), run, screen);
    viewer.seek(at + 40);
    viewer.act(viewerAction::pause);
    for (int i = 0; i < 60; ++i)
        viewer.act(viewerAction::stepBack);
    for (int i = 0; i < 20; ++i)
        viewer.act(viewerAction::stepForward);
    EXPECT_EQ(viewer.frame(), at);
    EXPECT_EQ(stateOf(stage->round()), expected);
    viewer.act(viewerAction::restart);
    EXPECT_EQ(stateOf(stage->round()), straight(0));
}

TEST_F(ViewerTest, EverySpeedEndsOnTheSameFinalState) {
    const std::string expected = straight(run.frameCount());
    for (int speed = 0; speed < int(quaroViewer::speedQuarters.size()); ++speed) {
        SCOPED_TRACE(speed);
        quaroViewer viewer(stage->round(), run, screen);
        while (viewer.speed() < speed)
            viewer.act(viewerAction::faster);
        while (viewer.speed() > speed)
            viewer.act(viewerAction::slower);
        uint32_t ticks = 0;
        while (!viewer.finished())
            viewer.tick(), ++ticks;
        EXPECT_EQ(stateOf(stage->round()), expected);
        const uint32_t perTick = uint32_t(quaroViewer::speedQuarters[size_t(speed)]);
        EXPECT_EQ(ticks, (run.frameCount() * 4 + perTick - 1) / perTick);
    }
}

TEST_F(ViewerTest, ATakeOverStartsFromTheExactStateOfItsFrame) {
    quaroViewer viewer(stage->round(), run, screen);
    for (int i = 0; i < 300; ++i)
        viewer.tick();
    viewer.act(viewerAction::takeOver);
    EXPECT_TRUE(viewer.takeOverAsked());
    const std::string atTakeOver = stateOf(stage->round());
    EXPECT_EQ(atTakeOver, straight(300));
}

TEST_F(ViewerTest, TheBarsMarksAreWhereTheHeroDrankAndKnockedOutlawsOut) {
    quaroViewer viewer(stage->round(), run, screen);
    int drinks = 0, knockOuts = 0;
    for (const quaroViewer::mark& m : viewer.marks())
        (m.drink ? drinks : knockOuts) += 1;
    straight(run.frameCount());
    EXPECT_EQ(knockOuts, stage->round().knockOuts());
    EXPECT_GE(drinks, 1) << "the demonstration's hero drinks";
    EXPECT_EQ(viewer.frame(), 0u) << "the viewer starts at the run's start";
}

TEST(ViewerKeysTest, EachKeyHasItsActionAndTheReminderNamesThemThenHides) {
    const std::pair<SDLKey, viewerAction> keys[] = {
        {SDLK_SPACE, viewerAction::pause},       {SDLK_p, viewerAction::pause},
        {SDLK_RIGHT, viewerAction::stepForward}, {SDLK_LEFT, viewerAction::stepBack},
        {SDLK_PLUS, viewerAction::faster},       {SDLK_KP_PLUS, viewerAction::faster},
        {SDLK_MINUS, viewerAction::slower},      {SDLK_HOME, viewerAction::restart},
        {SDLK_t, viewerAction::takeOver},        {SDLK_c, viewerAction::copyLink},
        {SDLK_ESCAPE, viewerAction::none},       {SDLK_q, viewerAction::none},
    };
    for (const auto& [key, action] : keys)
        EXPECT_EQ(viewerActionOf(key), action) << key;
    const char* const lines[viewerPanel::reminderLines] = {
        "P or Space: pause", "Right, Left: step", "+, -: speed",      "Home: start again",
        "T: take over",      "C: copy link",      "other keys: leave"};
    for (uint32_t line = 0; line < viewerPanel::reminderLines; ++line)
        EXPECT_EQ(viewerPanel::reminderAt(line * viewerPanel::reminderLineFrames), lines[line]);
    EXPECT_EQ(viewerPanel::reminderAt(viewerPanel::reminderFrames - 1), lines[6]);
    EXPECT_EQ(viewerPanel::reminderAt(viewerPanel::reminderFrames), "");
}

TEST(WatchInputTest, ShiftBeforeEqualsActsAsPlusAndOtherKeysStop) {
    struct press {
        SDLKey key;
        bool stops;
        std::vector<viewerAction> queued;
    };
    const press presses[] = {
        {SDLK_LSHIFT, false, {}}, {SDLK_EQUALS, false, {viewerAction::faster}}, {SDLK_x, true, {}}};
    WatchInputHandler input;
    for (const press& p : presses) {
        SDL_Event event = {};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = p.key;
        input.activate();
        input.handleEvent(&event);
        EXPECT_EQ(input.stop, p.stops) << p.key;
        EXPECT_EQ(input.takeActions(), p.queued) << p.key;
    }
}

} // namespace
