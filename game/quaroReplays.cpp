#include "quaroReplays.h"

#include "frameClock.h"
#include "kuAudio.h"
#include "kuFiles.h"
#include "kuPlatform.h"
#include "kuPrintable.h"
#include "kuScreen.h"
#include "menuInput.h"
#include "quaroCounter.h"
#include "quaroHighScore.h"
#include "quaroLettering.h"
#include "quaroPaths.h"
#include "quaroRound.h"
#include "quaroRunLink.h"
#include "quaroRunStore.h"
#include "roundInput.h"
#include "shellKeys.h"
#include "viewerPanel.h"

#include <cstdio>

const char* const quaroReplays::demoFile = "RUN/Demo.run";
const char* const quaroReplays::demoLabel = "demonstration * Esc: leave"; // "*" is a middle dot

namespace {

// How often a menu that may go idle looks for events: as often as SDL's own wait does.
constexpr Uint32 menuPollMs = 10;

// Where the table's screen says that a run does not match, in two lines on the sand.
constexpr pt rejectionAt = {240, 362};
constexpr int rejectionLineHeight = 28;

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

namespace {

// Silences the game while it stands: for rounds worked out unseen, and speeds other than x1.
class silence {
public:
    explicit silence(Audio& audio) : audio(audio), before(audio.isMuted()) { audio.setMuted(true); }
    ~silence() { audio.setMuted(before); }
    silence(const silence&) = delete;
    silence& operator=(const silence&) = delete;

private:
    Audio& audio;
    bool before;
};

} // namespace

quaroReplays::watchResult quaroReplays::watch(const quaroRecording& run, const std::string& label) {
    quaroRound& round = *game.round;
    std::optional<silence> quiet(std::in_place, *game.audio);
    quaroViewer viewer(round, run, *game.screen);
    quiet.reset();
    // What is playing: a replay, and whose, or the demonstration.
    viewerPanel panel(*game.screen, *round.getCast().maze, *game.font,
                      !label.empty()       ? label
                      : run.name().empty() ? "replay"
                                           : "replay of " + run.name());
    watchInput.setHook(game.keys);
    watchInput.activate();
    watchingRun = true;
    for (uint32_t shown = 0;
         !watchInput.stop && !viewer.takeOverAsked() && (!viewer.finished() || viewer.paused());
         ++shown) {
        watchInput.pollEvents();
        for (const viewerAction action : watchInput.takeActions()) {
            if (action == viewerAction::copyLink) {
                const bool copied =
                    kuPlatform::copyText(quaroRunLink::link(run, kuPlatform::pageAddress()));
                panel.showNote(copied ? "link copied" : "link not copied", shown);
                continue;
            }
            const silence seeking(*game.audio); // stepping back plays the round again unheard
            viewer.act(action);
        }
        if (viewer.realTime())
            quiet.reset();
        else if (!quiet)
            quiet.emplace(*game.audio);
        viewer.tick();
        panel.draw(viewer, shown);
        game.screen->update();
        game.waitFrame();
    }
    quiet.reset();
    watchingRun = false;
    if (viewer.takeOverAsked() && !watchInput.stop && game.practice) {
        game.practice();
        watchResult result;
        result.how = ending::takenOver;
        result.framesPlayed = viewer.frame();
        return result;
    }

    watchResult result;
    result.framesPlayed = viewer.frame();
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
    raceRun.reset();
    menu.tableShown = picture == nullptr;
    while (!menu.quit && !menu.startGame && !menu.showHighscore && !menu.openSettings &&
           !menu.playDaily && !raceRun) {
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
            if (picture == nullptr && menu.raceRow)
                raceRun = loadOffered(runOfRow(row));
            else if (picture == nullptr)
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

bool quaroReplays::keepRecord(quaroHighScore& table, const std::string& tableFolder,
                              const char* name, int minutes, int seconds) {
    if (liveTooLong)
        std::printf("The run of this record is too long to keep\n");
    live.claim(name, minutes, seconds);
    return quaroRunStore(tableFolder).saveRecord(table, liveTooLong ? nullptr : &live);
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
    case ending::takenOver:
        std::fprintf(stderr, "quaro: the replay of %s was taken over at frame %u\n",
                     shownFile.c_str(), unsigned(result.framesPlayed));
        break;
    }
}
