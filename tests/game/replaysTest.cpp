// Recordings in the running game: a live round played back frame for frame, the runs of the
// table's rows watched with the digit keys, the menus left idle, and --replay.
#include "autopilot.h"
#include "enemyCharSprite.h"
#include "geomPrinters.h"
#include "kuScreen.h"
#include "menuInput.h"
#include "quaroCounter.h"
#include "quaroHighScore.h"
#include "quaroRunStore.h"
#include "shellHarness.h"
#include "vorlanCharSprite.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sstream>

namespace {

using ending = quaroReplays::ending;
const char* const menuPicture = "GFX/Misc/StartScreen_03.bmp";
constexpr Uint32 aDay = 24 * 3600 * 1000;

bool queueEmpty() {
    SDL_Event event;
    return peekEvents(&event, 1) == 0;
}

// The game's demonstration run: a round won by the autopilot.
quaroRecording demoRun() {
    std::string problem;
    std::optional<quaroRecording> run =
        quaroRecording::load(QUARO_ASSET_DIR "/RUN/Demo.run", problem);
    EXPECT_TRUE(run) << problem;
    return run.value_or(quaroRecording());
}

quaroRecording claimedAs(quaroRecording run, const char* name, int minutes = -1, int seconds = -1) {
    run.claim(name, minutes < 0 ? run.minutes() : minutes, seconds < 0 ? run.seconds() : seconds);
    return run;
}

class ReplaysTest : public ShellTest {
protected:
    std::string state() {
        std::ostringstream out;
        const vorlanCharSprite* hero = shell->round().hero();
        out << hero->pos << (hero->isSuper ? " super " : " ") << hero->itemCount << " "
            << shell->timeCounter->getMinutes() << ":" << shell->timeCounter->getSeconds();
        for (const enemyCharSprite* enemy : shell->enemies)
            out << " " << enemy->pos;
        return out.str();
    }

    // A live round from the clock's ticks, steered by arrow keys that change every 7 frames
    // and left with Escape after `frames` frames unless it ended before; the state after every
    // frame.
    std::vector<std::string> playLive(Uint32 ticks, unsigned keySeed, size_t frames) {
        clock.now = ticks;
        shell->initGame();
        std::mt19937 keys(keySeed);
        std::vector<std::string> trace;
        onFrame = [&](int) {
            trace.push_back(state());
            const SDLKey arrows[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};
            releaseAllKeys();
            if (trace.size() == frames)
                pressKey(SDLK_ESCAPE);
            else if (trace.size() % 7 == 0)
                pressKey(arrows[keys() % 4]);
        };
        shell->run();
        onFrame = nullptr;
        releaseAllKeys();
        dropEvents();
        return trace;
    }

    // The last live round's run, claiming the time it ended with unless another is given.
    quaroRecording lastRun(const char* name, int minutes = -1, int seconds = -1) {
        quaroRecording run = shell->replays().lastRound();
        run.claim(name, minutes < 0 ? shell->timeCounter->getMinutes() : minutes,
                  seconds < 0 ? shell->timeCounter->getSeconds() : seconds);
        return run;
    }

    // Keeps the run beside the table and enters its row.
    void keepAsRecord(const quaroRecording& run) {
        quaroRunStore("Save").keep(run);
        quaroHighScore table("Save/Highscore.hs");
        table.enterRecord(run.name().c_str(), run.minutes(), run.seconds());
        table.save();
    }
};

} // namespace

TEST_F(ReplaysTest, ALiveRoundReplaysFrameForFrameFromItsFile) {
    load();
    const std::vector<std::string> live = playLive(4242, 1, 400);
    const quaroRecording recorded = lastRun("kid");
    EXPECT_EQ(recorded.seed(), 4242u) << "seeded with the clock's ticks";
    ASSERT_EQ(recorded.frameCount(), live.size());
    ASSERT_TRUE(recorded.save("kid.run"));

    playLive(99, 2, 150); // another round leaves its own state behind
    const uint32_t secondRound = shell->replays().lastRound().frameCount();
    std::string problem;
    const std::optional<quaroRecording> loaded = quaroRecording::load("kid.run", problem);
    ASSERT_TRUE(loaded) << problem;
    std::vector<std::string> watched;
    onFrame = [&](int) { watched.push_back(state()); };
    EXPECT_EQ(shell->replays().watch(*loaded).how, ending::mismatched) << "a left round is no win";
    EXPECT_EQ(watched, live);
    EXPECT_EQ(shell->replays().lastRound().frameCount(), secondRound) << "a replay records nothing";
}

// A seed whose round the autopilot, at the keys, wins after drinking and knocking out.
constexpr Uint32 liveSeed = 7;

// The round is played at the keys by the autopilot, with a pause of the P key and one of a
// lost focus on the way; its run, through its file, plays back the same round to its end.
TEST_F(ReplaysTest, ALiveRoundWithPausesADrinkAndAKnockOutPlaysBackFromItsFile) {
    load();
    clock.now = liveSeed;
    shell->initGame();
    quaroRound& round = shell->round();
    std::vector<std::string> live;
    uint32_t framesSeen = 0;
    int pauses = 0, pausedFrames = 0;
    bool drank = false, knockedOut = false;
    onFrame = [&](int) {
        if (round.frames() == framesSeen) { // a frame of a pause
            pauses += pausedFrames == 0 ? 1 : 0;
            if (++pausedFrames == 10)
                pressKey(SDLK_p);
            return;
        }
        pausedFrames = 0;
        framesSeen = round.frames();
        live.push_back(state());
        drank = drank || round.hero()->savedAnim != nullptr;
        for (const enemyCharSprite* enemy : shell->enemies)
            knockedOut = knockedOut || enemy->koCount > 0;
        releaseAllKeys();
        if (framesSeen == 101 || framesSeen == 301)
            return; // the frame read the request: the round pauses now, until the P below
        if (framesSeen == 100) {
            pressKey(SDLK_p);
        } else if (framesSeen == 300) {
            SDL_Event focusLost = focusLostEvent();
            SDL_PushEvent(&focusLost);
        } else {
            const pt wish = autopilotWish(round);
            const SDLKey key = wish.x < 0   ? SDLK_LEFT
                               : wish.x > 0 ? SDLK_RIGHT
                               : wish.y < 0 ? SDLK_UP
                                            : SDLK_DOWN;
            pressKey(key);
        }
    };
    EXPECT_EQ(shell->run(), vorlanGameShell::roundWon);
    EXPECT_EQ(pauses, 2);
    EXPECT_TRUE(drank);
    EXPECT_TRUE(knockedOut);
    releaseAllKeys();
    dropEvents();

    const quaroRecording recorded = lastRun("kid");
    ASSERT_EQ(recorded.frameCount(), live.size());
    ASSERT_TRUE(recorded.save("kid.run"));
    std::string problem;
    const std::optional<quaroRecording> loaded = quaroRecording::load("kid.run", problem);
    ASSERT_TRUE(loaded) << problem;
    std::vector<std::string> watched;
    onFrame = [&](int) { watched.push_back(state()); };
    const quaroReplays::watchResult result = shell->replays().watch(*loaded);
    EXPECT_EQ(result.how, ending::matched);
    EXPECT_EQ(round.result(), vorlanGameShell::roundWon);
    EXPECT_EQ(result.framesPlayed, live.size());
    EXPECT_EQ(watched, live);
}

TEST_F(ReplaysTest, TheDigitKeysPlayTheRunsOfTheirRowsAndAMismatchIsSaidOnce) {
    load();
    const quaroRecording kid = claimedAs(demoRun(), "kid");
    keepAsRecord(kid);                            // row 1, its own time
    keepAsRecord(claimedAs(demoRun(), "bad", 9)); // row 2, a time its round did not end with
    shell->displayHighscore();
    shell->replays().setIdleMs(aDay); // the menu reads the clock, and the script runs there

    const std::vector<SDLKey> script = {SDLK_3, SDLK_1, SDLK_2, SDLK_2, SDLK_q};
    std::vector<uint32_t> watchedFrames(script.size());
    size_t next = 0;
    onFrame = [&](int) {
        if (shell->replays().watching())
            ++watchedFrames[next - 1];
        else if (next < script.size() && queueEmpty() && shell->menuInput->rowKey < 0)
            pressKey(script[next++]);
    };
    StdoutCapture capture;
    EXPECT_EQ(shell->menuScreen(nullptr), vorlanGameShell::choiceQuit);
    EXPECT_EQ(watchedFrames, (std::vector<uint32_t>{0, kid.frameCount(), kid.frameCount(), 0, 0}))
        << "row 3 has no run; row 2's is not offered again";
    EXPECT_EQ(capture.text(), "the run of row 2 does not match its time\n");
    SDL_Surface* table = SDL_LoadBMP("GFX/Misc/HighScore.bmp");
    EXPECT_FALSE(areasEqual(shell->screen->getSDLSurface(), 240, 362, table, 240, 362, 345, 50))
        << "and the table's screen says so";
    SDL_FreeSurface(table);
}

TEST_F(ReplaysTest, AShowsTheAssistedWinsWhoseDigitKeysPlayTheirRuns) {
    load();
    quaroRecording kid = claimedAs(demoRun(), "kid");
    kid.useAssists({60, 1});
    quaroRunStore("Save/Assisted").keep(kid); // in the assisted list only
    quaroHighScore assisted("Save/Assisted/Highscore.hs");
    assisted.enterRecord("kid", kid.minutes(), kid.seconds());
    ASSERT_TRUE(assisted.save());
    shell->displayHighscore();
    shell->replays().setIdleMs(aDay);

    const std::vector<SDLKey> script = {SDLK_1, SDLK_a, SDLK_1, SDLK_a, SDLK_1, SDLK_q};
    std::vector<uint32_t> watchedFrames(script.size());
    size_t next = 0;
    onFrame = [&](int) {
        if (shell->replays().watching())
            ++watchedFrames[next - 1];
        else if (next < script.size() && queueEmpty() && shell->menuInput->rowKey < 0 &&
                 !shell->menuInput->switchList)
            pressKey(script[next++]);
    };
    EXPECT_EQ(shell->menuScreen(nullptr), vorlanGameShell::choiceQuit);
    EXPECT_EQ(watchedFrames, (std::vector<uint32_t>{0, 0, kid.frameCount(), 0, 0, 0}))
        << "the table's row 1 has no run, the assisted list's has";
}

struct idleCase {
    bool rowRun; // the table's first row has a run; else only the data's demonstration
};

class IdleMenu : public ReplaysTest, public ::testing::WithParamInterface<idleCase> {};

TEST_P(IdleMenu, PlaysTheBestRunAfterThirtySecondsUntilAKey) {
    load();
    const std::vector<std::string> rowRound = playLive(11, 4, 200);
    if (GetParam().rowRun)
        keepAsRecord(lastRun("kid"));
    const std::vector<std::string> demoRound = playLive(12, 5, 200);
    ASSERT_TRUE(lastRun("demo").save("RUN/Demo.run"));
    shell->replays().setIdleMs(quaroReplays::idleDemoMs);

    const Uint32 menuShown = clock.now;
    Uint32 demoStarted = 0;
    std::vector<std::string> watched;
    onFrame = [&](int) {
        if (shell->replays().watching()) {
            if (watched.empty())
                demoStarted = clock.now;
            watched.push_back(state());
            if (watched.size() == 30)
                pushKeyDown(SDLK_ESCAPE); // a key that is not the viewer's
        } else if (!watched.empty() && queueEmpty()) {
            pressKey(SDLK_q);
        }
    };
    EXPECT_EQ(shell->menuScreen(menuPicture), vorlanGameShell::choiceQuit);
    EXPECT_GE(demoStarted - menuShown, quaroReplays::idleDemoMs);
    ASSERT_EQ(watched.size(), 31u) << "the frame that reads the key is the last";
    EXPECT_EQ(watched.back(), (GetParam().rowRun ? rowRound : demoRound)[30]);
    EXPECT_TRUE(screenShows(shell->screen, menuPicture)) << "the menu as it was";
}

INSTANTIATE_TEST_SUITE_P(Runs, IdleMenu, ::testing::Values(idleCase{true}, idleCase{false}));

struct fileCase {
    const char* what;
    std::function<quaroRecording(const quaroRecording& won)> made; // from a won run
    bool failed;
    const char* says;
};

class ReplayFile : public ReplaysTest, public ::testing::WithParamInterface<fileCase> {};

// Only a round won on the run's last frame, at the time it claims, matches; a name is said as
// the run's claim, with what could drive a terminal escaped.
TEST_P(ReplayFile, SaysWhetherTheRunIsWhatItClaims) {
    load();
    const quaroRecording run = GetParam().made(claimedAs(demoRun(), "kid"));
    shell->freeData();
    gameOptions options;
    options.replayFile = "tried\x1b[2J.run";
    shell->configure(options, gamePaths(), run);
    StdoutCapture capture;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(shell->checkedExec(0, nullptr));
    const std::string said = capture.text() + testing::internal::GetCapturedStderr();
    EXPECT_EQ(shell->replays().fileRunFailed(), GetParam().failed);
    EXPECT_NE(said.find(GetParam().says), std::string::npos) << said;
    EXPECT_EQ(said.find('\x1b'), std::string::npos) << "nothing reaches the terminal raw";
    EXPECT_EQ(shell->screen, nullptr) << "the data is freed again";
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReplayFile,
    ::testing::Values(
        fileCase{"won", [](const quaroRecording& won) { return won; }, false,
                 "tried\\x1b[2J.run wins its round at"},
        fileCase{"otherTime",
                 [](const quaroRecording& won) { return claimedAs(won, "kid", 59, 0); }, true,
                 ", not at 59:00"},
        fileCase{"oneFrameOfEscape",
                 [](const quaroRecording& won) {
                     quaroRecording left(won.seed(), won.rules());
                     left.add({0, 0, true, false});
                     left.claim("champion", 0, 0);
                     return left;
                 },
                 true, "the round was left at 00:00, not won"},
        fileCase{"aFrameBeyondTheWin",
                 [](const quaroRecording& won) {
                     quaroRecording longer = won;
                     longer.add({0, 0, false, false});
                     return longer;
                 },
                 true, "the round ended at"},
        fileCase{"aNameThatDrivesTheTerminal",
                 [](const quaroRecording& won) { return claimedAs(won, "\x1b[2J\a"); }, false,
                 "played by '\\x1b[2J\\x07' (a name is the run's own claim)"}),
    [](const ::testing::TestParamInfo<fileCase>& info) { return info.param.what; });
