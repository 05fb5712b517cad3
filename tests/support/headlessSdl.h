// Fixtures that run SDL headless on real surfaces, and helpers to build pictures and read
// pixels back.
#pragma once

#include "kuScreen.h"
#include "sdlScript.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

struct rgb {
    uint8_t r, g, b;
    bool operator==(const rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const rgb& o) const { return !(*this == o); }
};
std::ostream& operator<<(std::ostream& out, const rgb& colour);

rgb pixelAt(SDL_Surface* surface, int x, int y);
void fillSurface(SDL_Surface* surface, rgb colour);
// True when every pixel of the rectangle has the colour.
bool areaIs(SDL_Surface* surface, int x, int y, int width, int height, rgb colour);
// True when the rectangle of `a` at (ax, ay) equals the rectangle of `b` at (bx, by).
bool areasEqual(SDL_Surface* a, int ax, int ay, SDL_Surface* b, int bx, int by, int width,
                int height);

// Writes a 24-bit BMP of the given size; paint(x, y) gives each pixel's colour.
void writeBmp(const std::string& path, int width, int height,
              const std::function<rgb(int x, int y)>& paint);
void writeSolidBmp(const std::string& path, int width, int height, rgb colour);

// SDL with the video subsystem for the duration of each test.
class SdlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// An open 760 x 520 screen, cleared to black (the dummy screen is not guaranteed to open
// black) with nothing left to update.
class ScreenTest : public SdlTest {
protected:
    void SetUp() override;
    void TearDown() override;

    kuScreen screen;
};

// Captures what is written to standard output (printf included) between start and text.
class StdoutCapture {
public:
    StdoutCapture();
    ~StdoutCapture();
    std::string text();

private:
    bool capturing;
};
