#include "enterInput.h"
#include "geomPrinters.h"
#include "introInput.h"
#include "kuPlatform.h"
#include "kuScreen.h"
#include "quaroCounter.h"
#include "quaroHighScore.h"
#include "quaroRunStore.h"
#include "shellHarness.h"
#include "vorlanCharSprite.h"
#include "vorlanInput.h"
#include "vorlanMaze.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

class NameEntryTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        load();
        entry = shell->enterInput;
        shell->nameCounter->pos = {300, 360};
        entry->activate();
    }

    void key(SDLKey sym) {
        SDL_Event event = {};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = sym;
        entry->handleEvent(&event);
    }
    // Types each character as a player does: a key press on SDL 1.2, a text event on SDL 2.
    void typeText(const char* text) {
        for (const char* c = text; *c != '\0'; ++c) {
            SDL_Event event = typedEvent(std::string(1, *c));
            entry->handleEvent(&event);
        }
    }

    EnterInputHandler* entry = nullptr;
};

} // namespace

TEST_F(NameEntryTest, TypesAtTheCursorAndMovesIt) {
    typeText("ace");
    EXPECT_STREQ(entry->name, "ace");
    EXPECT_EQ(entry->cursor, 3);
    key(SDLK_LEFT);
    key(SDLK_LEFT);
    typeText("b");
    EXPECT_STREQ(entry->name, "abce");
    EXPECT_EQ(entry->cursor, 2);
    key(SDLK_BACKSPACE);
    EXPECT_STREQ(entry->name, "ace");
    EXPECT_EQ(entry->cursor, 1);
    key(SDLK_RIGHT);
    key(SDLK_RIGHT);
    key(SDLK_RIGHT); // never past the end
    EXPECT_EQ(entry->cursor, 3);
    typeText(" 7");
    EXPECT_STREQ(entry->name, "ace 7");
}

TEST_F(NameEntryTest, BackspaceAndLeftDoNothingAtTheStart) {
    key(SDLK_BACKSPACE);
    key(SDLK_LEFT);
    EXPECT_EQ(entry->cursor, 0);
    typeText("x");
    key(SDLK_LEFT);
    key(SDLK_BACKSPACE);
    EXPECT_STREQ(entry->name, "x");
    EXPECT_EQ(entry->cursor, 0);
}

TEST_F(NameEntryTest, TakesAtMostTenCharacters) {
    typeText("abcdefghij");
    typeText("k");
    EXPECT_STREQ(entry->name, "abcdefghij");
    EXPECT_EQ(entry->cursor, 10);
    key(SDLK_HOME);
    key(SDLK_LEFT);
    typeText("z");
    EXPECT_STREQ(entry->name, "abcdefghij");
}

TEST_F(NameEntryTest, ThreeKeysTypeTheExtraLettersAndModifiersTypeNothing) {
    typeText("`']");
    key(SDLK_LSHIFT);
    key(SDLK_RCTRL);
    key(SDLK_LALT);
    key(SDLK_F1);
    EXPECT_STREQ(entry->name, "\x7d\x7e\x7f");
}

TEST_F(NameEntryTest, EscapeReturnAndEnterFinishKeepingTheName) {
    for (SDLKey finish : {SDLK_ESCAPE, SDLK_RETURN, SDLK_KP_ENTER}) {
        entry->activate();
        typeText("kid");
        EXPECT_FALSE(entry->done);
        key(finish);
        EXPECT_TRUE(entry->done);
        EXPECT_FALSE(entry->cursorVisible);
        EXPECT_STREQ(entry->name, "kid");
    }
    entry->activate();
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    entry->handleEvent(&quit);
    EXPECT_TRUE(entry->done);
    EXPECT_STREQ(entry->name, "");
}

TEST_F(NameEntryTest, AnyEventShowsTheCursorAgain) {
    entry->cursorVisible = false;
    SDL_Event motion = {};
    motion.type = SDL_MOUSEMOTION;
    entry->handleEvent(&motion);
    EXPECT_TRUE(entry->cursorVisible);
}

TEST_F(NameEntryTest, ShowRestoresTheFieldAndDrawsNameAndCursor) {
    typeText("ab");
    entry->background = nullptr;
    shell->screen->fillRect(rect(300, 360, 165, 25), 0, 0, 0);
    shell->screen->update();
    entry->show();
    SDL_Surface* surface = shell->screen->getSDLSurface();
    const bool cursorArea = areaIs(surface, 330, 360, 15, 25, {0, 0, 0});
    EXPECT_FALSE(cursorArea) << "the cursor glyph is drawn after the name";
    EXPECT_TRUE(areaIs(surface, 345, 360, 120, 25, {0, 0, 0}));
    EXPECT_EQ(shell->screen->pendingRectCount(), 0) << "show updates the screen";
}

TEST_F(ShellTest, AWonRoundEntersTheTypedNameInTheTableAndTheFile) {
    load();
    shell->initGame();
    vorlanMaze* maze = shell->maze;
    // One product left, on the brick beside the hero; the gate opens when it is taken.
    for (int x = 0; x < 19; ++x)
        for (int y = 0; y < 13; ++y)
            if (maze->bricks[x][y] >= 100)
                maze->bricks[x][y] = 0;
    maze->bricks[7][3] = 100;
    shell->normalYou->itemCount = 105;
    parkEnemies(*shell);
    pressKey(SDLK_LEFT);
    const kuHeldKeys keys = kuPlatform::heldKeys();
    bool typed = false, menuAsked = false;
    onFrame = [&](int) {
        if (typed && shell->enterInput->done && !menuAsked) {
            menuAsked = true;
            pushKeyDown(SDLK_q); // for the menu over the table
        }
        vorlanCharSprite* hero = shell->round().hero();
        if (hero->itemCount == 106 && hero->speed == 0 && !keys[SDLK_RIGHT]) {
            releaseAllKeys(); // stopped by the wall: back to the gate
            pressKey(SDLK_RIGHT);
        }
        if (keys[SDLK_RIGHT] && hero->pos.x >= 370 && !keys[SDLK_DOWN])
            pressKey(SDLK_DOWN);                                  // and down into the house
        if (shell->enterInput->background != nullptr && !typed) { // the name entry runs
            typed = true;
            for (const char* letter : {"k", "i", "d"}) {
                SDL_Event event = typedEvent(letter);
                SDL_PushEvent(&event);
            }
            pushKeyDown(SDLK_RETURN);
        }
    };
    EXPECT_EQ(shell->run(), vorlanGameShell::roundWon);
    EXPECT_TRUE(shell->maze->isGateOpen());
    const int minutes = shell->timeCounter->getMinutes();
    const int seconds = shell->timeCounter->getSeconds();

    releaseAllKeys();
    shell->replays().setIdleMs(24 * 3600 * 1000); // the menu reads the clock, and the script runs
    EXPECT_EQ(shell->checkHighscore(), vorlanGameShell::choiceQuit);
    EXPECT_STREQ(shell->enterInput->name, "kid");
    {
        quaroHighScore table;
        EXPECT_STREQ(table.getSlotName(0), "kid");
        EXPECT_EQ(table.getSlotMinutes(0), minutes);
        EXPECT_EQ(table.getSlotSeconds(0), seconds);
        EXPECT_NE(quaroRunStore("Save").runsOf(table)[0], "") << "its run is kept beside it";
    }

    // A new game shows it again: the first row's name is drawn at (370, 103).
    onFrame = nullptr;
    shell.reset();
    shell = std::make_unique<vorlanGameShell>();
    shell->setClock(&clock);
    load();
    shell->displayHighscore();
    SDL_Surface* highScores = SDL_LoadBMP("GFX/Misc/HighScore.bmp");
    ASSERT_NE(highScores, nullptr);
    EXPECT_FALSE(areasEqual(shell->screen->getSDLSurface(), 370, 103, highScores, 370, 103, 45, 25))
        << "the name is drawn over the picture";
    EXPECT_TRUE(areasEqual(shell->screen->getSDLSurface(), 415, 103, highScores, 415, 103, 100, 25))
        << "and nothing after its three letters";
    SDL_FreeSurface(highScores);
}

// A record that cannot be saved (here the table's folder is a file) is said on the record's
// screen, below the name, until a key; then the table and its menu follow as always.
TEST_F(ShellTest, ARecordThatCannotBeSavedIsSaidOnItsScreen) {
    load();
    std::ofstream("Save") << "not a folder";
    shell->timeCounter->giveTime(1, 2);
    shell->replays().setIdleMs(24 * 3600 * 1000); // the menu reads the clock, and so the script
    clock.maxReads = 2000;
    SDL_Surface* congratulation = SDL_LoadBMP("GFX/Misc/Congrat2.bmp");
    ASSERT_NE(congratulation, nullptr);
    bool typed = false, menuAsked = false;
    int framesAfterEntry = 0;
    onFrame = [&](int) {
        if (shell->enterInput->background != nullptr && !typed) {
            typed = true;
            for (SDLKey k : {SDLK_k, SDLK_i, SDLK_d, SDLK_RETURN})
                pushKeyDown(k);
        } else if (shell->enterInput->done && ++framesAfterEntry == 2) { // the entry's last is 1
            EXPECT_TRUE(
                areasEqual(shell->screen->getSDLSurface(), 0, 0, congratulation, 0, 0, 760, 355))
                << "the picture above the name stays";
            EXPECT_FALSE(areasEqual(shell->screen->getSDLSurface(), 160, 405, congratulation, 160,
                                    405, 440, 80))
                << "the lines below the name";
            pushKeyDown(SDLK_SPACE);
        } else if (shell->introInput->proceed && !menuAsked) {
            menuAsked = true;
            pushKeyDown(SDLK_q);
        }
    };
    StdoutCapture capture;
    EXPECT_EQ(shell->checkHighscore(), vorlanGameShell::choiceQuit);
    EXPECT_GT(framesAfterEntry, 2) << "it waited for the key";
    EXPECT_NE(capture.text().find("Error saving Save/Highscore.hs\n"), std::string::npos);
    SDL_FreeSurface(congratulation);
}
