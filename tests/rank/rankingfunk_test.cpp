#include "rank/rating/rankingfunk.h"

#include <gtest/gtest.h>

namespace {

using rating::kForlust;
using rating::kRemi;
using rating::kVinst;
using rating::rankingfunk;

TEST(Rankingfunk, TableSwitchesExactlyAtTheBandEdges) {
    const std::pair<int, int> kanter[] = {
        {0, 16},  {10, 16},  {11, 15},  {33, 15},  {34, 14},  {56, 14},  {57, 13}, {79, 13},
        {80, 12}, {102, 12}, {103, 11}, {126, 11}, {127, 10}, {151, 10}, {152, 9}, {178, 9},
        {179, 8}, {207, 8},  {208, 7},  {236, 7},  {237, 6},  {270, 6},  {271, 5}, {308, 5},
        {309, 4}, {352, 4},  {353, 3},  {409, 3},  {410, 2},  {499, 2},  {500, 1}, {2500, 1}};
    for (auto [d, t] : kanter) {
        EXPECT_EQ(rating::vinstvarde(d), t) << "d=" << d;
        EXPECT_EQ(rating::vinstvarde(-d), t) << "d=" << -d;
    }
}

TEST(Rankingfunk, UnderdogAndFavouriteOfTheWorkedExample) {
    EXPECT_EQ(rankingfunk(1500, 1600, kVinst), 20.0);
    EXPECT_EQ(rankingfunk(1500, 1600, kRemi), 4.0);
    EXPECT_EQ(rankingfunk(1500, 1600, kForlust), -12.0);
    EXPECT_EQ(rankingfunk(1600, 1500, kVinst), 12.0);
    EXPECT_EQ(rankingfunk(1600, 1500, kRemi), -4.0);
    EXPECT_EQ(rankingfunk(1600, 1500, kForlust), -20.0);
}

TEST(Rankingfunk, EqualRatingsAndUnknownCodes) {
    EXPECT_EQ(rankingfunk(1700, 1700, kVinst), 16.0);
    EXPECT_EQ(rankingfunk(1700, 1700, kRemi), 0.0);
    EXPECT_EQ(rankingfunk(1700, 1700, kForlust), -16.0);
    EXPECT_EQ(rankingfunk(1700, 1200, 0), 0.0);
    EXPECT_EQ(rankingfunk(1700, 1200, 4), 0.0);
}

TEST(Rankingfunk, GainsAndLossesOfAGameCancelOut) {
    for (int a = 800; a <= 2600; a += 37)
        for (int b = 800; b <= 2600; b += 53) {
            EXPECT_EQ(rankingfunk(a, b, kVinst) + rankingfunk(b, a, kForlust), 0.0) << a << " " << b;
            EXPECT_EQ(rankingfunk(a, b, kRemi) + rankingfunk(b, a, kRemi), 0.0) << a << " " << b;
        }
}

TEST(Rankingfunk, ExtremeDifferencesDoNotOverflow) {
    EXPECT_EQ(rankingfunk(2147483647, -2147483647, kVinst), 1.0);
    EXPECT_EQ(rankingfunk(-2147483647, 2147483647, kVinst), 31.0);
}

} // namespace
