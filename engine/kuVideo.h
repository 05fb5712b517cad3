// The output the player sees and the library calls that show parts of it, with the few surface
// calls that differ between SDL 1.2 and SDL 2. One implementation per SDL, chosen by the build:
// kuVideoSdl1.cpp sets SDL 1.2's video mode (the classic desktop build and the browser's),
// kuVideoSdl2.cpp keeps one SDL 2 window and shows its surface by rectangles.
#pragma once

#include "kuGeomUtil.h"
#include "kuSdl.h"

#include <memory>
#include <string>

class kuVideoOutput {
public:
    kuVideoOutput();
    ~kuVideoOutput();
    kuVideoOutput(const kuVideoOutput&) = delete;
    kuVideoOutput& operator=(const kuVideoOutput&) = delete;

    // Shows an output of the size at 32 bits per pixel, in a window or full screen, and returns
    // its surface, or null with SDL's error text set. Full screen takes the desktop's own size
    // (the monitor keeps its mode) unless `exact`, where the output has the size whatever the
    // desktop is. A window the player resizes stays at least `smallest`. Opening again replaces
    // the window, keeping nothing of its picture. The surface is the library's; it may
    // have another size than asked for (a window manager's choice, a display with more pixels
    // than points): its own size is what counts.
    SDL_Surface* open(const sz& size, const sz& smallest, bool fullScreen, bool exact);
    // Forgets the surface and closes the window.
    void close();
    // Makes the areas of the surface visible with one library call.
    void show(const SDL_Rect* areas, int count);
    void showAll();
    // True when the output no longer has the size of the surface open returned (the player
    // resized the window); surfaceAfterResize then gives the new surface.
    bool resized() const;
    // The surface at the output's new size, which replaces the one before; null with SDL's
    // error text set when there is none.
    SDL_Surface* surfaceAfterResize();
    // The window's title; kept for the windows opened later.
    void setTitle(const std::string& title);

    // The desktop's size as the video driver reports it, before an output is open; 0 x 0 when
    // it does not know.
    static sz desktopSize();

private:
    struct state;
    std::unique_ptr<state> my;
};

namespace kuSurfaces {

// A new surface of the size in the pixel format of `like`, or null.
SDL_Surface* createLike(const SDL_Surface* like, int width, int height);
// True when a copy of the picture writes its pixels as they are: no colour key, no alpha.
bool isPlain(const SDL_Surface* picture);
// From now on the pixels of this colour are not drawn when the picture is copied elsewhere.
void setColourKey(SDL_Surface* picture, Uint8 red, Uint8 green, Uint8 blue);
// Gives a surface with a palette these colours from its first entry on; nothing for others.
void setColours(SDL_Surface* surface, const SDL_Color* colours, int count);
// A copy of the picture in the pixel format the output shows best, or null when there is no
// output yet or the conversion fails; the caller frees both.
SDL_Surface* inDisplayFormat(SDL_Surface* picture);
// A copy of the picture, keeping its colour key, drawn at this opacity (255 opaque) wherever it
// is copied; null when out of memory.
SDL_Surface* translucentCopy(SDL_Surface* picture, Uint8 opacity);

} // namespace kuSurfaces
