#include "quaroVerify.h"

#include "kuExceptions.h"
#include "kuPrintable.h"
#include "kuScreen.h"
#include "quaroCounter.h"
#include "quaroRecording.h"
#include "quaroStage.h"
#include "roundInput.h"

#include <optional>

namespace {

std::string clockText(int minutes, int seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes, seconds);
    return text;
}

const char* resultName(const quaroRound& round) {
    if (!round.over())
        return "unfinished";
    switch (round.result()) {
    case quaroRound::roundWon:
        return "won";
    case quaroRound::roundLost:
        return "lost";
    default:
        return "left";
    }
}

// The reason of a load's problem, without the file's name it starts with.
std::string reasonOf(const std::string& problem, const std::string& shownFile) {
    const std::string prefix = shownFile + ": ";
    return problem.rfind(prefix, 0) == 0 ? problem.substr(prefix.size()) : problem;
}

} // namespace

verifiedRun verifyRunFile(quaroRound& round, const std::string& file) {
    const std::string shownFile = kuPrintable(file);
    std::string problem;
    const std::optional<quaroRecording> run = quaroRecording::load(file, problem);
    verifiedRun verified;
    if (!run) {
        verified.line = shownFile + ": refused: " + reasonOf(problem, shownFile);
        return verified;
    }
    const uint32_t played = playThrough(round, *run);
    const runCheck check = checkRun(*run, round, played);
    const quaroCounter& clock = *round.getCast().timeCounter;
    const std::string name = run->name().empty() ? "(no name)" : kuPrintable(run->name());
    verified.matches = check.matches;
    verified.line = shownFile + ": " + name + " claims " +
                    clockText(run->minutes(), run->seconds()) + ", played " +
                    clockText(clock.getMinutes(), clock.getSeconds()) + " in " +
                    std::to_string(played) + " frames, " + resultName(round) + ": " +
                    (check.matches ? "matches" : "does not match (" + check.mismatch + ")");
    return verified;
}

bool verifyRuns(const std::vector<std::string>& files, const gamePaths& paths, std::FILE* out) {
    bool allMatch = true;
    try {
        kuScreen screen;
        screen.setSize(quaroAssets::screenSize);
        screen.setFullScreen(false);
        screen.open();
        quaroStage stage(screen, paths);
        screen.setHidden(true); // nothing is ever shown
        for (const std::string& file : files) {
            const verifiedRun verified = verifyRunFile(stage.round(), file);
            std::fprintf(out, "%s\n", verified.line.c_str());
            allMatch = allMatch && verified.matches;
        }
    } catch (kuE* error) {
        std::fprintf(stderr, "quaro: no run could be played: %s\n", error->getMessage());
        delete error;
        allMatch = false;
    }
    return allMatch;
}
