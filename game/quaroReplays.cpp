#include "quaroReplays.h"

#include "frameClock.h"
#include "kuScreen.h"
#include "mazeLayout.h"
#include "menuInput.h"
#include "quaroCounter.h"
#include "quaroHighScore.h"
#include "quaroRunStore.h"
#include "vorlanCharSprite.h"
#include "vorlanGameShell.h"
#include "vorlanInput.h"

#include <cstdio>
#include <filesystem>

const char* const quaroReplays::demoFile = "RUN/Demo.run";

namespace {

// How often a menu that may go idle looks for events: as often as SDL's own wait does.
constexpr Uint32 menuPollMs = 10;

// Where a replay is named, in the maze's bottom wall left of the clock.
constexpr pt labelAt = {45, mazeLayout::clockY};

// Where the table's screen says that a run does not match, in two lines on the sand.
constexpr pt rejectionAt = {240, 362};
constexpr int rejectionLineHeight = 28;

// The font draws a-z, 0-9, the space and the codes 123 to 127; capitals are drawn small and
// anything else a file may hold as a space.
std::string drawable(std::string text) {
    for (char& c : text) {
        const unsigned char code = static_cast<unsigned char>(c);
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        else if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                   (code >= 123 && code <= 127)))
            c = ' ';
    }
    return text;
}

std::string clockText(int minutes, int seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes, seconds);
    return text;
}

} // namespace

quaroReplays::quaroReplays(vorlanGameShell& shell) : shell(shell) {}

void quaroReplays::roundStarting(uint32_t seed) {
    if (playback != nullptr)
        return;
    live = quaroRecording(seed);
    liveTooLong = false;
}

void quaroReplays::inputStep() {
    vorlanCharSprite* hero = shell.you;
    VorlanInputHandler* round = shell.playInput;
    if (playback == nullptr) {
        round->pollEvents();
        frameInput input;
        input.wantedDX = hero->wantedDX;
        input.wantedDY = hero->wantedDY;
        input.leave = round->quit;
        input.pause = round->pauseRequested;
        liveTooLong = liveTooLong || !live.add(input);
        return;
    }
    watchInput.pollEvents();
    // A played-back round never pauses: its pause requests are kept, not acted on.
    const frameInput input = playback->frame(played++);
    hero->wantedDX = input.wantedDX;
    hero->wantedDY = input.wantedDY;
    round->quit = input.leave;
}

quaroReplays::watchResult quaroReplays::watch(const quaroRecording& run) {
    playback = &run;
    played = 0;
    shell.startRound(run.seed());
    // In the bottom wall, where no one walks: what is playing is a replay, and whose.
    const std::string label = run.name().empty() ? "replay" : "replay of " + drawable(run.name());
    shell.tableCounter->drawText(label.c_str(), labelAt);
    watchInput.activate();
    while (!shell.roundOver() && !watchInput.stop && played < run.frameCount())
        shell.playFrame();
    playback = nullptr;

    watchResult result;
    result.framesPlayed = played;
    result.roundEnded = shell.roundOver();
    result.minutes = shell.timeCounter->getMinutes();
    result.seconds = shell.timeCounter->getSeconds();
    const bool whole = result.roundEnded && played == run.frameCount();
    if (whole)
        result.how = result.minutes == run.minutes() && result.seconds == run.seconds()
                         ? ending::matched
                         : ending::mismatched;
    else
        result.how = watchInput.stop ? ending::stopped : ending::mismatched;
    return result;
}

void quaroReplays::waitForMenuChoice(const char* picture) {
    MenuInputHandler& menu = *shell.menuInput;
    frameClock& clock = *shell.getClock();
    Uint32 quietSince = idleMs != 0 ? clock.ticks() : 0;
    while (!menu.quit && !menu.startGame && !menu.showHighscore) {
        if (menu.rowKey >= 0) {
            const int row = menu.rowKey;
            menu.rowKey = -1;
            if (picture == nullptr)
                watchRow(row);
            quietSince = idleMs != 0 ? clock.ticks() : 0;
        } else if (idleMs == 0) {
            menu.waitEvent();
        } else if (menu.pollEvents() > 0) {
            quietSince = clock.ticks();
        } else if (clock.ticks() - quietSince >= idleMs) {
            playIdleDemo(picture);
            quietSince = clock.ticks();
        } else {
            clock.delay(menuPollMs);
        }
    }
}

void quaroReplays::watchRow(int row) {
    const std::string file = runOfRow(row);
    const std::optional<quaroRecording> run = loadOffered(file);
    if (!run)
        return;
    const watchResult result = watch(*run);
    backToMenu(nullptr);
    if (result.how == ending::mismatched)
        reject(file, "the run of row " + std::to_string(row + 1), true);
}

void quaroReplays::playIdleDemo(const char* picture) {
    std::string file;
    std::string label;
    const std::optional<quaroRecording> run = idleRun(file, label);
    if (!run)
        return;
    const watchResult result = watch(*run);
    backToMenu(picture);
    if (result.how == ending::mismatched)
        reject(file, label, picture == nullptr);
}

std::optional<quaroRecording> quaroReplays::idleRun(std::string& file, std::string& label) {
    for (int row = 0; row < quaroHighScore::rowCount; ++row) {
        file = runOfRow(row);
        if (file.empty() || rejected.count(file) != 0)
            continue;
        label = "the run of row " + std::to_string(row + 1);
        if (std::optional<quaroRecording> run = loadOffered(file))
            return run;
    }
    file = shell.getPaths().dataFile(demoFile);
    label = "the demonstration run";
    // A data folder without one (an older copy of the game) simply has none to play.
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return std::nullopt;
    return loadOffered(file);
}

std::string quaroReplays::runOfRow(int row) const {
    const quaroRunStore store(shell.getPaths().tableFolder);
    // Without runs the table is not read, so that an idle menu never writes a missing table.
    std::error_code error;
    if (store.empty() || !std::filesystem::exists(tableFile(), error))
        return "";
    return store.runsOf(quaroHighScore(tableFile()))[size_t(row)];
}

// A file refused once (damaged, or not matching its time) is not read again in the session.
std::optional<quaroRecording> quaroReplays::loadOffered(const std::string& file) {
    if (file.empty() || rejected.count(file) != 0)
        return std::nullopt;
    std::string problem;
    std::optional<quaroRecording> run = quaroRecording::load(file, problem);
    if (!run) {
        std::printf("Not playing the damaged run %s\n", problem.c_str());
        rejected.insert(file);
    }
    return run;
}

void quaroReplays::backToMenu(const char* picture) {
    if (picture != nullptr)
        shell.displayImageFile(picture);
    else
        shell.displayHighscore();
    shell.menuInput->activate();
    if (watchInput.windowClosed) {
        SDL_Event close = {};
        close.type = SDL_QUIT;
        SDL_PushEvent(&close);
    }
}

void quaroReplays::reject(const std::string& file, const std::string& label, bool onTable) {
    rejected.insert(file);
    const std::string ending = "does not match its time";
    std::printf("%s %s\n", label.c_str(), ending.c_str());
    if (!onTable)
        return;
    quaroCounter& font = *shell.tableCounter;
    font.drawText(label.c_str(), rejectionAt);
    font.drawText(ending.c_str(), {rejectionAt.x, rejectionAt.y + rejectionLineHeight});
    shell.screen->update();
}

void quaroReplays::keepRecord(std::unique_ptr<quaroHighScore> table, const char* name, int minutes,
                              int seconds) {
    const quaroRunStore store(shell.getPaths().tableFolder);
    if (liveTooLong) {
        std::printf("The run of this record is too long to keep\n");
    } else {
        live.claim(name, minutes, seconds);
        store.keep(live);
    }
    // The run is written before the table: a kill in between leaves a run that no row
    // claims, which the next save removes, never a row whose run is missing.
    table.reset();
    store.prune(quaroHighScore(tableFile()));
}

void quaroReplays::playFile(const std::string& file) {
    fileFailed = true;
    std::string problem;
    const std::optional<quaroRecording> run = quaroRecording::load(file, problem);
    if (!run) {
        std::fprintf(stderr, "quaro: %s\n", problem.c_str());
        return;
    }
    shell.loadData();
    const watchResult result = watch(*run);
    shell.freeData();

    const std::string claimed = clockText(run->minutes(), run->seconds());
    const std::string reached = clockText(result.minutes, result.seconds);
    switch (result.how) {
    case ending::matched:
        fileFailed = false;
        std::printf("The run of '%s' in %s ends at %s, the time it claims\n", run->name().c_str(),
                    file.c_str(), claimed.c_str());
        break;
    case ending::mismatched:
        std::fprintf(stderr,
                     "quaro: the run in %s does not match its time: it claims %s, and played "
                     "back the round %s at %s after %u of its %u frames\n",
                     file.c_str(), claimed.c_str(), result.roundEnded ? "ended" : "had not ended",
                     reached.c_str(), unsigned(result.framesPlayed), unsigned(run->frameCount()));
        break;
    case ending::stopped:
        std::fprintf(stderr, "quaro: the replay of %s was stopped before its end\n", file.c_str());
        break;
    }
}

std::string quaroReplays::tableFile() const {
    return shell.getPaths().tableFile;
}
