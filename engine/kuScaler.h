// The whole-number enlargement between the game's canvas and the output the player sees.
// Every canvas pixel becomes a factor x factor block of the output, and the enlarged canvas
// sits in the output's centre; the rest of the output is border. The factor is at least 1, and
// the enlarged canvas lies inside the output except on an output smaller than the canvas,
// which shows the canvas's top-left part.
#pragma once

#include "kuGeomUtil.h"
#include "kuSdl.h"

#include <optional>

class kuScaler {
public:
    // The desktop as the video driver reported it; 0 x 0 (no real display) counts as the
    // canvas size.
    static sz usableDesktop(const sz& reported, const sz& canvas);
    // Whether the canvas enlarged by factor fits the whole desktop.
    static bool fitsFullScreen(const sz& canvas, const sz& desktop, int factor);
    // The largest factor that fits, at least 1: in full screen the whole desktop, in a window
    // 90% of the desktop's width and 85% of its height.
    static int largestFactor(const sz& canvas, const sz& desktop, bool fullScreen);
    // The enlargement for a display. A forced factor (0 for none) always holds in a window; in
    // full screen only where it fits. Full screen takes the desktop's own size, or the
    // canvas's when even factor 1 does not fit the desktop; a window is the enlarged canvas.
    static kuScaler forDisplay(const sz& canvas, const sz& desktop, bool fullScreen,
                               int forcedFactor);

    // The enlargement that fills an output of a given size as far as it can: the preferred
    // factor (0 for none) where it fits, otherwise the largest that fits.
    static kuScaler forOutput(const sz& canvas, const sz& output, int preferredFactor);

    // The canvas shown unchanged on an output of its own size.
    explicit kuScaler(const sz& canvas);

    int getFactor() const { return factor; }
    sz getOutputSize() const { return output; }
    sz getCanvasSize() const { return canvas; }
    // True when the output is the canvas itself: factor 1 and no border.
    bool isIdentity() const;
    // Where the enlarged canvas lies in the output.
    kuRectangle canvasArea() const;

    // The canvas point shown at the output point; none on the border or outside the output.
    std::optional<pt> toCanvas(const pt& outputPoint) const;
    // The output area that shows the canvas rectangle, clipped to the canvas first.
    kuRectangle toOutput(const kuRectangle& canvasRect) const;

    // Copies the canvas rectangle (clipped to the canvas) into the output, every pixel an
    // N x N block, and returns the output area written. Both surfaces have 4 bytes per pixel
    // in the same format, the canvas surface this scaler's canvas size and the output its
    // output size. Nothing becomes visible: the caller updates the returned area.
    SDL_Rect copy(SDL_Surface* from, SDL_Surface* to, const kuRectangle& canvasRect) const;

private:
    kuScaler(const sz& canvas, const sz& output, int factor);

    sz canvas;
    sz output;
    int factor;
    pt origin; // the enlarged canvas's top-left corner in the output
};
