#include "quaroRandom.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

TEST(RandomTest, GivesThePublishedSequenceOfItsAlgorithm) {
    // The first outputs of the PCG32 reference code for seed 42 on stream 54.
    quaroRandom random(42, 54);
    const std::vector<uint32_t> expected = {0xa15c02b7, 0x7b47f409, 0xba1d3330,
                                            0x83d2f293, 0xbfa4784b, 0xcbed606e};
    std::vector<uint32_t> drawn;
    for (size_t i = 0; i < expected.size(); ++i)
        drawn.push_back(random.next());
    EXPECT_EQ(drawn, expected);
}

struct boundCase {
    uint32_t bound;
    int draws;
};

class RandomBound : public ::testing::TestWithParam<boundCase> {};

TEST_P(RandomBound, DrawsEveryValueBelowTheBoundAndNoneAbove) {
    const boundCase c = GetParam();
    quaroRandom random(7);
    std::set<int> seen;
    for (int i = 0; i < c.draws; ++i) {
        const int value = random.below(c.bound);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, int(c.bound));
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), c.bound) << "every value comes up";
}

// The bounds the round uses: product kinds, arrow timers, wishes, yells.
INSTANTIATE_TEST_SUITE_P(RoundBounds, RandomBound,
                         ::testing::Values(boundCase{1, 10}, boundCase{6, 200}, boundCase{25, 1000},
                                           boundCase{100, 5000}, boundCase{200, 10000}));
