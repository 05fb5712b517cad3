// The screen on SDL 2: a window the player resizes is fitted again at the next update, at the
// largest factor its new size holds, centred, with the picture kept and shown whole.
#include "geomPrinters.h"
#include "headlessSdl.h"
#include "kuScreen.h"

#include <gtest/gtest.h>

namespace {

const rgb red = {255, 0, 0};
const rgb black = {0, 0, 0};

SDL_Window* theWindow() {
    constexpr Uint32 numbersLookedAt = 1000;
    for (Uint32 id = 1; id <= numbersLookedAt; ++id)
        if (SDL_Window* window = SDL_GetWindowFromID(id))
            return window;
    return nullptr;
}

} // namespace

TEST_F(SdlTest, AResizedWindowIsFittedAgainAndShownWhole) {
    kuScreen screen;
    screen.setSize({100, 80});
    screen.setFullScreen(false);
    screen.setScale(1);
    screen.open();
    fillSurface(screen.getSDLSurface(), black);
    screen.fillRect(rect(0, 0, 1, 1), 255, 0, 0);
    screen.update();
    ASSERT_EQ(screen.getScale(), 1);

    SDL_Window* window = theWindow();
    ASSERT_NE(window, nullptr);
    const struct {
        int width, height;
        int factor;
        pt origin;
    } sizes[] = {{320, 250, 3, {10, 5}}, {100, 80, 1, {0, 0}}, {500, 170, 2, {150, 5}}};
    for (const auto& s : sizes) {
        SDL_SetWindowSize(window, s.width, s.height);
        screen.fillRect(rect(1, 0, 1, 1), 0, 0, 0); // anything to update
        screen.update();
        SDL_Surface* output = screen.getOutputSurface();
        ASSERT_EQ(output->w, s.width);
        ASSERT_EQ(output->h, s.height);
        EXPECT_EQ(screen.getScale(), s.factor) << s.width << " x " << s.height;
        EXPECT_TRUE(areaIs(output, s.origin.x, s.origin.y, s.factor, s.factor, red));
        EXPECT_EQ(pixelAt(output, s.origin.x + s.factor, s.origin.y), black);
        EXPECT_EQ(screen.toCanvas({s.origin.x + s.factor, s.origin.y}), (pt{1, 0}));
    }
}
