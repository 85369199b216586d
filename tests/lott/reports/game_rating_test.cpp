// Rating change of one game, as the cross table of the final report shows it.
#include "lott/results/rankingandring.h"

#include <gtest/gtest.h>

#include "store/records.h"

namespace {
double gameRatingChange(int rank, int jmfrank, int resultat, bool vit) {
    return stallning::rankingfunkb(rank, jmfrank, resultat, vit ? 1 : 0);
}
} // namespace

TEST(GameRating, BandsFromTheRatingDifference) {
    // 1500 against 1600: |d| = 100, W = 12, the lower-rated player takes 32 - W.
    EXPECT_EQ(20, gameRatingChange(1500, 1600, resVitVinst, true));
    EXPECT_EQ(-12, gameRatingChange(1500, 1600, resSvartVinst, true));
    EXPECT_EQ(4, gameRatingChange(1500, 1600, resRemi, false));
    EXPECT_EQ(12, gameRatingChange(1600, 1500, resSvartVinst, false));
    EXPECT_EQ(-4, gameRatingChange(1600, 1500, resRemi, true));
    // Band edges: 10 -> 16, 11 -> 15, 499 -> 2, 500 -> 1.
    EXPECT_EQ(16, gameRatingChange(1510, 1500, resVitVinst, true));
    EXPECT_EQ(15, gameRatingChange(1511, 1500, resVitVinst, true));
    EXPECT_EQ(2, gameRatingChange(1999, 1500, resVitVinst, true));
    EXPECT_EQ(1, gameRatingChange(2000, 1500, resVitVinst, true));
    EXPECT_EQ(-31, gameRatingChange(1500, 1000, resSvartVinst, true));
    EXPECT_EQ(-1, gameRatingChange(1000, 1500, resVitVinst, false));
}

TEST(GameRating, HalvedFromTwentyTwoHundredAndZeroForOpenGames) {
    EXPECT_EQ(8, gameRatingChange(2250, 2240, resVitVinst, true));
    EXPECT_EQ(7.5, gameRatingChange(2250, 2230, resVitVinst, true)); // 15 halved
    EXPECT_EQ(0, gameRatingChange(2250, 2240, resRemi, true));
    for (int code : {0, 4, 5, 6, 7, 8})
        EXPECT_EQ(0, gameRatingChange(1500, 1600, code, true)) << code;
}
