#include "readyMoment.h"

#include "kuScreen.h"
#include "mazeBanner.h"
#include "quaroRound.h"
#include "vorlanInput.h"

int readyMoment::hold(quaroRound& round, VorlanInputHandler& input,
                      const std::function<void()>& waitFrame) {
    const roundCast& cast = round.getCast();
    mazeBanner banner(cast.maze, banners, readingsLayout::readyBanner);
    banner.show();
    round.showActors();
    cast.screen->update();

    input.sprite = round.hero();
    // A key pressed now ends it, not one still held from the menu (s starts a round and steers).
    input.resumeRequested = false;
    int waited = 0;
    for (; waited < frames; ++waited) {
        input.pollEvents();
        if (input.resumeRequested || input.quit)
            break;
        waitFrame();
    }
    banner.hide();
    round.showActors();
    return waited;
}
