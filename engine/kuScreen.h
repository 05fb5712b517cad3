// The display and its dirty rectangles. Everything is drawn on a canvas of the screen's size;
// drawing records the rectangle it changed, and nothing becomes visible until update, which
// copies the recorded rectangles to the output (enlarged by the scaler, newest first) and
// shows them with one library call. Drawings between beginUpdate and endUpdate merge into one.
// The canvas is the output itself where the output has exactly the canvas's size.
#pragma once

#include "kuGeomUtil.h"
#include "kuScaler.h"
#include "kuSdl.h"
#include "kuVideo.h"

#include <cstdint>
#include <memory>
#include <optional>

class kuImage;

class kuScreen {
public:
    static constexpr int maxUpdateRects = 1024;

    kuScreen();
    virtual ~kuScreen();
    kuScreen(const kuScreen&) = delete;
    kuScreen& operator=(const kuScreen&) = delete;

    // Sets the video mode at 32 bits per pixel, full screen unless setFullScreen(false) was
    // called, with the size and factor the scaler chooses for the desktop, and creates
    // globalPool. Full screen takes the desktop's own size, so the monitor keeps its mode; on a
    // desktop smaller than the canvas it cannot show the whole picture, so the screen opens in
    // a window instead and says so in a line on standard output.
    void open();
    // Forgets the output (the video library owns it), frees the canvas, deletes globalPool.
    void close();
    bool isOpen() const { return output != nullptr; }
    // The canvas everything is drawn on, getSize() large.
    SDL_Surface* getSDLSurface();
    // What the player sees: the canvas enlarged and centred, with a black border.
    SDL_Surface* getOutputSurface();

    // These take effect at the next open; only allowed while closed. The size is the canvas's;
    // a factor of 0 lets the scaler choose the largest that fits.
    void setSize(const sz& size);
    sz getSize() const { return size; }
    void setFullScreen(bool fullScreen);
    void setScale(int factor);
    // The desktop to fit instead of the one the video driver reports; full screen then has
    // exactly its size.
    void setDesktopSize(const sz& desktop);
    // The window's title, from now on.
    void setTitle(const char* title);

    // What the driver reports as the desktop's size; right only before the first video mode
    // is set (afterwards it reports the mode's size). 0 x 0 when it does not know.
    static sz reportedDesktopSize();

    // Re-opens the output in the other mode, keeping the canvas, and shows the whole picture
    // at once. When the other mode cannot be set, or full screen would not show the whole
    // canvas, the screen stays in the one it had.
    void toggleFullScreen();
    bool isFullScreen() const { return fullScreen; }
    // The factor the output shows the canvas at.
    int getScale() const { return scaler.getFactor(); }
    // The canvas point under an output point (a mouse position); none on the border.
    std::optional<pt> toCanvas(const pt& outputPoint) const { return scaler.toCanvas(outputPoint); }

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

    // Makes every recorded rectangle visible, newest first, in one library call; an all-zero
    // rectangle refreshes the whole screen. An output the player resized is fitted again
    // first, and shown whole.
    void update();
    // Makes the whole picture visible.
    void refreshAll();
    // While hidden, update forgets the recorded rectangles: drawing goes on on the canvas,
    // unseen, until refreshAll after the screen is shown again. For rounds worked out ahead.
    void setHidden(bool hide) { hidden = hide; }

    int pendingRectCount() const { return updateRectCount; }
    // The recorded rectangle at stack position i (0 the oldest).
    const kuRectangle& pendingRect(int i) const { return updateRects[i]; }

private:
    struct surfaceFree {
        void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
    };
    using ownedSurface = std::unique_ptr<SDL_Surface, surfaceFree>;

    // Sets the video mode the scaler chooses and makes the canvas, with the kept picture (if
    // any) copied onto it; a canvas of its own starts black. False when the mode cannot be set.
    bool openOutput(SDL_Surface* kept);
    // Fits the scaler to the output's real size, keeping the factor where it still fits, and
    // makes the canvas as openOutput does.
    void fitCanvas(SDL_Surface* kept);
    // After the player resized the window: the canvas fitted to the new size, shown whole.
    void followResize();
    // A copy of the canvas, which may be the output that goes away with the old mode.
    ownedSurface copyOfCanvas() const;
    // Whether full screen shows the whole canvas on the desktop; when not, says so.
    bool fullScreenFits() const;
    // The output area that shows the recorded rectangle, copied there; empty for nothing.
    SDL_Rect showOnOutput(const kuRectangle& rect);
    void record(const SDL_Rect& drawn);
    void requireOpen(const char* message);

    kuVideoOutput video;
    SDL_Surface* output; // the video library's; null while closed
    SDL_Surface* canvas; // the output itself, or ownCanvas
    ownedSurface ownCanvas;
    sz size;
    kuScaler scaler;
    std::optional<sz> desktop; // read at the first open, unless given
    bool desktopGiven;
    int forcedScale; // 0: the scaler chooses
    kuRectangle updateRects[maxUpdateRects];
    SDL_Rect shownRects[maxUpdateRects];
    int32_t updateRectCount;
    std::optional<kuRectangle> updatingRect; // still collecting inside a bracket
    bool updating;
    bool fullScreen;
    bool hidden = false;
};
