// Equality and printing for the geometry records, so that a failed assertion shows
// (5, 5, 5x5) instead of bytes.
#pragma once

#include "kuGeomUtil.h"

#include <ostream>

inline bool operator==(const pt& a, const pt& b) {
    return a.x == b.x && a.y == b.y;
}
inline bool operator!=(const pt& a, const pt& b) {
    return !(a == b);
}
inline bool operator==(const sz& a, const sz& b) {
    return a.width == b.width && a.height == b.height;
}
// Field by field: unlike rectManip::isEqual, two empty rectangles differ by their positions.
inline bool operator==(const kuRectangle& a, const kuRectangle& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

inline std::ostream& operator<<(std::ostream& out, const pt& p) {
    return out << "(" << p.x << ", " << p.y << ")";
}
inline std::ostream& operator<<(std::ostream& out, const sz& s) {
    return out << s.width << "x" << s.height;
}
inline std::ostream& operator<<(std::ostream& out, const kuRectangle& r) {
    return out << "(" << r.x << ", " << r.y << ", " << r.width << "x" << r.height << ")";
}

inline kuRectangle rect(int32_t x, int32_t y, uint32_t width, uint32_t height) {
    kuRectangle r;
    rectManip::init(r, x, y, width, height);
    return r;
}
