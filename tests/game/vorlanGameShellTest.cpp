#include "enemyCharSprite.h"
#include "enterInput.h"
#include "geomPrinters.h"
#include "introInput.h"
#include "kuScreen.h"
#include "menuInput.h"
#include "quaroCounter.h"
#include "quaroHighScore.h"
#include "readyMoment.h"
#include "sdlScript.h"
#include "shellHarness.h"
#include "vorlanCharSprite.h"
#include "vorlanInput.h"
#include "vorlanMaze.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const pt heroStart = {380, 140};
// A round's start reads the clock once for its seed, before its first frame.
constexpr int roundStartRead = 1;
// A round started from the menus reads it as many times more in the ready moment, left alone.
constexpr int readyEndRead = roundStartRead + readyMoment::frames;

} // namespace

// The first title shows before the rest loads, and a key pressed meanwhile goes on from it:
// the event filter the title sets would empty the queue the first time it is set.
TEST_F(ShellTest, AKeyPressedWhileTheRestLoadsGoesOnFromTheFirstTitle) {
    removeEventFilter(); // as when the program starts
    shell->loadData();
    EXPECT_TRUE(screenShows(shell->screen, "GFX/Misc/StartScreen_01.bmp"));
    pushKeyDown(SDLK_SPACE);
    shell->introInput->activate(); // as the title does
    shell->introInput->pollEvents();
    EXPECT_TRUE(shell->introInput->proceed);
}

TEST_F(ShellTest, TheWholeFlowRunsFromTheFirstTitleToTheCredits) {
    // Any key leaves the titles; q held quits from the menu. Opening the screen resets the
    // keyboard, so q is held once the menu reads the clock, which a menu that may go idle does
    // as it waits; this one would go idle only after a day.
    shell->replays().setIdleMs(24 * 3600 * 1000);
    onFrame = [](int) { holdKey(SDLK_q); };
    EventFeeder keyPresses;
    bool creditsShown = false;
    Uint32 creditsMs = 0; // the menu's own waits for events do not count
    clock.onDelay = [&](Uint32 milliseconds) {
        creditsShown = screenShows(shell->screen, "GFX/Misc/Credits.bmp");
        creditsMs += creditsShown ? milliseconds : 0;
    };
    StdoutCapture capture;
    char name[] = "quaro";
    char* argv[] = {name, nullptr};
    shell->checkedExec(1, argv);
    EXPECT_EQ(capture.text(), "") << "no error escaped";
    EXPECT_EQ(creditsMs, 4000u) << "the credits stay four seconds";
    EXPECT_TRUE(creditsShown);
    EXPECT_EQ(shell->screen, nullptr) << "everything was freed";
    EXPECT_EQ(shell->maze, nullptr);
    EXPECT_EQ(shell->audio, nullptr);
}

TEST_F(ShellTest, AQuitOnATitleOnlyEndsThatTitle) {
    load();
    {
        EventFeeder windowCloses(SDL_QUIT);
        EXPECT_EQ(shell->titleScreen("GFX/Misc/StartScreen_01.bmp"), 0);
    }
    {
        EventFeeder keyPresses;
        EXPECT_EQ(shell->titleScreen("GFX/Misc/StartScreen_02.bmp"), 1);
    }
    EXPECT_TRUE(screenShows(shell->screen, "GFX/Misc/StartScreen_02.bmp"));
    EventFeeder windowCloses(SDL_QUIT);
    EXPECT_EQ(shell->menuScreen("GFX/Misc/StartScreen_03.bmp"), vorlanGameShell::choiceQuit)
        << "on a menu the window close quits";
}

// Keys pressed and released while the game was busy (drawing the table, looking for runs)
// wait in the queue, and the menu acts on them once it shows. A menu that missed them would
// look for events until the scripted clock gives up.
TEST_F(ShellTest, MenuChoosesByTheKeysPressedWhileTheGameWasBusy) {
    load();
    shell->replays().setIdleMs(24 * 3600 * 1000);
    clock.maxReads = 1000;
    shell->introInput->activate(); // as the first title screen does
    const struct {
        std::vector<SDLKey> pressed;
        const char* picture;
        int choice;
    } cases[] = {
        {{SDLK_s}, "GFX/Misc/StartScreen_03.bmp", vorlanGameShell::choiceStart},
        {{SDLK_x, SDLK_h}, nullptr, vorlanGameShell::choiceHighscore},
        {{SDLK_ESCAPE}, "GFX/Misc/StartScreen_03.bmp", vorlanGameShell::choiceQuit},
        {{SDLK_h, SDLK_s}, nullptr, vorlanGameShell::choiceHighscore},
    };
    for (const auto& c : cases) {
        clock.reads = 0;
        for (SDLKey key : c.pressed)
            pushKeyDown(key); // and released long ago: nothing is held
        EXPECT_EQ(shell->menuScreen(c.picture), c.choice) << c.pressed.back();
        if (c.picture != nullptr) {
            EXPECT_TRUE(screenShows(shell->screen, c.picture));
        }
        dropEvents();
    }
}

TEST_F(ShellTest, ACaughtHeroEndsTheRoundAfterFiftyNineFramesOnTheGameOverMenu) {
    load();
    EventFeeder keyPresses;
    int caughtInFrame = 0;
    onFrame = [&](int frame) {
        if (frame <= readyEndRead)
            return; // no hero yet, or no frame
        if (frame == readyEndRead + 1) {
            parkEnemies(*shell);
            shell->enemies[2]->pos = shell->round().hero()->pos; // the hero meets it in frame 2
        }
        if (caughtInFrame == 0 && shell->round().hero()->koCount > 0)
            caughtInFrame = frame;
        if (shell->round().hero()->koCount > 14)
            holdKey(SDLK_q); // for the menu that follows the round
    };
    EXPECT_EQ(shell->playMenus(vorlanGameShell::choiceStart), vorlanGameShell::choiceQuit);
    EXPECT_EQ(caughtInFrame, readyEndRead + 2);
    EXPECT_EQ(frames, readyEndRead + 2 + 58);
    // The picture, with the round's time and goods written on its board.
    SDL_Surface* picture = SDL_LoadBMP("GFX/Misc/GameOver.bmp");
    ASSERT_NE(picture, nullptr);
    SDL_Surface* canvas = shell->screen->getSDLSurface();
    constexpr int boardTop = 224, boardBottom = 302;
    EXPECT_TRUE(areasEqual(canvas, 0, 0, picture, 0, 0, picture->w, boardTop));
    EXPECT_TRUE(areasEqual(canvas, 0, boardBottom, picture, 0, boardBottom, picture->w,
                           picture->h - boardBottom));
    EXPECT_FALSE(
        areasEqual(canvas, 0, boardTop, picture, 0, boardTop, picture->w, boardBottom - boardTop));
    SDL_FreeSurface(picture);
}

TEST_F(ShellTest, AnEscapeEndsTheRoundAfterTheFrameThatReadIt) {
    load();
    pt enemyBefore = {};
    onFrame = [&](int frame) {
        if (frame == 5) {
            pressKey(SDLK_ESCAPE);
            enemyBefore = shell->enemies[0]->pos;
        }
    };
    EXPECT_EQ(playRound(), vorlanGameShell::roundLeft);
    EXPECT_EQ(frames, 6);
    EXPECT_NE(shell->enemies[0]->pos, enemyBefore) << "the last frame still moved the actors";
}

TEST_F(ShellTest, TheSuperFormLastsFromTheEndOfADrinkAndADrinkInItStartsItAfresh) {
    load();
    shell->initGame();
    parkEnemies(*shell);
    vorlanCharSprite* hero = shell->normalYou;
    hero->pos = brickCentre(2, 1); // walking left into the mug at (1, 1)
    hero->currentAnim = hero->anims[walkSet][rowLeft];
    hero->direction = {-1, 0};
    hero->wantedDX = -1;

    int superFrom = 0, normalAgainAt = 0, secondDrinkFrom = 0, secondDrinkEnd = 0;
    int32_t timerWhenDrinkBegan = 0;
    onFrame = [&](int frame) {
        if (superFrom == 0 && shell->round().hero() == shell->superYou) {
            superFrom = frame;
            EXPECT_EQ(shell->round().superFramesLeft(), 249)
                << "counted down in the frame it began";
        }
        if (superFrom != 0 && frame == superFrom + 100) {
            // Off to the mug at (17, 1), drunk in super form.
            vorlanCharSprite* super = shell->superYou;
            super->pos = brickCentre(16, 1);
            super->currentAnim = super->anims[walkSet][rowRight];
            super->direction = {1, 0};
            super->wantedDX = 1;
            super->wantedDY = 0;
        }
        if (secondDrinkFrom == 0 && superFrom != 0 && shell->round().hero()->savedAnim != nullptr) {
            secondDrinkFrom = frame;
            timerWhenDrinkBegan = shell->round().superFramesLeft();
        }
        if (secondDrinkFrom != 0 && secondDrinkEnd == 0) {
            if (shell->round().hero()->savedAnim != nullptr)
                EXPECT_EQ(shell->round().superFramesLeft(), timerWhenDrinkBegan)
                    << "frozen while drinking";
            else
                secondDrinkEnd = frame;
        }
        if (normalAgainAt == 0 && superFrom != 0 && shell->round().hero() == shell->normalYou) {
            normalAgainAt = frame;
            pressKey(SDLK_ESCAPE);
        }
    };
    shell->run();
    ASSERT_NE(superFrom, 0);
    ASSERT_NE(secondDrinkFrom, 0);
    EXPECT_EQ(shell->round().hero(), shell->normalYou);
    // The timer restarts in the frame after the drink ends, and the super form then lasts
    // 249 frames.
    EXPECT_EQ(normalAgainAt, secondDrinkEnd + 1 + 249);
}

TEST_F(ShellTest, SwitchingFormsKeepsTheHeroWhereAndHowItWas) {
    load();
    shell->initGame();
    vorlanCharSprite* normal = shell->normalYou;
    normal->pos = {220, 61};
    normal->oldPos = {220, 58};
    normal->direction = {0, 1};
    normal->speed = 32;
    normal->currentAnim = normal->anims[walkSet][rowDown];
    normal->setCurrentFrame(4);
    normal->wantedDX = 1;
    normal->itemCount = 17;

    shell->round().makeSuper();
    vorlanCharSprite* super = shell->superYou;
    EXPECT_EQ(shell->round().hero(), super);
    EXPECT_EQ(super->pos, (pt{220, 61}));
    EXPECT_EQ(super->direction, (pt{0, 1}));
    EXPECT_EQ(super->currentAnim, super->anims[walkSet][rowDown]);
    EXPECT_EQ(super->getCurrentFrame(), 4);
    EXPECT_EQ(super->itemCount, 17);
    EXPECT_EQ(super->wantedDX, 1);

    super->pos = {223, 61};
    shell->round().makeNormal();
    EXPECT_EQ(shell->round().hero(), normal);
    EXPECT_EQ(normal->pos, (pt{223, 61}));
    EXPECT_EQ(normal->currentAnim, normal->anims[walkSet][rowDown]);
}

TEST_F(ShellTest, RoundsInARowReuseTheSameObjects) {
    load();
    EventFeeder keyPresses;
    vorlanMaze* const maze = shell->maze;
    enemyCharSprite* const enemy = shell->enemies[0];
    quaroCounter* const counter = shell->timeCounter;
    int rounds = 0;
    onFrame = [&](int frame) {
        EXPECT_EQ(shell->maze, maze);
        EXPECT_EQ(shell->enemies[0], enemy);
        EXPECT_EQ(shell->timeCounter, counter);
        if (frame == roundStartRead + 1) {
            ++rounds;
            EXPECT_EQ(shell->round().hero()->itemCount, 0);
        }
        if (frame == 30 + rounds) {
            pressKey(SDLK_ESCAPE);
        } else if (shell->playInput->quit) {
            releaseAllKeys();
            dropEvents(); // an Escape the feeder queued after the round's last look
            holdKey(rounds < 3 ? SDLK_s : SDLK_q); // for the menu after the round
            frames = 0;
        }
    };
    EXPECT_EQ(shell->playMenus(vorlanGameShell::choiceStart), vorlanGameShell::choiceQuit);
    EXPECT_EQ(rounds, 3);
    EXPECT_TRUE(screenShows(shell->screen, "GFX/Misc/StartScreen_03.bmp"));
}

TEST_F(ShellTest, EveryRoundStartsFromTheSamePlaces) {
    load();
    onFrame = [&](int frame) {
        if (frame == 40)
            pressKey(SDLK_ESCAPE);
    };
    playRound();
    releaseAllKeys();
    shell->initGame();
    EXPECT_EQ(shell->round().hero(), shell->normalYou);
    EXPECT_EQ(shell->round().hero()->pos, heroStart);
    EXPECT_EQ(shell->round().hero()->currentAnim, shell->round().hero()->anims[walkSet][rowUp]);
    EXPECT_EQ(shell->round().hero()->direction, (pt{0, -1}));
    EXPECT_EQ(shell->enemies[1]->pos, brickCentre(17, 1));
    EXPECT_EQ(shell->enemies[1]->wantedDX, -1);
    EXPECT_EQ(shell->enemies[3]->currentAnim, shell->enemies[3]->anims[walkSet][rowRight]);
    EXPECT_EQ(shell->timeCounter->getMinutes(), 0);
    EXPECT_EQ(shell->timeCounter->getSeconds(), 0);
    EXPECT_FALSE(shell->playInput->quit);
}

TEST_F(ShellTest, FramesStartSixtySixMillisecondsAfterTheStartOfThePreviousWait) {
    const Uint32 workMs = 8;
    clock.now = 1000;
    std::vector<Uint32> starts;
    for (int i = 0; i < 5; ++i) {
        shell->waitFrame();
        starts.push_back(clock.now);
        clock.now += workMs;
    }
    // A frame that waits is followed by one that starts at once: two frames take 66 + 8.
    EXPECT_EQ(starts, (std::vector<Uint32>{1000, 1066, 1074, 1140, 1148}));
}

TEST_F(ShellTest, AWrappedTickCounterNeverBecomesALongSleep) {
    shell->nextFrameTime = 55; // the deadline lies just past the wrap
    clock.now = UINT32_MAX - 5;
    shell->waitFrame();
    EXPECT_EQ(clock.delays, (std::vector<Uint32>{61}));
    EXPECT_EQ(shell->nextFrameTime, 60u);

    clock.delays.clear();
    shell->nextFrameTime = 0; // a deadline far behind a counter past half its range
    clock.now = 0x90000000u;
    shell->waitFrame();
    EXPECT_TRUE(clock.delays.empty());
    EXPECT_EQ(shell->nextFrameTime, 0x90000000u + 66);
}

TEST_F(ShellTest, AMissingPictureEndsTheRunWithTheLoadError) {
    std::filesystem::remove(folder->path() / "GFX");
    std::filesystem::create_directories(folder->path() / "GFX");
    StdoutCapture capture;
    shell->checkedExec(0, nullptr);
    const std::string report = capture.text();
    EXPECT_EQ(report.rfind("Caught exception\nGeneric exception of type: FileLoad raised: ", 0), 0u)
        << report;
    EXPECT_EQ(shell->maze, nullptr) << "nothing was built past the failure";
}

// A hero caught in the very frame its drink ends stays caught: no super form, and the round
// is lost when the fall is over.
TEST_F(ShellTest, AHeroCaughtAsItsDrinkEndsStaysCaught) {
    load();
    shell->initGame();
    parkEnemies(*shell);
    vorlanCharSprite* hero = shell->normalYou;
    hero->savedAnim = hero->currentAnim;
    hero->currentAnim = hero->drinkAnims[rowUp];
    hero->setCurrentFrame(15);
    hero->drinkLoops = 10; // the next act ends the drink
    shell->enemies[2]->pos = hero->pos;
    frames = 0;
    bool superSeen = false;
    onFrame = [&](int) { superSeen = superSeen || shell->round().hero() == shell->superYou; };
    EXPECT_EQ(shell->run(), vorlanGameShell::roundLost);
    EXPECT_FALSE(superSeen);
    EXPECT_EQ(frames, 1 + 58) << "caught in the first frame, down 58 frames later";
}

// A drink cut short by Escape does not carry into the next round: the first switch to the
// super form there walks at once, its row in step with its direction.
TEST_F(ShellTest, ADrinkLeftWithEscapeEndsWithItsRound) {
    load();
    shell->initGame();
    parkEnemies(*shell);
    shell->normalYou->drank = true; // the first frame switches to the super form
    onFrame = [&](int) {
        vorlanCharSprite* super = shell->superYou;
        if (shell->round().hero() != super || super->savedAnim != nullptr)
            return;
        super->savedAnim = super->currentAnim;
        super->currentAnim = super->drinkAnims[rowUp];
        super->setCurrentFrame(16);
        super->drinkLoops = 3;
        pressKey(SDLK_ESCAPE);
    };
    ASSERT_EQ(shell->run(), vorlanGameShell::roundLeft);
    ASSERT_NE(shell->superYou->savedAnim, nullptr) << "the super hero was drinking";
    releaseAllKeys();

    shell->initGame();
    parkEnemies(*shell);
    shell->normalYou->drank = true;
    bool checked = false;
    onFrame = [&](int frame) {
        vorlanCharSprite* super = shell->superYou;
        if (frame != 1)
            return;
        checked = true;
        EXPECT_EQ(shell->round().hero(), super);
        EXPECT_EQ(super->savedAnim, nullptr) << "not drinking";
        EXPECT_EQ(super->currentAnim, super->anims[walkSet][rowUp]);
        EXPECT_EQ(super->direction, (pt{0, -1}));
        pressKey(SDLK_ESCAPE);
    };
    frames = 0;
    shell->run();
    EXPECT_TRUE(checked);
}

TEST_F(ShellTest, AScaleTooLargeForTheFullScreenIsRefusedBeforeAnythingStarts) {
    gameOptions options;
    options.scale = 6; // wider than any desktop a driver reports here
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(scaleFitsDesktop(options));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              scaleRefusal(options, kuScreen::reportedDesktopSize()) + "\n");
    options.windowed = true;
    EXPECT_TRUE(scaleFitsDesktop(options));
}

TEST_F(ShellTest, EveryHandlerLetsF11SwitchTheScreenAtTheForcedScale) {
    gameOptions options;
    options.windowed = true;
    options.scale = 2;
    shell->configure(options, gamePaths());
    load();
    EXPECT_EQ(shell->screen->getOutputSurface()->w, 1520);
    kuInputHandler* const handlers[] = {shell->playInput, shell->introInput, shell->menuInput,
                                        shell->enterInput};
    bool fullScreen = false;
    for (kuInputHandler* handler : handlers) {
        pushKeyDown(SDLK_F11);
        handler->pollEvents();
        fullScreen = !fullScreen;
        EXPECT_EQ(shell->screen->isFullScreen(), fullScreen);
    }
    EXPECT_FALSE(shell->menuInput->startGame || shell->menuInput->quit);
    EXPECT_FALSE(shell->enterInput->done);
}

namespace {

void pushEvent(sdlEventType type, SDLKey key = SDLK_UNKNOWN) {
    SDL_Event event = {};
    event.type = type;
    event.key.type = type;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}

} // namespace

// A window close (or SIGTERM, which SDL turns into one) ends the game from any screen: the
// round is left, the name typed so far is kept and saved, the credits are skipped.
TEST_F(ShellTest, ACloseEndsTheGameFromTheTitles) {
    EventFeeder windowCloses(SDL_QUIT);
    StdoutCapture capture;
    char name[] = "quaro";
    char* argv[] = {name, nullptr};
    EXPECT_TRUE(shell->checkedExec(1, argv));
    EXPECT_EQ(capture.text(), "");
    EXPECT_TRUE(clock.delays.empty()) << "no credits";
    EXPECT_EQ(shell->screen, nullptr) << "everything was freed";
}

TEST_F(ShellTest, ACloseDuringARoundEndsTheGameWithoutAMenu) {
    load();
    onFrame = [](int frame) {
        if (frame == 5)
            pushEvent(SDL_QUIT);
    };
    EXPECT_EQ(shell->playMenus(vorlanGameShell::choiceStart), vorlanGameShell::choiceStart);
    EXPECT_EQ(frames, 6) << "the frame that read the close was the last";
}

// The name entry's cursor changes every 16 frames; with reduced flashing it stays.
class CursorTest : public ShellTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CursorTest, BlinksUnlessFlashingIsReduced) {
    gameOptions options;
    options.reducedFlashing = GetParam();
    shell->configure(options, gamePaths());
    load();
    shell->timeCounter->giveTime(0, 5);
    int changes = 0;
    bool visible = true;
    constexpr int typingFrames = 60;
    onFrame = [&](int frame) {
        if (frame > typingFrames)
            return; // the entry ends without its cursor
        changes += shell->enterInput->cursorVisible != visible;
        visible = shell->enterInput->cursorVisible;
        if (frame == typingFrames)
            pushEvent(SDL_QUIT);
    };
    EXPECT_EQ(shell->checkHighscore(), vorlanGameShell::choiceQuit);
    EXPECT_EQ(changes, GetParam() ? 0 : typingFrames / 16);
}

INSTANTIATE_TEST_SUITE_P(Flashing, CursorTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "reduced" : "blinking";
                         });

TEST_F(ShellTest, ACloseDuringTheNameEntryKeepsTheNameTypedSoFar) {
    load();
    shell->timeCounter->giveTime(0, 5);
    onFrame = [](int frame) {
        const char* const typed[] = {"k", "i", "d"};
        if (frame >= 2 && frame <= 4)
            queueEvent(typedEvent(typed[frame - 2]));
        else if (frame == 5)
            pushEvent(SDL_QUIT);
    };
    EXPECT_EQ(shell->checkHighscore(), vorlanGameShell::choiceQuit);
    quaroHighScore table;
    EXPECT_STREQ(table.getSlotName(0), "kid");
    EXPECT_EQ(table.getSlotSeconds(0), 5);
}

TEST_F(ShellTest, ACloseEndsTheCreditsAtOnce) {
    load();
    pushEvent(SDL_QUIT);
    shell->delayScreen("GFX/Misc/Credits.bmp", 4);
    EXPECT_TRUE(clock.delays.empty());
}
