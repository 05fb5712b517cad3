// Plain geometry records in screen pixels (x to the right, y downwards) and the static
// operations on them. A rectangle is empty when its width or its height is 0; a size only
// when both are 0.
#pragma once

#include <cstdint>

struct pt {
    int32_t x;
    int32_t y;
};

struct sz {
    uint32_t width;
    uint32_t height;
};

// Covers columns x to x + width - 1 and rows y to y + height - 1. Height is stored before
// width, but every operation takes the extent as width, height.
struct kuRectangle {
    int32_t x;
    int32_t y;
    uint32_t height;
    uint32_t width;
};

// A fixed underlying type, so that any 32-bit value (divideRect refuses unknown ones) is a
// valid value of the type.
enum kuRectangleEdge : int32_t { leftEdge = 0, topEdge = 1, rightEdge = 2, bottomEdge = 3 };

// Coordinate sums wrap around as 32-bit values instead of overflowing.
inline int32_t wrappingSum(int32_t a, uint32_t b) {
    return int32_t(uint32_t(a) + b);
}

class rectManip {
public:
    static const kuRectangle zeroRect;

    static void init(kuRectangle& rect, int32_t x, int32_t y, uint32_t width, uint32_t height);
    static int32_t minX(const kuRectangle& rect) { return rect.x; }
    static int32_t minY(const kuRectangle& rect) { return rect.y; }
    static int32_t midX(const kuRectangle& rect) { return wrappingSum(rect.x, rect.width / 2); }
    static int32_t midY(const kuRectangle& rect) { return wrappingSum(rect.y, rect.height / 2); }
    // Exclusive: the first column or row outside the rectangle.
    static int32_t maxX(const kuRectangle& rect) { return wrappingSum(rect.x, rect.width); }
    static int32_t maxY(const kuRectangle& rect) { return wrappingSum(rect.y, rect.height); }
    static pt position(const kuRectangle& rect) { return {rect.x, rect.y}; }

    // Grows by dx on the left and on the right, by dy above and below; negative values shrink.
    static kuRectangle expandRect(const kuRectangle& rect, int32_t dx, int32_t dy);
    static void moveRect(kuRectangle& rect, int32_t dx, int32_t dy);

    // The overlap. An empty operand gives zeroRect; rectangles that miss each other give an
    // empty rectangle at the larger x and the larger y.
    static kuRectangle intersection(const kuRectangle& a, const kuRectangle& b);
    static void intersect(kuRectangle& a, const kuRectangle& b);
    // The bounding rectangle. An empty operand gives zeroRect, not the other operand.
    static kuRectangle unionRect(const kuRectangle& a, const kuRectangle& b);
    static void unite(kuRectangle& a, const kuRectangle& b);
    // Cuts a strip of `amount` pixels from the given side of source; the slice always lies
    // inside the source.
    static void divideRect(const kuRectangle& source, kuRectangle& slice, kuRectangle& remainder,
                           uint32_t amount, kuRectangleEdge edge);

    static bool isEmpty(const kuRectangle& rect) { return rect.width == 0 || rect.height == 0; }
    // Any two empty rectangles are equal, whatever their positions.
    static bool isEqual(const kuRectangle& a, const kuRectangle& b);
    static bool containsPoint(const kuRectangle& rect, const pt& p);
    static bool containsRect(const kuRectangle& outer, const kuRectangle& inner);
};

class pointManip {
public:
    static const pt zeroPoint;

    static void init(pt& point, int32_t x, int32_t y);
    static bool isEqual(const pt& a, const pt& b) { return a.x == b.x && a.y == b.y; }
    static void movePoint(pt& point, int32_t dx, int32_t dy);
};

class sizeManip {
public:
    static const sz zeroSize;

    static void init(sz& size, uint32_t width, uint32_t height);
    static bool isEmpty(const sz& size) { return size.width == 0 && size.height == 0; }
    static bool isEqual(const sz& a, const sz& b) {
        return a.width == b.width && a.height == b.height;
    }
};
