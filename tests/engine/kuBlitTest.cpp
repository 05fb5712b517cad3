#include "kuBlit.h"
#include "headlessSdl.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

struct BlitCase {
    SDL_Rect from;
    SDL_Rect to;
};

std::ostream& operator<<(std::ostream& out, const BlitCase& c) {
    return out << "from (" << c.from.x << ", " << c.from.y << ", " << c.from.w << "x" << c.from.h
               << ") to (" << c.to.x << ", " << c.to.y << ")";
}

struct surfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using surfacePtr = std::unique_ptr<SDL_Surface, surfaceFree>;

// A 32-bit surface with a different colour on every pixel; every fifth one is the key.
surfacePtr pattern(int width, int height, Uint32 seed) {
    surfacePtr surface(
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xff0000, 0xff00, 0xff, 0));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            static_cast<Uint32*>(surface->pixels)[y * surface->pitch / 4 + x] =
                (x + y) % 5 == 0 ? 0x00ff00ffu : seed + Uint32(x * 7 + y * 131);
    return surface;
}

surfacePtr copyOf(SDL_Surface* surface) {
    return surfacePtr(SDL_ConvertSurface(surface, surface->format, SDL_SWSURFACE));
}

class BlitTest : public ::testing::TestWithParam<BlitCase> {
protected:
    // The same blit through the library and through kuBlit ends with the same rectangle and
    // the same pixels; the target clips to (3, 2, 20x14) inside its 30 x 20.
    void expectSameAsTheLibrary(bool keyed) {
        const surfacePtr picture = pattern(16, 12, 0x100000);
        if (keyed)
            SDL_SetColorKey(picture.get(), SDL_SRCCOLORKEY | SDL_RLEACCEL, 0x00ff00ff);
        const surfacePtr libraryTarget = pattern(30, 20, 0x200000);
        SDL_Rect clip = {3, 2, 20, 14};
        SDL_SetClipRect(libraryTarget.get(), &clip);
        const surfacePtr ownTarget = copyOf(libraryTarget.get());
        SDL_SetClipRect(ownTarget.get(), &clip);

        SDL_Rect from = GetParam().from;
        SDL_Rect libraryTo = GetParam().to;
        SDL_UpperBlit(picture.get(), &from, libraryTarget.get(), &libraryTo);
        SDL_Rect ownTo = GetParam().to;
        kuBlit(picture.get(), GetParam().from, ownTarget.get(), ownTo);

        EXPECT_EQ(ownTo.w, libraryTo.w);
        EXPECT_EQ(ownTo.h, libraryTo.h);
        if (libraryTo.w > 0 && libraryTo.h > 0) {
            EXPECT_EQ(ownTo.x, libraryTo.x);
            EXPECT_EQ(ownTo.y, libraryTo.y);
        }
        EXPECT_TRUE(areasEqual(ownTarget.get(), 0, 0, libraryTarget.get(), 0, 0, 30, 20));
    }
};

} // namespace

TEST_P(BlitTest, APlainPictureIsCopiedAndClippedAsTheLibraryDoes) {
    expectSameAsTheLibrary(false);
}

TEST_P(BlitTest, AKeyedPictureIsLeftToTheLibrary) {
    expectSameAsTheLibrary(true);
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, BlitTest,
    ::testing::Values(BlitCase{{2, 3, 8, 6}, {5, 4, 0, 0}},     // inside
                      BlitCase{{0, 0, 16, 12}, {0, 0, 0, 0}},   // over the top-left clip edges
                      BlitCase{{4, 2, 12, 10}, {18, 10, 0, 0}}, // over the bottom-right ones
                      BlitCase{{-3, -2, 8, 6}, {6, 6, 0, 0}},   // starts before the picture
                      BlitCase{{10, 8, 10, 10}, {4, 3, 0, 0}},  // runs past the picture
                      BlitCase{{0, 0, 5, 5}, {23, 4, 0, 0}},    // right of the clip
                      BlitCase{{0, 0, 5, 5}, {-9, 4, 0, 0}},    // left of the target
                      BlitCase{{20, 0, 5, 5}, {5, 5, 0, 0}}));  // outside the picture
