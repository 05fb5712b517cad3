// The display surface and its dirty rectangles. Drawing records the rectangle it changed;
// nothing becomes visible until update, which shows each recorded rectangle with its own
// library call, newest first. Drawings between beginUpdate and endUpdate merge into one.
#pragma once

#include "kuGeomUtil.h"

#include <SDL.h>

#include <cstdint>
#include <optional>

class kuImage;

class kuScreen {
public:
    static constexpr int maxUpdateRects = 1024;

    kuScreen();
    virtual ~kuScreen();
    kuScreen(const kuScreen&) = delete;
    kuScreen& operator=(const kuScreen&) = delete;

    // Sets the video mode at the stored size and 32 bits per pixel, full screen unless
    // setFullScreen(false) was called, and creates globalPool.
    void open();
    // Forgets the surface (the video library owns it) and deletes globalPool.
    void close();
    bool isOpen() const { return surface != nullptr; }
    SDL_Surface* getSDLSurface();

    // Both take effect at the next open; only allowed while closed.
    void setSize(const sz& size);
    sz getSize() const { return size; }
    void setFullScreen(bool fullScreen);

    void beginUpdate();
    // Records what was drawn since beginUpdate as one dirty rectangle.
    void endUpdate();
    // Drops what was drawn since beginUpdate: it stays on the surface but is not shown.
    void dontUpdate();
    // Moves the collecting rectangle onto the stack; nothing when nothing is collecting.
    void pushUpdatingRect();

    // Copies the part `source` of image with its top-left corner at `at` and records the
    // clipped destination. Drawing outside the screen is reported on standard output.
    void display(kuImage* image, const kuRectangle& source, const pt& at);
    // Paints `area` in the colour and records it.
    void fillRect(const kuRectangle& area, int red, int green, int blue);

    // Makes every recorded rectangle visible, newest first; an all-zero rectangle refreshes
    // the whole screen.
    void update();
    void refreshAll();

    int pendingRectCount() const { return updateRectCount; }
    // The recorded rectangle at stack position i (0 the oldest).
    const kuRectangle& pendingRect(int i) const { return updateRects[i]; }

private:
    void record(const SDL_Rect& drawn);
    void requireOpen(const char* message);

    SDL_Surface* surface;
    sz size;
    kuRectangle updateRects[maxUpdateRects];
    int32_t updateRectCount;
    std::optional<kuRectangle> updatingRect; // still collecting inside a bracket
    bool updating;
    bool fullScreen;
};
