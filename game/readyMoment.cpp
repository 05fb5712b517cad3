#include "readyMoment.h"

#include "kuScreen.h"
#include "mazeBanner.h"
#include "quaroRound.h"
#include "vorlanCharSprite.h"
#include "vorlanInput.h"

int readyMoment::hold(quaroRound& round, VorlanInputHandler& input,
                      const std::function<void()>& waitFrame) {
    const roundCast& cast = round.getCast();
    mazeBanner banner(cast.maze, banners, readingsLayout::readyBanner);
    banner.show();
    round.showActors();
    cast.screen->update();

    vorlanCharSprite* hero = round.hero();
    input.sprite = hero;
    int waited = 0;
    for (; waited < frames; ++waited) {
        input.pollEvents();
        if (hero->wantedDX != 0 || hero->wantedDY != 0 || input.quit)
            break;
        waitFrame();
    }
    banner.hide();
    round.showActors();
    return waited;
}
