// The daily round and the ghost race: the day's seed for a table of dates, the line to share,
// and records set in either kept with the player's own run, the day's in the day's table.
#include "demoRun.h"
#include "enterInput.h"
#include "kuPlatform.h"
#include "quaroDaily.h"
#include "quaroHighScore.h"
#include "quaroRunStore.h"
#include "sdlScript.h"
#include "shellHarness.h"
#include "vorlanCharSprite.h"
#include "vorlanMaze.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

TEST(DailySeedTest, EveryDateGivesItsDocumentedSeed) {
    struct day {
        kuDate date;
        const char* text;
        uint32_t seed; // YYYYMMDD * 2654435761 mod 2^32, worked out apart
    };
    const day days[] = {
        {{2026, 12, 8}, "2026-12-08", 674508248u},  {{2026, 12, 9}, "2026-12-09", 3328944009u},
        {{2000, 1, 1}, "2000-01-01", 673718229u},   {{2024, 2, 29}, "2024-02-29", 1812638165u},
        {{2099, 12, 31}, "2099-12-31", 782418767u}, {{1970, 1, 1}, "1970-01-01", 4126736885u},
    };
    for (const day& d : days) {
        EXPECT_EQ(quaroDaily::seedOf(d.date), d.seed) << d.text;
        EXPECT_EQ(quaroDaily::dateText(d.date), d.text);
    }
}

TEST(DailySeedTest, TheLineToShareSaysDateTimeProductsAndKnockOuts) {
    EXPECT_EQ(quaroDaily::shareLine({2026, 12, 8}, true, 1, 2, 106, 3),
              "quaro daily 2026-12-08: won in 01:02, 106 products, 3 knock-outs");
    EXPECT_EQ(quaroDaily::shareLine({2026, 1, 30}, false, 0, 45, 17, 1),
              "quaro daily 2026-01-30: lost at 00:45, 17 products, 1 knock-out");
}

// Wins the round the shell has started: one product left beside the hero, the outlaws parked,
// the name typed, then q on the table's menu.
void winStartedRound(vorlanGameShell& shell, std::function<void(int)>& onFrame, const char* name) {
    vorlanMaze* maze = shell.maze;
    for (int x = 0; x < 19; ++x)
        for (int y = 0; y < 13; ++y)
            if (maze->bricks[x][y] >= 100)
                maze->bricks[x][y] = 0;
    maze->bricks[7][3] = 100;
    shell.round().hero()->itemCount = 105;
    parkEnemies(shell);
    pressKey(SDLK_LEFT);
    const kuHeldKeys keys = kuPlatform::heldKeys();
    bool typed = false, menuAsked = false;
    onFrame = [&, name](int) {
        if (typed && shell.enterInput->done && !menuAsked) {
            menuAsked = true;
            pushKeyDown(SDLK_q); // for the menu over the table
        }
        vorlanCharSprite* hero = shell.round().hero();
        if (hero->itemCount == 106 && hero->speed == 0 && !keys[SDLK_RIGHT]) {
            releaseAllKeys(); // stopped by the wall: back to the gate
            pressKey(SDLK_RIGHT);
        }
        if (keys[SDLK_RIGHT] && hero->pos.x >= 370 && !keys[SDLK_DOWN])
            pressKey(SDLK_DOWN); // and down into the house
        if (shell.enterInput->background != nullptr && !typed) {
            typed = true;
            for (const char* c = name; *c != 0; ++c) {
                SDL_Event typed = typedEvent(std::string(1, *c));
                SDL_PushEvent(&typed);
            }
            pushKeyDown(SDLK_RETURN);
        }
    };
    EXPECT_EQ(shell.run(), vorlanGameShell::roundWon);
    releaseAllKeys();
    shell.replays().setIdleMs(24 * 3600 * 1000);
    EXPECT_EQ(shell.checkHighscore(), vorlanGameShell::choiceQuit);
    onFrame = nullptr;
}

TEST_F(ShellTest, ARecordOfADailyRoundOrARaceIsKeptWithItsOwnRun) {
    load();
    const kuDate date = {2026, 12, 8};
    const quaroRecording ghost = demoRun();
    struct kind {
        const char* name;
        std::function<void()> start;
        uint32_t seed;
        std::string tableFolder;
        std::string otherTable; // which must stay without a record
    };
    const kind kinds[] = {
        {"day", [&] { shell->initDaily(date); }, quaroDaily::seedOf(date), "Save/Daily/2026-12-08",
         "Save/Highscore.hs"},
        {"racer", [&] { shell->initRace(ghost); }, ghost.seed(), "Save",
         "Save/Daily/2026-12-08/Highscore.hs"},
    };
    for (const kind& k : kinds) {
        SCOPED_TRACE(k.name);
        std::filesystem::remove_all("Save");
        k.start();
        EXPECT_EQ(shell->round().seed(), k.seed);
        winStartedRound(*shell, onFrame, k.name);
        const quaroHighScore table(k.tableFolder + "/Highscore.hs");
        EXPECT_STREQ(table.getSlotName(0), k.name);
        const std::vector<std::string> runs = quaroRunStore(k.tableFolder).runsOf(table);
        ASSERT_FALSE(runs[0].empty()) << "the record has its run";
        std::string problem;
        const std::optional<quaroRecording> run = quaroRecording::load(runs[0], problem);
        ASSERT_TRUE(run) << problem;
        EXPECT_EQ(run->seed(), k.seed);
        EXPECT_EQ(run->frameCount(), shell->round().frames()) << "the player's own run";
        EXPECT_FALSE(quaroHighScore(k.otherTable).isPlayed(0));
    }
}

} // namespace
