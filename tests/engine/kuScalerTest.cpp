#include "kuScaler.h"
#include "geomPrinters.h"

#include <gtest/gtest.h>

namespace {

const sz canvas = {760, 520};

struct FactorCase {
    sz desktop;
    int fullScreen;
    int window;
};

class ScalerFactorTest : public ::testing::TestWithParam<FactorCase> {};

struct PlanCase {
    sz desktop;
    bool fullScreen;
    int forced;
    sz output;
    kuRectangle canvasArea;
};

class ScalerPlanTest : public ::testing::TestWithParam<PlanCase> {};

} // namespace

TEST_P(ScalerFactorTest, ChoosesTheLargestFactorThatFits) {
    const FactorCase& c = GetParam();
    EXPECT_EQ(kuScaler::largestFactor(canvas, c.desktop, true), c.fullScreen);
    EXPECT_EQ(kuScaler::largestFactor(canvas, c.desktop, false), c.window);
}

// A window keeps to 90% of the desktop's width and 85% of its height.
INSTANTIATE_TEST_SUITE_P(
    Desktops, ScalerFactorTest,
    ::testing::Values(FactorCase{{760, 520}, 1, 1}, FactorCase{{1366, 768}, 1, 1},
                      FactorCase{{1920, 1080}, 2, 1}, FactorCase{{2560, 1440}, 2, 2},
                      FactorCase{{3840, 2160}, 4, 3}, FactorCase{{640, 480}, 1, 1}));

TEST_P(ScalerPlanTest, SizesTheOutputAndCentresTheCanvas) {
    const PlanCase& c = GetParam();
    const kuScaler scaler = kuScaler::forDisplay(canvas, c.desktop, c.fullScreen, c.forced);
    EXPECT_EQ(scaler.getOutputSize(), c.output);
    EXPECT_EQ(scaler.canvasArea(), c.canvasArea);
}

INSTANTIATE_TEST_SUITE_P(
    Displays, ScalerPlanTest,
    ::testing::Values(PlanCase{{1920, 1080}, true, 0, {1920, 1080}, rect(200, 20, 1520, 1040)},
                      PlanCase{{3840, 2160}, true, 0, {3840, 2160}, rect(400, 40, 3040, 2080)},
                      PlanCase{{3840, 2160}, true, 3, {3840, 2160}, rect(780, 300, 2280, 1560)},
                      // a forced factor too large for full screen gives way to the largest
                      PlanCase{{1920, 1080}, true, 3, {1920, 1080}, rect(200, 20, 1520, 1040)},
                      PlanCase{{760, 520}, true, 0, {760, 520}, rect(0, 0, 760, 520)},
                      // a desktop smaller than the canvas: the canvas's own size, as before
                      PlanCase{{640, 480}, true, 0, {760, 520}, rect(0, 0, 760, 520)},
                      PlanCase{{3840, 2160}, false, 0, {2280, 1560}, rect(0, 0, 2280, 1560)},
                      PlanCase{{1920, 1080}, false, 3, {2280, 1560}, rect(0, 0, 2280, 1560)}));

TEST(ScalerTest, AnUnknownDesktopCountsAsTheCanvas) {
    EXPECT_EQ(kuScaler::usableDesktop({0, 0}, canvas), canvas);
    EXPECT_EQ(kuScaler::usableDesktop({1920, 1080}, canvas), (sz{1920, 1080}));
    EXPECT_TRUE(kuScaler::forDisplay(canvas, canvas, true, 0).isIdentity());
    EXPECT_FALSE(kuScaler::forDisplay(canvas, {800, 520}, true, 0).isIdentity());
}
