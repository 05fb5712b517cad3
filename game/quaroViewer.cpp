#include "quaroViewer.h"

#include "kuScreen.h"
#include "quaroRound.h"
#include "vorlanCharSprite.h"

#include <algorithm>

const std::array<viewerKey, 12> viewerKeys = {{
    {SDLK_SPACE, viewerAction::pause, "P or Space: pause"},
    {SDLK_p, viewerAction::pause, ""},
    {SDLK_RIGHT, viewerAction::stepForward, "Right, Left: step"},
    {SDLK_LEFT, viewerAction::stepBack, ""},
    {SDLK_PLUS, viewerAction::faster, "+, -: speed"},
    {SDLK_EQUALS, viewerAction::faster, ""},
    {SDLK_KP_PLUS, viewerAction::faster, ""},
    {SDLK_MINUS, viewerAction::slower, ""},
    {SDLK_KP_MINUS, viewerAction::slower, ""},
    {SDLK_HOME, viewerAction::restart, "Home: start again"},
    {SDLK_t, viewerAction::takeOver, "T: take over"},
    {SDLK_c, viewerAction::copyLink, "C: copy link"},
}};

viewerAction viewerActionOf(SDLKey key) {
    for (const viewerKey& k : viewerKeys)
        if (k.key == key)
            return k.action;
    return viewerAction::none;
}

// The input source that plays the run's frames, one per call, from the viewer's position.
namespace {
class runFrames : public roundInputSource {
public:
    runFrames(const quaroRecording& run, uint32_t& next) : run(run), next(next) {}
    frameInput nextFrame(vorlanCharSprite&) override { return run.frame(next++); }

private:
    const quaroRecording& run;
    uint32_t& next;
};
} // namespace

quaroViewer::quaroViewer(quaroRound& round, const quaroRecording& run, kuScreen& screen)
    : round(round), run(run), screen(screen) {
    screen.setHidden(true);
    restartRound();
    while (!finished()) {
        const int knockOuts = round.knockOuts();
        const int32_t superLeft = round.superFramesLeft();
        playOne();
        if (round.superFramesLeft() > superLeft)
            found.push_back({next - 1, true});
        if (round.knockOuts() > knockOuts)
            found.push_back({next - 1, false});
    }
    restartRound();
    screen.setHidden(false);
    screen.refreshAll();
}

void quaroViewer::restartRound() {
    round.start(run.seed(), run.rules(), run.assistsUsed().lives);
    next = 0;
    last = frameInput();
}

void quaroViewer::playOne() {
    runFrames frames(run, next);
    last = round.step(frames);
}

uint32_t quaroViewer::frame() const {
    return next;
}

bool quaroViewer::finished() const {
    return round.over() || next >= run.frameCount();
}

void quaroViewer::tick() {
    if (isPaused)
        return;
    quarters += speedQuarters[size_t(speedIndex)];
    for (; quarters >= 4 && !finished(); quarters -= 4)
        playOne();
    if (finished())
        quarters = 0;
}

void quaroViewer::seek(uint32_t frame) {
    if (frame < next) {
        screen.setHidden(true);
        restartRound();
    }
    while (next < frame && !finished())
        playOne();
    screen.setHidden(false);
    screen.refreshAll();
}

void quaroViewer::act(viewerAction action) {
    switch (action) {
    case viewerAction::pause:
        isPaused = !isPaused;
        quarters = 0;
        break;
    case viewerAction::stepForward:
        if (isPaused && !finished())
            playOne();
        break;
    case viewerAction::stepBack:
        if (isPaused && next > 0)
            seek(next - 1);
        break;
    case viewerAction::faster:
        speedIndex = std::min(speedIndex + 1, int(speedQuarters.size()) - 1);
        break;
    case viewerAction::slower:
        speedIndex = std::max(speedIndex - 1, 0);
        break;
    case viewerAction::restart:
        seek(0);
        break;
    case viewerAction::takeOver:
        takeOver = true;
        break;
    case viewerAction::copyLink:
    case viewerAction::none:
        break;
    }
}
