#include "geomPrinters.h"

#include <gtest/gtest.h>

#include <climits>

TEST(RectManipTest, InitStoresValuesAndDerivesEdges) {
    const kuRectangle r = rect(10, 20, 30, 40);
    EXPECT_EQ(r.x, 10);
    EXPECT_EQ(r.y, 20);
    EXPECT_EQ(r.width, 30u);
    EXPECT_EQ(r.height, 40u);
    EXPECT_EQ(rectManip::maxX(r), 40);
    EXPECT_EQ(rectManip::maxY(r), 60);
    EXPECT_EQ(rectManip::midX(r), 25);
    EXPECT_EQ(rectManip::midY(r), 40);
    EXPECT_EQ(rectManip::midX(rect(0, 0, 5, 1)), 2);
    EXPECT_EQ(rectManip::midX(rect(-10, 0, 5, 1)), -8);
}

TEST(RectManipTest, EmptyRectangleDiffersFromEmptySize) {
    EXPECT_TRUE(rectManip::isEmpty(rect(3, 3, 0, 7)));
    EXPECT_TRUE(rectManip::isEmpty(rect(3, 3, 7, 0)));
    EXPECT_FALSE(rectManip::isEmpty(rect(3, 3, 1, 1)));
    EXPECT_FALSE(sizeManip::isEmpty({0, 7}));
    EXPECT_FALSE(sizeManip::isEmpty({5, 0}));
    EXPECT_TRUE(sizeManip::isEmpty(sizeManip::zeroSize));
}

struct TwoRectCase {
    kuRectangle a, b, expected;
};

class IntersectionTest : public ::testing::TestWithParam<TwoRectCase> {};

TEST_P(IntersectionTest, GivesOverlapOrPlacedMiss) {
    const TwoRectCase& c = GetParam();
    EXPECT_EQ(rectManip::intersection(c.a, c.b), c.expected);
    kuRectangle inPlace = c.a;
    rectManip::intersect(inPlace, c.b);
    EXPECT_EQ(inPlace, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntersectionTest,
    ::testing::Values(TwoRectCase{rect(0, 0, 10, 10), rect(5, 5, 10, 10), rect(5, 5, 5, 5)},
                      // touching edges do not overlap: empty, placed at the larger x and y
                      TwoRectCase{rect(0, 0, 10, 10), rect(10, 0, 10, 10), rect(10, 0, 0, 0)},
                      TwoRectCase{rect(0, 0, 10, 10), rect(30, 40, 5, 5), rect(30, 40, 0, 0)},
                      // only an empty operand gives the all-zero rectangle
                      TwoRectCase{rect(0, 0, 10, 10), rect(4, 4, 0, 3), rect(0, 0, 0, 0)},
                      TwoRectCase{rect(-20, -20, 15, 30), rect(-10, 0, 20, 20),
                                  rect(-10, 0, 5, 10)},
                      TwoRectCase{rect(0, 0, 10, 10), rect(2, 2, 3, 3), rect(2, 2, 3, 3)}));

class UnionTest : public ::testing::TestWithParam<TwoRectCase> {};

TEST_P(UnionTest, GivesBoundingRectangleOrZero) {
    const TwoRectCase& c = GetParam();
    EXPECT_EQ(rectManip::unionRect(c.a, c.b), c.expected);
    kuRectangle inPlace = c.a;
    rectManip::unite(inPlace, c.b);
    EXPECT_EQ(inPlace, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnionTest,
    ::testing::Values(TwoRectCase{rect(0, 0, 10, 10), rect(20, 5, 10, 10), rect(0, 0, 30, 15)},
                      TwoRectCase{rect(0, 0, 10, 10), rect(50, 50, 0, 0), rect(0, 0, 0, 0)},
                      TwoRectCase{rect(7, 7, 0, 4), rect(0, 0, 10, 10), rect(0, 0, 0, 0)},
                      TwoRectCase{rect(-5, -5, 5, 5), rect(5, 5, 5, 5), rect(-5, -5, 15, 15)}));

TEST(RectManipTest, EqualityTreatsAllEmptyRectanglesAlike) {
    EXPECT_TRUE(rectManip::isEqual(rect(1, 2, 0, 5), rect(7, 8, 3, 0)));
    EXPECT_TRUE(rectManip::isEqual(rect(1, 2, 3, 4), rect(1, 2, 3, 4)));
    EXPECT_FALSE(rectManip::isEqual(rect(1, 2, 3, 4), rect(1, 2, 4, 3)));
    EXPECT_FALSE(rectManip::isEqual(rect(1, 2, 3, 4), rect(1, 2, 0, 4)));
}

TEST(RectManipTest, ContainsPointExcludesRightAndBottomEdges) {
    EXPECT_TRUE(rectManip::containsPoint(rect(0, 0, 10, 10), {0, 0}));
    EXPECT_TRUE(rectManip::containsPoint(rect(0, 0, 10, 10), {9, 9}));
    EXPECT_FALSE(rectManip::containsPoint(rect(0, 0, 10, 10), {10, 5}));
    EXPECT_FALSE(rectManip::containsPoint(rect(0, 0, 10, 10), {5, 10}));
    EXPECT_TRUE(rectManip::containsPoint(rect(-10, 0, 20, 5), {-7, 2}));
    EXPECT_FALSE(rectManip::containsPoint(rect(-10, 0, 20, 5), {-11, 2}));
    EXPECT_FALSE(rectManip::containsPoint(rect(0, 0, 0, 10), {0, 0}));
}

TEST(RectManipTest, ContainsRectNeedsTwoNonEmptyRectangles) {
    const kuRectangle r = rect(-5, -5, 10, 10);
    EXPECT_TRUE(rectManip::containsRect(r, r));
    EXPECT_TRUE(rectManip::containsRect(r, rect(-5, 0, 10, 5)));
    EXPECT_FALSE(rectManip::containsRect(r, rect(-5, 0, 10, 6)));
    EXPECT_FALSE(rectManip::containsRect(r, rect(0, 0, 0, 0)));
    EXPECT_FALSE(rectManip::containsRect(rect(0, 0, 0, 0), rect(0, 0, 0, 0)));
}

struct DivideCase {
    uint32_t amount;
    int edge;
    kuRectangle slice, remainder;
};

class DivideRectTest : public ::testing::TestWithParam<DivideCase> {};

TEST_P(DivideRectTest, CutsStripFromEdge) {
    const DivideCase& c = GetParam();
    kuRectangle slice = rect(99, 99, 99, 99), remainder = rect(99, 99, 99, 99);
    rectManip::divideRect(rect(0, 0, 100, 50), slice, remainder, c.amount,
                          static_cast<kuRectangleEdge>(c.edge));
    EXPECT_EQ(slice, c.slice);
    EXPECT_EQ(remainder, c.remainder);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DivideRectTest,
    ::testing::Values(DivideCase{30, leftEdge, rect(0, 0, 30, 50), rect(30, 0, 70, 50)},
                      DivideCase{30, rightEdge, rect(70, 0, 30, 50), rect(0, 0, 70, 50)},
                      DivideCase{20, topEdge, rect(0, 0, 100, 20), rect(0, 20, 100, 30)},
                      DivideCase{20, bottomEdge, rect(0, 30, 100, 20), rect(0, 0, 100, 30)},
                      DivideCase{120, rightEdge, rect(0, 0, 100, 50), rect(0, 0, 0, 0)},
                      DivideCase{60, topEdge, rect(0, 0, 100, 50), rect(0, 0, 0, 0)},
                      // an amount equal to the extent leaves a placed empty remainder
                      DivideCase{100, leftEdge, rect(0, 0, 100, 50), rect(100, 0, 0, 50)},
                      DivideCase{30, 7, rect(0, 0, 0, 0), rect(0, 0, 0, 0)}));

TEST(RectManipTest, DivideEmptySourceGivesZeroRectangles) {
    kuRectangle slice = rect(1, 1, 1, 1), remainder = rect(1, 1, 1, 1);
    rectManip::divideRect(rect(5, 5, 0, 10), slice, remainder, 3, leftEdge);
    EXPECT_EQ(slice, rectManip::zeroRect);
    EXPECT_EQ(remainder, rectManip::zeroRect);
}

TEST(RectManipTest, ExpandAndMove) {
    EXPECT_EQ(rectManip::expandRect(rect(10, 10, 20, 20), 2, 3), rect(8, 7, 24, 26));
    EXPECT_EQ(rectManip::expandRect(rect(10, 10, 20, 20), -2, -3), rect(12, 13, 16, 14));
    kuRectangle r = rect(10, 10, 5, 5);
    rectManip::moveRect(r, -15, 3);
    EXPECT_EQ(r, rect(-5, 13, 5, 5));
    EXPECT_EQ(rectManip::position(r), (pt{-5, 13}));
}

// Sums past the 32-bit range wrap around instead of overflowing (UBSan checks the build).
TEST(RectManipTest, SumsNearTheEndOfTheRangeWrap) {
    constexpr int32_t top = INT32_MAX;
    const kuRectangle edge = rect(top - 1, top, 10, 4);
    EXPECT_EQ(rectManip::maxX(edge), INT32_MIN + 8);
    EXPECT_EQ(rectManip::midY(edge), INT32_MIN + 1);
    EXPECT_EQ(rectManip::expandRect(rect(INT32_MIN, 0, 2, 2), 1, 0), rect(top, 0, 4, 2));
    kuRectangle moved = rect(top, 0, 1, 1);
    rectManip::moveRect(moved, 1, 0);
    EXPECT_EQ(moved, rect(INT32_MIN, 0, 1, 1));
    pt point = {INT32_MIN, 0};
    pointManip::movePoint(point, -1, 0);
    EXPECT_EQ(point, (pt{top, 0}));
    rectManip::intersection(edge, rect(top - 5, top - 5, 100, 100));
    rectManip::unionRect(edge, rect(0, 0, 1, 1));
    kuRectangle slice, remainder;
    rectManip::divideRect(edge, slice, remainder, 3, rightEdge);
    EXPECT_EQ(slice, rect(INT32_MIN + 5, top, 3, 4));
    rectManip::divideRect(edge, slice, remainder, 3, static_cast<kuRectangleEdge>(7));
    EXPECT_EQ(slice, rectManip::zeroRect);
}

TEST(PointAndSizeManipTest, InitMoveAndCompare) {
    pt p;
    pointManip::init(p, 3, -4);
    pointManip::movePoint(p, -3, 4);
    EXPECT_TRUE(pointManip::isEqual(p, pointManip::zeroPoint));
    sz s;
    sizeManip::init(s, 40, 30);
    EXPECT_TRUE(sizeManip::isEqual(s, {40, 30}));
    EXPECT_FALSE(sizeManip::isEqual(s, {30, 40}));
}
