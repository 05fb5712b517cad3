#include "quaroReplays.h"

#include "frameClock.h"
#include "kuFiles.h"
#include "kuPrintable.h"
#include "kuScreen.h"
#include "menuInput.h"
#include "quaroCounter.h"
#include "quaroHighScore.h"
#include "quaroLettering.h"
#include "quaroPaths.h"
#include "quaroRound.h"
#include "quaroRunStore.h"
#include "roundInput.h"
#include "shellKeys.h"

#include <cstdio>

const char* const quaroReplays::demoFile = "RUN/Demo.run";
const char* const quaroReplays::demoLabel = "demonstration: press any key";

namespace {

// How often a menu that may go idle looks for events: as often as SDL's own wait does.
constexpr Uint32 menuPollMs = 10;

// Where a replay is named: on a dark plate in the middle of the maze's top wall, where no one
// walks and nothing of the round is drawn.
constexpr int32_t labelCentreX = 380;
constexpr int32_t labelTop = 8;
constexpr int32_t plateMargin = 12;
constexpr int32_t plateBorder = 2;
struct colour {
    int red, green, blue;
};
constexpr colour plateFrame = {232, 200, 120};
constexpr colour plateInside = {36, 24, 14};

// Where the table's screen says that a run does not match, in two lines on the sand.
constexpr pt rejectionAt = {240, 362};
constexpr int rejectionLineHeight = 28;

void showLabel(kuScreen& screen, quaroLettering& font, const std::string& label) {
    const std::string text = font.drawable(label);
    const int32_t width = font.width(text) + 2 * plateMargin;
    kuRectangle plate;
    rectManip::init(plate, labelCentreX - width / 2, labelTop - 4, uint32_t(width),
                    quaroLettering::height + 8);
    screen.beginUpdate();
    screen.fillRect(plate, plateFrame.red, plateFrame.green, plateFrame.blue);
    screen.fillRect(rectManip::expandRect(plate, -plateBorder, -plateBorder), plateInside.red,
                    plateInside.green, plateInside.blue);
    font.drawCentred(text, labelCentreX, labelTop);
    screen.endUpdate();
}

std::string clockText(int minutes, int seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes, seconds);
    return text;
}

} // namespace

void quaroReplays::roundRecorded(const recordingTap& tap) {
    live = tap.recording();
    liveTooLong = tap.overflowed();
}

quaroReplays::watchResult quaroReplays::watch(const quaroRecording& run, const std::string& label) {
    quaroRound& round = *game.round;
    round.start(run.seed(), run.rules(), run.assistsUsed().lives);
    // What is playing: a replay, and whose, or the demonstration.
    showLabel(*game.screen, *game.font,
              !label.empty()       ? label
              : run.name().empty() ? "replay"
                                   : "replay of " + run.name());
    watchInput.setHook(game.keys);
    watchInput.activate();
    recordedInput recorded(run);
    watchingRun = true;
    while (!round.over() && !watchInput.stop && !recorded.finished()) {
        watchInput.pollEvents();
        round.step(recorded);
        game.waitFrame();
    }
    watchingRun = false;

    watchResult result;
    result.framesPlayed = recorded.played();
    const runCheck check = checkRun(run, round, result.framesPlayed);
    if (check.matches)
        result.how = ending::matched;
    else if (watchInput.stop && !round.over())
        result.how = ending::stopped;
    else
        result.how = ending::mismatched;
    result.mismatch = check.mismatch;
    return result;
}

void quaroReplays::waitForMenuChoice(const char* picture) {
    MenuInputHandler& menu = *game.menu;
    frameClock& clock = *game.clock;
    Uint32 quietSince = idleMs != 0 ? clock.ticks() : 0;
    rowRuns.reset();
    while (!menu.quit && !menu.startGame && !menu.showHighscore && !menu.openSettings) {
        if (game.keys->closeRequested()) {
            menu.quit = true;
        } else if (menu.switchList) {
            menu.switchList = false;
            if (picture == nullptr) {
                assistedShown = !assistedShown;
                rowRuns.reset();
                backToMenu(nullptr);
            }
            quietSince = idleMs != 0 ? clock.ticks() : 0;
        } else if (menu.rowKey >= 0) {
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
    const watchResult result = watch(*run, demoLabel);
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
    file = game.paths->dataFile(demoFile);
    label = "the demonstration run";
    // A data folder without one (an older copy of the game) simply has none to play.
    if (!kuIsRegularFile(file))
        return std::nullopt;
    return loadOffered(file);
}

std::string quaroReplays::runOfRow(int row) {
    if (!rowRuns)
        rowRuns = assistedShown ? quaroRunStore(game.paths->assistedFolder())
                                      .runsOf(quaroHighScore(game.paths->assistedTableFile()))
                                : quaroRunStore(game.paths->tableFolder)
                                      .runsOf(quaroHighScore(game.paths->tableFile));
    return (*rowRuns)[size_t(row)];
}

// A file refused once (damaged, or not matching its time) is not read again in the session.
std::optional<quaroRecording> quaroReplays::loadOffered(const std::string& file) {
    if (file.empty() || rejected.count(file) != 0)
        return std::nullopt;
    std::string problem;
    std::optional<quaroRecording> run = quaroRecording::load(file, problem);
    if (!run) {
        std::printf("Not playing the run %s\n", problem.c_str());
        rejected.insert(file);
    }
    return run;
}

void quaroReplays::backToMenu(const char* picture) {
    game.showMenu(picture);
    game.menu->activate();
}

void quaroReplays::reject(const std::string& file, const std::string& label, bool onTable) {
    rejected.insert(file);
    const std::string ending = "does not match its time";
    std::printf("%s %s\n", label.c_str(), ending.c_str());
    if (!onTable)
        return;
    game.font->drawText(label, rejectionAt);
    game.font->drawText(ending, {rejectionAt.x, rejectionAt.y + rejectionLineHeight});
    game.screen->update();
}

bool quaroReplays::keepRecord(quaroHighScore& table, const char* name, int minutes, int seconds,
                              const std::string& tableFolder) {
    if (liveTooLong)
        std::printf("The run of this record is too long to keep\n");
    live.claim(name, minutes, seconds);
    const quaroRunStore store(tableFolder.empty() ? game.paths->tableFolder : tableFolder);
    return store.saveRecord(table, liveTooLong ? nullptr : &live);
}

void quaroReplays::playFile(const quaroRecording& run, const std::string& file) {
    const watchResult result = watch(run);
    fileFailed = result.how != ending::matched;
    const std::string shownFile = kuPrintable(file);
    switch (result.how) {
    case ending::matched:
        std::printf("The run in %s wins its round at %s in its %u frames, as it claims; it says "
                    "it was played by '%s' (a name is the run's own claim)\n",
                    shownFile.c_str(), clockText(run.minutes(), run.seconds()).c_str(),
                    unsigned(run.frameCount()), kuPrintable(run.name()).c_str());
        break;
    case ending::mismatched:
        std::fprintf(stderr, "quaro: the run in %s does not match its claim: %s\n",
                     shownFile.c_str(), result.mismatch.c_str());
        break;
    case ending::stopped:
        std::fprintf(stderr, "quaro: the replay of %s was stopped before its end\n",
                     shownFile.c_str());
        break;
    }
}
