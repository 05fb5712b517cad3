// A cairo drawing surface that owns its surface and context, with the few drawing idioms
// every picture of the game uses: parts filled and edged in ink, rounded boxes, capsules.
#pragma once

#include "picture.h"

#include <cairo.h>

class Canvas {
public:
    // A transparent ARGB surface; `smooth` false draws without anti-aliasing.
    Canvas(int width, int height, bool smooth = true);
    // Draws on the given surface (an SVG surface, say), which the canvas then owns.
    Canvas(cairo_surface_t* surface, int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return context; }
    cairo_surface_t* surface() const { return target; }
    int width() const { return w; }
    int height() const { return h; }
    Picture picture() const { return Picture::fromSurface(target); }

    void colour(rgba c) const;
    // Fills the current path with `fill` and edges it with `edge` of the given width; the
    // path is consumed.
    void fillEdge(rgba fill, rgba edge, double edgeWidth = 1.0) const;
    void fill(rgba c) const;
    void stroke(rgba c, double lineWidth) const;

    // Path builders: they add to the current path and draw nothing.
    void roundedBox(double x, double y, double width, double height, double radius) const;
    void ellipse(double cx, double cy, double rx, double ry) const;
    void circle(double cx, double cy, double r) const { ellipse(cx, cy, r, r); }
    // A line from (x0, y0) to (x1, y1) with round caps, stroked `thickness` wide in `c`.
    void capsule(double x0, double y0, double x1, double y1, double thickness, rgba c) const;

    // Pastes a picture at (x, y) through cairo, so that transformations apply.
    void paste(const Picture& picture, double x, double y) const;

private:
    int w;
    int h;
    cairo_surface_t* target;
    cairo_t* context;
};

// Turns a picture into a cairo surface (premultiplied); the caller destroys it.
cairo_surface_t* surfaceOf(const Picture& picture);
