#include "roundInput.h"

#include "vorlanCharSprite.h"
#include "vorlanInput.h"

#include <algorithm>

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
