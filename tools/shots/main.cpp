// Takes the screenshots of what a player reads, from the real game shell on the real screen
// (run it under an X server of the size to show, 1920 x 1080 for the 2x full screen): the
// how-to-play screen, the ready moment, a round with its bottom wall, the sound muted, the
// frightened outlaws, the super form's last seconds, the gate's banner, the wait mark, the pause
// box with its reminder of the keys, the game-over screen, the table, the idle demonstration and
// the settings screen. The rounds are the game's
// demonstration run played back, so every shot shows the same moment on every machine; a clock
// that never sleeps paces them. Each shot is written as OUTPUT_FOLDER/after-NAME.bmp, and
// OUTPUT_FOLDER/timeline.txt gives the round's clock at the moments the shots show, for taking
// the same shots of an older build by its clock. Not installed: a tool of the build.
//
// Usage: quaro_shots DATA_FOLDER OUTPUT_FOLDER
#include "enemyCharSprite.h"
#include "frameClock.h"
#include "kuAudio.h"
#include "kuImages.h"
#include "kuPlatform.h"
#include "kuScreen.h"
#include "pauseBox.h"
#include "quaroAssets.h"
#include "quaroCounter.h"
#include "quaroLettering.h"
#include "quaroRecording.h"
#include "quaroReplays.h"
#include "quaroRound.h"
#include "roundCues.h"
#include "roundInput.h"
#include "screenNotes.h"
#include "settingsScreen.h"
#include "vorlanCharSprite.h"
#include "vorlanGameShell.h"
#include "vorlanInput.h"

#include <SDL.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace {

// Time stands still until the shell sleeps, and a sleep only moves it on.
class shotClock : public frameClock {
public:
    Uint32 ticks() override {
        if (onTicks)
            onTicks();
        return now;
    }
    void delay(Uint32 milliseconds) override { now += milliseconds; }

    Uint32 now = 1000;
    std::function<void()> onTicks;
};

constexpr uint32_t roundShotFrames = 600;   // a round well under way; then in the normal form
constexpr int32_t frightenedShotLeft = 150; // super frames left when the outlaws are shown
constexpr uint32_t bannerShotFrame = 6;     // the banner's frame shown
constexpr uint32_t demonstrationShotRead = 200;

class shots {
public:
    shots(vorlanGameShell& shell, shotClock& clock, std::string folder)
        : shell(shell), clock(clock), folder(std::move(folder)) {}

    void take(const quaroRecording& demo) {
        shell.displayImageFile(quaroAssets::titlePicture2);
        save("howto");
        ready(demo);
        playBack(demo);
        lose(demo);
        shell.displayHighscore();
        save("table");
        demonstration(demo);
        settings();
        writeTimeline();
    }

private:
    void save(const std::string& name) {
        const std::string file = folder + "/after-" + name + ".bmp";
        if (SDL_SaveBMP(shell.screen->getOutputSurface(), file.c_str()) != 0)
            std::fprintf(stderr, "quaro_shots: could not write %s\n", file.c_str());
        taken.insert(name);
    }

    void startRound(const quaroRecording& demo) {
        shell.round().start(demo.seed(), demo.rules());
        shell.playInput->sprite = shell.round().hero();
        shell.playInput->activate();
    }

    void ready(const quaroRecording& demo) {
        startRound(demo);
        int reads = 0;
        clock.onTicks = [&] {
            if (++reads == 1)
                save("ready");
        };
        shell.getReady();
        clock.onTicks = nullptr;
    }

    std::string clockText() const {
        const quaroCounter& counter = *shell.timeCounter;
        char text[16];
        std::snprintf(text, sizeof text, "%02d:%02d", counter.getMinutes(), counter.getSeconds());
        return text;
    }

    // The demonstration round, shot at its moments.
    void playBack(const quaroRecording& demo) {
        startRound(demo);
        quaroRound& round = shell.round();
        const roundCues& cues = *round.getCast().cues;
        recordedInput recorded(demo);
        uint32_t bannerFrames = 0;
        while (!round.over() && !recorded.finished()) {
            round.step(recorded);
            shell.waitFrame();
            const vorlanCharSprite* hero = round.hero();
            if (underWay(round) && once("round")) {
                save("round");
                pause();
                mute();
            }
            if (hero->isSuper && round.superFramesLeft() == frightenedShotLeft &&
                once("frightened")) {
                save("frightened");
                superSeenAt = clockText();
            }
            if (cues.glowing() && once("super-cue")) {
                save("super-cue");
                cueSeenAt = clockText();
            }
            bannerFrames += cues.bannerShown();
            if (bannerFrames == bannerShotFrame && once("gate-banner")) {
                save("gate-banner");
                gateSeenAt = clockText();
            }
            if (hero->blockedByArrow && once("wait-mark"))
                save("wait-mark");
        }
    }

    bool once(const std::string& name) const { return taken.count(name) == 0; }

    static bool underWay(const quaroRound& round) {
        return round.frames() >= roundShotFrames && !round.hero()->isSuper &&
               round.hero()->savedAnim == nullptr;
    }

    void pause() {
        quaroLettering font;
        font.open(shell.fontImage);
        pauseBox box(shell.screen, &font, shell.currentSettings());
        box.show();
        shell.screen->update();
        save("pause");
        box.hide();
        shell.screen->update();
    }

    // The next frame with the sound off; nothing of play changes.
    void mute() {
        shell.audio->setMuted(true);
        shell.round().getCast().wall->show(shell.round().readings());
        shell.screen->update();
        save("muted");
        shell.audio->setMuted(false);
        shell.round().getCast().wall->show(shell.round().readings());
        shell.screen->update();
    }

    // The demonstration round again, until an outlaw is put where the hero stands; then the
    // round runs to its end, and the game-over screen says what the shell says after it.
    void lose(const quaroRecording& demo) {
        startRound(demo);
        quaroRound& round = shell.round();
        recordedInput recorded(demo);
        bool caught = false;
        while (!round.over()) {
            if (!caught && underWay(round)) {
                round.getCast().enemies[0]->pos = round.hero()->pos;
                caught = true;
            }
            round.step(recorded);
        }
        shell.displayImageFile(quaroAssets::gameOverPicture);
        quaroLettering font;
        font.open(shell.fontImage);
        screenNotes::writeLostRound(font,
                                    {shell.timeCounter->getMinutes(),
                                     shell.timeCounter->getSeconds(), round.hero()->itemCount});
        shell.screen->update();
        save("gameover");
    }

    void demonstration(const quaroRecording& demo) {
        uint32_t reads = 0;
        clock.onTicks = [&] {
            if (++reads == demonstrationShotRead)
                save("demonstration");
        };
        shell.replays().watch(demo, quaroReplays::demoLabel);
        clock.onTicks = nullptr;
    }

    // The settings screen with a few choices made, the speed's row chosen.
    void settings() {
        quaroSettings chosen;
        chosen.bind(boundAction::left, SDLK_j);
        chosen.speed = 60;
        chosen.lives = 3;
        chosen.voicesVolume = 70;
        quaroLettering font;
        font.open(shell.fontImage);
        const std::unique_ptr<kuImage> backdrop(shell.loadImage(quaroAssets::menuPicture));
        settingsContext context;
        context.screen = shell.screen;
        context.font = &font;
        context.backdrop = backdrop.get();
        context.change = [](const quaroSettings&) {};
        context.sample = [](bool) {};
        settingsScreen screen(context, chosen);
        while (screen.selected() != int(settingsScreen::row::speed))
            screen.pressKey(SDLK_DOWN);
        screen.draw();
        shell.screen->update();
        save("settings");
    }

    void writeTimeline() const {
        std::ofstream out(folder + "/timeline.txt");
        out << "super " << superSeenAt << "\ncue " << cueSeenAt << "\ngate " << gateSeenAt << "\n";
    }

    vorlanGameShell& shell;
    shotClock& clock;
    std::string folder;
    std::set<std::string> taken;
    std::string superSeenAt, cueSeenAt, gateSeenAt;
};

int takeShots(const char* dataFolder, const char* outputFolder) {
    gamePaths paths;
    paths.source = dataSource::variable;
    paths.dataFolder = dataFolder;
    paths.tableFolder = std::string(outputFolder) + "/Save";
    paths.tableFile = paths.tableFolder + "/Highscore.hs";
    std::string problem;
    const std::optional<quaroRecording> demo =
        quaroRecording::load(paths.dataFile(quaroReplays::demoFile), problem);
    if (!demo) {
        std::fprintf(stderr, "quaro_shots: %s\n", problem.c_str());
        return 1;
    }
    shotClock clock;
    vorlanGameShell shell;
    shell.configure(gameOptions(), paths);
    shell.setClock(&clock);
    shell.loadData();
    shots(shell, clock, outputFolder).take(*demo);
    shell.freeData();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Usage: %s DATA_FOLDER OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    if (!kuPlatform::startSdl(SDL_INIT_VIDEO | SDL_INIT_AUDIO)) {
        std::fprintf(stderr, "Couldn't initialize SDL: %s\n", SDL_GetError());
        return 1;
    }
    const int status = takeShots(argv[1], argv[2]);
    SDL_Quit();
    return status;
}
