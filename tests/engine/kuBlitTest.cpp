#include "kuBlit.h"
#include "headlessSdl.h"
#include "kuPlatform.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

constexpr Uint32 key = 0x00ff00ff; // red 255, green 0, blue 255

// A 32-bit surface with a different colour on every pixel; every fifth one is the key.
SDL_Surface* pattern(int width, int height, Uint32 seed) {
    SDL_Surface* surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xff0000, 0xff00, 0xff, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            static_cast<Uint32*>(surface->pixels)[y * surface->pitch / 4 + x] =
                (x + y) % 5 == 0 ? key : seed + Uint32(x * 7 + y * 131);
    return surface;
}

// A source part and the destination point, and whether the picture is keyed.
class BlitTest : public ::testing::TestWithParam<std::tuple<SDL_Rect, SDL_Rect, bool>> {};

} // namespace

// The target clips to (3, 2, 20x14) inside its 30 x 20; the picture is 16 x 12.
TEST_P(BlitTest, ClipsAndCopiesAsTheLibrarysBlitDoes) {
    const auto& [from, at, keyed] = GetParam();
    SDL_Surface* picture = pattern(16, 12, 0x100000);
    if (keyed)
        kuPlatform::setColourKey(picture, 0xff, 0x00, 0xff);
    SDL_Surface* targets[2] = {pattern(30, 20, 0x200000), pattern(30, 20, 0x200000)};
    SDL_Rect clip = {3, 2, 20, 14};
    SDL_Rect libraryTo = at;
    SDL_Rect ownTo = at;
    SDL_Rect libraryFrom = from;
    for (SDL_Surface* target : targets)
        SDL_SetClipRect(target, &clip);
    SDL_UpperBlit(picture, &libraryFrom, targets[0], &libraryTo);
    kuBlit(picture, from, targets[1], ownTo);

    EXPECT_EQ(ownTo.w, libraryTo.w);
    EXPECT_EQ(ownTo.h, libraryTo.h);
    if (libraryTo.w > 0 && libraryTo.h > 0) {
        EXPECT_EQ(ownTo.x, libraryTo.x);
        EXPECT_EQ(ownTo.y, libraryTo.y);
    }
    EXPECT_TRUE(areasEqual(targets[1], 0, 0, targets[0], 0, 0, 30, 20));
    for (SDL_Surface* surface : {picture, targets[0], targets[1]})
        SDL_FreeSurface(surface);
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, BlitTest,
    ::testing::Combine(::testing::Values(SDL_Rect{2, 3, 8, 6},    // inside
                                         SDL_Rect{0, 0, 16, 12},  // the whole picture
                                         SDL_Rect{-3, -2, 8, 6},  // starting before it
                                         SDL_Rect{10, 8, 10, 10}, // running past it
                                         SDL_Rect{20, 0, 5, 5}),  // outside it
                       ::testing::Values(SDL_Rect{5, 4, 0, 0},    // inside the clip
                                         SDL_Rect{0, 0, 0, 0},    // over its top-left edges
                                         SDL_Rect{18, 10, 0, 0},  // over its bottom-right ones
                                         SDL_Rect{-9, 4, 0, 0}),  // left of the target
                       ::testing::Bool()));
