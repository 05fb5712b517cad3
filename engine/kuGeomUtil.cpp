#include "kuGeomUtil.h"

#include <algorithm>

const kuRectangle rectManip::zeroRect = {0, 0, 0, 0};
const pt pointManip::zeroPoint = {0, 0};
const sz sizeManip::zeroSize = {0, 0};

void rectManip::init(kuRectangle& rect, int32_t x, int32_t y, uint32_t width, uint32_t height) {
    rect.x = x;
    rect.y = y;
    rect.width = width;
    rect.height = height;
}

kuRectangle rectManip::expandRect(const kuRectangle& rect, int32_t dx, int32_t dy) {
    kuRectangle result;
    init(result, wrappingSum(rect.x, -uint32_t(dx)), wrappingSum(rect.y, -uint32_t(dy)),
         rect.width + 2 * uint32_t(dx), rect.height + 2 * uint32_t(dy));
    return result;
}

void rectManip::moveRect(kuRectangle& rect, int32_t dx, int32_t dy) {
    rect.x = wrappingSum(rect.x, uint32_t(dx));
    rect.y = wrappingSum(rect.y, uint32_t(dy));
}

kuRectangle rectManip::intersection(const kuRectangle& a, const kuRectangle& b) {
    if (isEmpty(a) || isEmpty(b))
        return zeroRect;
    const int32_t left = std::max(a.x, b.x);
    const int32_t top = std::max(a.y, b.y);
    const int32_t right = std::min(wrappingSum(maxX(a), -1u), wrappingSum(maxX(b), -1u));
    const int32_t bottom = std::min(wrappingSum(maxY(a), -1u), wrappingSum(maxY(b), -1u));
    kuRectangle result;
    if (right < left || bottom < top)
        init(result, left, top, 0, 0);
    else
        init(result, left, top, uint32_t(right) - uint32_t(left) + 1,
             uint32_t(bottom) - uint32_t(top) + 1);
    return result;
}

void rectManip::intersect(kuRectangle& a, const kuRectangle& b) {
    a = intersection(a, b);
}

kuRectangle rectManip::unionRect(const kuRectangle& a, const kuRectangle& b) {
    if (isEmpty(a) || isEmpty(b))
        return zeroRect;
    const int32_t left = std::min(a.x, b.x);
    const int32_t top = std::min(a.y, b.y);
    const int32_t right = std::max(maxX(a), maxX(b));
    const int32_t bottom = std::max(maxY(a), maxY(b));
    kuRectangle result;
    init(result, left, top, uint32_t(right) - uint32_t(left), uint32_t(bottom) - uint32_t(top));
    return result;
}

void rectManip::unite(kuRectangle& a, const kuRectangle& b) {
    a = unionRect(a, b);
}

void rectManip::divideRect(const kuRectangle& source, kuRectangle& slice, kuRectangle& remainder,
                           uint32_t amount, kuRectangleEdge edge) {
    const bool horizontalCut = edge == leftEdge || edge == rightEdge;
    const bool knownEdge = horizontalCut || edge == topEdge || edge == bottomEdge;
    if (isEmpty(source) || !knownEdge) {
        slice = zeroRect;
        remainder = zeroRect;
        return;
    }
    const uint32_t extent = horizontalCut ? source.width : source.height;
    const bool wholeSource = amount > extent;
    if (wholeSource)
        amount = extent;
    switch (edge) {
    case leftEdge:
        init(slice, source.x, source.y, amount, source.height);
        init(remainder, wrappingSum(source.x, amount), source.y, source.width - amount,
             source.height);
        break;
    case topEdge:
        init(slice, source.x, source.y, source.width, amount);
        init(remainder, source.x, wrappingSum(source.y, amount), source.width,
             source.height - amount);
        break;
    case rightEdge:
        init(slice, wrappingSum(maxX(source), -amount), source.y, amount, source.height);
        init(remainder, source.x, source.y, source.width - amount, source.height);
        break;
    case bottomEdge:
        init(slice, source.x, wrappingSum(maxY(source), -amount), source.width, amount);
        init(remainder, source.x, source.y, source.width, source.height - amount);
        break;
    }
    if (wholeSource)
        remainder = zeroRect;
}

bool rectManip::isEqual(const kuRectangle& a, const kuRectangle& b) {
    if (isEmpty(a) && isEmpty(b))
        return true;
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

bool rectManip::containsPoint(const kuRectangle& rect, const pt& p) {
    if (isEmpty(rect))
        return false;
    return rect.x <= p.x && p.x < maxX(rect) && rect.y <= p.y && p.y < maxY(rect);
}

bool rectManip::containsRect(const kuRectangle& outer, const kuRectangle& inner) {
    if (isEmpty(outer) || isEmpty(inner))
        return false;
    return outer.x <= inner.x && outer.y <= inner.y && maxX(outer) >= maxX(inner) &&
           maxY(outer) >= maxY(inner);
}

void pointManip::init(pt& point, int32_t x, int32_t y) {
    point.x = x;
    point.y = y;
}

void pointManip::movePoint(pt& point, int32_t dx, int32_t dy) {
    point.x = wrappingSum(point.x, uint32_t(dx));
    point.y = wrappingSum(point.y, uint32_t(dy));
}

void sizeManip::init(sz& size, uint32_t width, uint32_t height) {
    size.width = width;
    size.height = height;
}
