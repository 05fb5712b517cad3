// Pausing a round: nothing of it moves while the box is shown, the time spent paused never
// counts, the picture under the box comes back exactly, and only a round knows of pausing.
#include "enemyCharSprite.h"
#include "enterInput.h"
#include "geomPrinters.h"
#include "kuScreen.h"
#include "menuInput.h"
#include "pauseBox.h"
#include "quaroArrowSprites.h"
#include "quaroCounter.h"
#include "quaroLettering.h"
#include "shellHarness.h"
#include "vorlanCharSprite.h"
#include "vorlanInput.h"
#include "vorlanMaze.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

namespace {

// Everything of a round that moves from frame to frame.
struct roundState {
    pt hero;
    int heroFrame;
    std::vector<pt> enemies;
    std::vector<int> arrowFrames, arrowTimers;
    int minutes, seconds, clockTicks;

    bool operator==(const roundState& other) const {
        return hero == other.hero && heroFrame == other.heroFrame && enemies == other.enemies &&
               arrowFrames == other.arrowFrames && arrowTimers == other.arrowTimers &&
               minutes == other.minutes && seconds == other.seconds &&
               clockTicks == other.clockTicks;
    }
};

class PauseTest : public ShellTest {
protected:
    roundState state() const {
        roundState now{shell->round().hero()->pos,
                       shell->round().hero()->getCurrentFrame(),
                       {},
                       {},
                       {},
                       0,
                       0,
                       0};
        for (const enemyCharSprite* enemy : shell->enemies)
            now.enemies.push_back(enemy->pos);
        for (const auto& arrow : shell->maze->arrows) {
            now.arrowFrames.push_back(arrow->frameIndex);
            now.arrowTimers.push_back(arrow->turnTimer);
        }
        now.minutes = shell->timeCounter->getMinutes();
        now.seconds = shell->timeCounter->getSeconds();
        now.clockTicks = shell->timeCounter->frameTicks;
        return now;
    }

    // Every product gone but the one on (7, 3): the script below takes it and walks into
    // the house, the round's frames given to the keys held from them on.
    // A fresh game, as a new process has it, so that two rounds start from the same state.
    void startLastProductRound() {
        onFrame = nullptr;
        shell = std::make_unique<vorlanGameShell>();
        shell->setClock(&clock);
        load();
        startRound(42);
        for (auto& column : shell->maze->bricks)
            for (int& brick : column)
                if (brick >= 100)
                    brick = 0;
        shell->maze->bricks[7][3] = 100;
        shell->round().hero()->itemCount = 105;
    }
    void keysForRoundFrame(int roundFrame) {
        const std::map<int, std::vector<SDLKey>> script = {
            {1, {SDLK_LEFT}}, {35, {SDLK_RIGHT}}, {50, {SDLK_RIGHT, SDLK_DOWN}}};
        const auto keys = script.find(roundFrame);
        if (keys == script.end())
            return;
        releaseAllKeys();
        for (SDLKey key : keys->second)
            holdKey(key);
        pushKeyDown(keys->second.front());
    }
};

} // namespace

TEST_F(PauseTest, APausedRoundStandsStillAndItsTimeIsTheSameAsWithoutThePause) {
    startLastProductRound();
    std::vector<roundState> unpaused;
    onFrame = [&](int frame) {
        unpaused.push_back(state());
        keysForRoundFrame(frame);
    };
    frames = 0;
    keysForRoundFrame(0);
    ASSERT_EQ(shell->run(), vorlanGameShell::roundWon);
    releaseAllKeys();

    constexpr int pauseAfter = 40; // P is read in this round frame
    constexpr int pausedFrames = 200;
    startLastProductRound();
    std::vector<roundState> paused;
    int roundFrame = 0;
    onFrame = [&](int frame) {
        if (frame <= pauseAfter || frame > pauseAfter + pausedFrames + 1) {
            paused.push_back(state());
            keysForRoundFrame(++roundFrame);
            if (roundFrame == pauseAfter - 1)
                pressKey(SDLK_p);
            return;
        }
        EXPECT_EQ(state(), paused.back()) << "nothing moves in paused frame " << frame;
        if (frame == pauseAfter + pausedFrames) {
            releaseKey(SDLK_p);
            pressKey(SDLK_p);
        }
    };
    frames = 0;
    keysForRoundFrame(0);
    ASSERT_EQ(shell->run(), vorlanGameShell::roundWon);
    EXPECT_EQ(frames, int(unpaused.size()) + pausedFrames + 1);
    EXPECT_TRUE(paused == unpaused) << "the round went on as it would have without the pause";
    EXPECT_EQ(shell->timeCounter->getSeconds(), unpaused.back().seconds);
}

TEST_F(PauseTest, ThePictureUnderTheBoxComesBackExactly) {
    load();
    shell->initGame();
    shell->screen->update();
    SDL_Surface* canvas = shell->screen->getSDLSurface();
    kuImage before;
    before.setScreen(shell->screen);
    before.grab(pauseBox::area);
    const kuRectangle& box = pauseBox::area;
    bool boxSeen = false;
    onFrame = [&](int frame) {
        boxSeen = boxSeen || !areasEqual(canvas, box.x, box.y, before.getSDLSurface(), 0, 0,
                                         int(box.width), int(box.height));
        if (frame == 5)
            pressKey(SDLK_SPACE);
    };
    frames = 0;
    quaroLettering font;
    font.open(shell->fontImage);
    pauseBox(shell->screen, &font, quaroSettings{}).hold(*shell->audio, *shell->playInput, [this] {
        shell->waitFrame();
    });
    EXPECT_TRUE(boxSeen);
    EXPECT_TRUE(areasEqual(canvas, box.x, box.y, before.getSDLSurface(), 0, 0, int(box.width),
                           int(box.height)));
}

// Losing the focus, or being iconified, pauses; the focus coming back does not resume.
TEST_F(PauseTest, LosingTheFocusPausesAndOnlyAKeyResumes) {
    load();
    shell->initGame();
    parkEnemies(*shell);
    pt heroWhenPaused = {};
    int pausedFrames = 0;
    onFrame = [&](int frame) {
        if (frame == 3) {
            SDL_Event event = focusLostEvent();
            SDL_PushEvent(&event);
        } else if (frame == 10) {
            SDL_Event event = focusBackEvent();
            SDL_PushEvent(&event);
        } else if (frame == 20) {
            pressKey(SDLK_LEFT);
        } else if (frame == 30) {
            pressKey(SDLK_ESCAPE);
        }
        if (frame > 4 && frame < 21) {
            ++pausedFrames;
            if (frame == 5)
                heroWhenPaused = shell->round().hero()->pos;
            EXPECT_EQ(shell->round().hero()->pos, heroWhenPaused);
        }
    };
    frames = 0;
    EXPECT_EQ(shell->run(), vorlanGameShell::roundLeft);
    EXPECT_EQ(pausedFrames, 16);
}

// On a menu P chooses nothing; in the name entry it is a letter.
TEST_F(PauseTest, PauseIsARoundsMatterOnly) {
    load();
    SDL_Event press = {};
    press.type = press.key.type = SDL_KEYDOWN;
    press.key.keysym.sym = SDLK_p;
    holdKey(SDLK_p);
    shell->menuInput->activate();
    shell->menuInput->handleEvent(&press);
    EXPECT_FALSE(shell->menuInput->quit || shell->menuInput->startGame ||
                 shell->menuInput->showHighscore);
    shell->enterInput->activate();
    SDL_Event typed = typedEvent("p");
    shell->enterInput->handleEvent(&typed);
    EXPECT_STREQ(shell->enterInput->name, "p");
}
