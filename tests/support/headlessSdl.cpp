#include "headlessSdl.h"

#include <cstdio>

std::ostream& operator<<(std::ostream& out, const rgb& colour) {
    return out << "rgb(" << int(colour.r) << ", " << int(colour.g) << ", " << int(colour.b) << ")";
}

namespace {

Uint32 readPixel(SDL_Surface* surface, int x, int y) {
    const int bpp = surface->format->BytesPerPixel;
    const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bpp;
    switch (bpp) {
    case 1:
        return *p;
    case 2:
        return *reinterpret_cast<const Uint16*>(p);
    case 3:
        return p[0] | p[1] << 8 | p[2] << 16;
    default:
        return *reinterpret_cast<const Uint32*>(p);
    }
}

} // namespace

rgb pixelAt(SDL_Surface* surface, int x, int y) {
    SDL_LockSurface(surface);
    const Uint32 value = readPixel(surface, x, y);
    SDL_UnlockSurface(surface);
    rgb colour;
    SDL_GetRGB(value, surface->format, &colour.r, &colour.g, &colour.b);
    return colour;
}

void fillSurface(SDL_Surface* surface, rgb colour) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, colour.r, colour.g, colour.b));
}

bool areaIs(SDL_Surface* surface, int x, int y, int width, int height, rgb colour) {
    for (int j = y; j < y + height; ++j)
        for (int i = x; i < x + width; ++i)
            if (pixelAt(surface, i, j) != colour)
                return false;
    return true;
}

bool areasEqual(SDL_Surface* a, int ax, int ay, SDL_Surface* b, int bx, int by, int width,
                int height) {
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i)
            if (pixelAt(a, ax + i, ay + j) != pixelAt(b, bx + i, by + j))
                return false;
    return true;
}

void writeBmp(const std::string& path, int width, int height,
              const std::function<rgb(int x, int y)>& paint) {
    SDL_Surface* surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 24, 0xff0000, 0x00ff00, 0x0000ff, 0);
    ASSERT_NE(surface, nullptr);
    SDL_LockSurface(surface);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const rgb c = paint(x, y);
            Uint8* p = static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * 3;
            const Uint32 value = SDL_MapRGB(surface->format, c.r, c.g, c.b);
            p[0] = Uint8(value);
            p[1] = Uint8(value >> 8);
            p[2] = Uint8(value >> 16);
        }
    SDL_UnlockSurface(surface);
    ASSERT_EQ(SDL_SaveBMP(surface, path.c_str()), 0) << SDL_GetError();
    SDL_FreeSurface(surface);
}

void writeSolidBmp(const std::string& path, int width, int height, rgb colour) {
    writeBmp(path, width, height, [colour](int, int) { return colour; });
}

void SdlTest::SetUp() {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
}

void SdlTest::TearDown() {
    SDL_Quit();
}

void ScreenTest::SetUp() {
    SdlTest::SetUp();
    screen.setSize({760, 520});
    screen.open();
    fillSurface(screen.getSDLSurface(), {0, 0, 0});
    screen.refreshAll();
}

void ScreenTest::TearDown() {
    if (screen.isOpen())
        screen.close();
    SdlTest::TearDown();
}

StdoutCapture::StdoutCapture() : capturing(true) {
    std::fflush(stdout);
    ::testing::internal::CaptureStdout();
}

StdoutCapture::~StdoutCapture() {
    if (capturing)
        text();
}

std::string StdoutCapture::text() {
    std::fflush(stdout);
    capturing = false;
    return ::testing::internal::GetCapturedStdout();
}
