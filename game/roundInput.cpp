#include "roundInput.h"

#include "quaroCounter.h"
#include "vorlanCharSprite.h"
#include "vorlanInput.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string clockText(int minutes, int seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes, seconds);
    return text;
}

} // namespace

frameInput liveInput::nextFrame(vorlanCharSprite& hero) {
    handler.sprite = &hero;
    handler.pollEvents();
    frameInput input;
    input.wantedDX = hero.wantedDX;
    input.wantedDY = hero.wantedDY;
    input.leave = handler.quit;
    input.pause = handler.pauseRequested;
    return input;
}

frameInput recordedInput::nextFrame(vorlanCharSprite&) {
    return run.frame(next++);
}

frameInput recordingTap::nextFrame(vorlanCharSprite& hero) {
    const frameInput input = source.nextFrame(hero);
    full = full || !run.add(input);
    return input;
}

void recordingTap::playedAt(int speed) {
    run.useAssists({std::min(speed, run.assistsUsed().speed), run.assistsUsed().lives});
}

uint32_t playThrough(quaroRound& round, const quaroRecording& run) {
    round.start(run.seed(), run.rules(), run.assistsUsed().lives);
    recordedInput recorded(run);
    while (!round.over() && !recorded.finished())
        round.step(recorded);
    return recorded.played();
}

runCheck checkRun(const quaroRecording& run, const quaroRound& round, uint32_t framesPlayed) {
    const quaroCounter& clock = *round.getCast().timeCounter;
    const std::string reached = clockText(clock.getMinutes(), clock.getSeconds());
    const std::string after = " after " + std::to_string(framesPlayed) + " of its " +
                              std::to_string(run.frameCount()) + " frames";
    runCheck check;
    if (!round.over())
        check.mismatch = "the round had not ended at " + reached + after;
    else if (framesPlayed != run.frameCount())
        check.mismatch = "the round ended at " + reached + after;
    else if (round.result() != quaroRound::roundWon)
        check.mismatch = std::string("the round was ") +
                         (round.result() == quaroRound::roundLost ? "lost" : "left") + " at " +
                         reached + ", not won";
    else if (clock.getMinutes() != run.minutes() || clock.getSeconds() != run.seconds())
        check.mismatch = "the round was won at " + reached + ", not at " +
                         clockText(run.minutes(), run.seconds());
    check.matches = check.mismatch.empty();
    return check;
}
