// One picture, loaded from a BMP file or grabbed from the screen, in a surface of its own and
// drawn on the screen it is tied to.
// The image is open exactly while it holds a surface.
#pragma once

#include "kuGeomUtil.h"
#include "kuSdl.h"

#include <cstdint>

class kuScreen;

class kuImage {
public:
    kuImage();
    virtual ~kuImage();
    kuImage(const kuImage&) = delete;
    kuImage& operator=(const kuImage&) = delete;

    // Loads the file directly (not through the pool), replacing the picture held before; on
    // failure raises a "FileLoad" error naming the file and the reason, and holds none.
    void loadBMP(const char* fileName);
    // Takes a copy of the area of its screen's picture, replacing the picture held before;
    // displayed at the area's corner it puts back exactly what was there.
    void grab(const kuRectangle& area);
    // Holds a copy of the source's picture, its transparent colour kept, drawn at the opacity
    // (0 invisible, 255 opaque) through the surface's own alpha; raises when memory runs out.
    void copyTranslucent(kuImage& source, uint8_t opacity);
    void close();
    bool isOpen() const { return surface != nullptr; }
    SDL_Surface* getSDLSurface();

    // Draws the part `source` with its top-left corner at `at` and records it as dirty.
    void display(const kuRectangle& source, const pt& at);
    // Copies the part `source` into the target picture with its top-left corner at `at`, as
    // display copies it onto the screen (a colour key stays transparent); nothing is recorded.
    void drawOnto(kuImage& target, const kuRectangle& source, const pt& at);
    // The size as loaded; close leaves it as it was.
    void getSize(sz& out) const { out = size; }
    void setScreen(kuScreen* newScreen) { screen = newScreen; }
    kuScreen* getScreen() const { return screen; }
    // Gives the screen the image's palette, or the 3-3-2 colour cube when it has none.
    void checkColorMap();

private:
    kuScreen* screen;
    SDL_Surface* surface;
    sz size;
};
