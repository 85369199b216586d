#include "lott/pairing/schweizer_senare.h"

#include <gtest/gtest.h>

#include "lott/pairing/partiindex.h"
#include "tests/lott/pairing/schweizer_test_hjalp.h"

using namespace parning;
using namespace schweizertest;
using Par = std::vector<std::pair<std::int32_t, std::int32_t>>;

namespace {

// Round 1 of eight players, Nordic colours: 5-1, 6-2, 7-3, 8-4, the top half winning.
std::vector<partistruct> runda1Atta() {
    return {parti(5, 1, 1, resSvartVinst), parti(6, 2, 1, resSvartVinst), parti(7, 3, 1, resSvartVinst),
            parti(8, 4, 1, resSvartVinst)};
}

TEST(SchweizerSenare, WinnersMeetWinnersUpperHalfAgainstLowerHalf) {
    const auto pool =
        lskicka({{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}, {5, 0, 1}, {6, 0, 1}, {7, 0, 1}, {8, 0, 1}});
    const auto lista = schweizerb(pool, runda1Atta(), 2);
    ASSERT_TRUE(lista);
    EXPECT_EQ(nummer(*lista), (std::vector<std::int32_t>{1, 3, 2, 4, 5, 7, 6, 8}));
    EXPECT_EQ((*lista)[0].namn, "Spelare 1");
    EXPECT_EQ((*lista)[0].ranking, 1501);
}

TEST(SchweizerSenare, FewerWhitesPlaysWhiteAndEqualCountsFollowTheRoundParity) {
    const auto pool = lskicka({{1, 1, 1}, {2, 1, 0}, {3, 1, 0}, {4, 1, 1}});
    // Even round: 1 (one white) against 3 (none) -> 3 white; 2 and 4: 4 has more -> 2 white.
    EXPECT_EQ(nummer(*schweizerb(pool, {}, 2)), (std::vector<std::int32_t>{3, 1, 2, 4}));
    const auto lika = lskicka({{1, 1, 1}, {2, 1, 1}, {3, 1, 1}, {4, 1, 1}});
    EXPECT_EQ(nummer(*schweizerb(lika, {}, 2)), (std::vector<std::int32_t>{1, 3, 2, 4}));
    EXPECT_EQ(nummer(*schweizerb(lika, {}, 3)), (std::vector<std::int32_t>{3, 1, 4, 2}));
}

TEST(SchweizerSenare, MetPairIsRepairedByShiftingTowardsPositionOne) {
    const auto pool = lskicka({{1, 1}, {2, 1}, {3, 1}, {4, 1}});
    const auto lista = schweizerb(pool, {parti(3, 1, 1)}, 2);
    ASSERT_TRUE(lista);
    EXPECT_EQ(paren(*lista), (Par{{1, 4}, {2, 3}}));
}

TEST(SchweizerSenare, ShiftTowardsTheMiddleWhenPositionOneIsNoHelp) {
    // Group 1..6 (6 5 4 | 3 2 1): 3-6 has met, so 6 at position 1 moves up one place to 5's.
    const auto pool = lskicka({{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}});
    const auto lista = schweizerb(pool, {parti(6, 3, 1)}, 2);
    ASSERT_TRUE(lista);
    EXPECT_EQ(paren(*lista), (Par{{1, 4}, {2, 6}, {3, 5}}));
}

TEST(SchweizerSenare, OddGroupTakesLowestStartNumberFromTheNextScoreAtTheLowerEnd) {
    const auto pool =
        lskicka({{1, 2}, {2, 2}, {3, 2}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 0.5}, {9, 0.5}, {10, 0}});
    const auto lista = schweizerb(pool, {}, 3);
    ASSERT_TRUE(lista);
    // [4 3 2 1]: 1-3 and 2-4; then [7 6 5] takes 8: 5-7, 6-8; then [10 9]: 9-10.
    EXPECT_EQ(paren(*lista), (Par{{1, 3}, {2, 4}, {5, 7}, {6, 8}, {9, 10}}));
}

TEST(SchweizerSenare, MovedUpPlayerSkipsOpponentsOfALonePlayer) {
    // 1 alone on 2 points has met 2, the best on 1.5; 3 on 1.5 is taken instead.
    const auto pool = lskicka({{1, 2}, {2, 1.5}, {3, 1.5}, {4, 1}});
    const auto lista = schweizerb(pool, {parti(1, 2, 1)}, 3);
    ASSERT_TRUE(lista);
    EXPECT_EQ(paren(*lista), (Par{{1, 3}, {2, 4}}));
}

TEST(SchweizerSenare, EmptyScoreLevelsAreSkippedAndEveryGroupPairedOnce) {
    // Nobody on 1.5 or 0.5: the groups are 2, 1 and 0.
    const auto pool = lskicka({{1, 2}, {2, 2}, {3, 1}, {4, 1}, {5, 0}, {6, 0}});
    const auto lista = schweizerb(pool, {}, 3);
    ASSERT_TRUE(lista);
    EXPECT_EQ(paren(*lista), (Par{{1, 2}, {3, 4}, {5, 6}}));
}

TEST(SchweizerSenare, ScoresOffTheHalfPointStepsAreStillPaired) {
    // Custom scores: 2.25 and 0.75 are no multiples of a half, and the last level lies below 0.5.
    const auto pool = lskicka({{1, 3}, {2, 2.25}, {3, 2.25}, {4, 0.75}, {5, 0.25}, {6, 0.25}});
    const auto lista = schweizerb(pool, {}, 3);
    ASSERT_TRUE(lista);
    EXPECT_EQ(paren(*lista), (Par{{1, 2}, {3, 4}, {5, 6}}));
}

TEST(SchweizerSenare, ByeGoesToHighestNumberedZeroPointPlayerAsTheLastPair) {
    // 7 players and "Frirond" 8; 5 and 6 are on 0 points: 6 gets the bye and stays out of the groups.
    const auto pool = lskicka({{1, 1}, {2, 1}, {3, 1}, {4, 1}, {7, 0.5}, {5, 0}, {6, 0}, {8, 0}}, 8);
    const auto lista = schweizerb(pool, {}, 2);
    ASSERT_TRUE(lista);
    EXPECT_EQ(paren(*lista), (Par{{1, 3}, {2, 4}, {5, 7}, {6, 8}}));
    EXPECT_EQ(lista->back().namn, "Frirond");
    EXPECT_EQ((*lista)[lista->size() - 2].nr, 6);
}

TEST(SchweizerSenare, WithoutZeroPointPlayersFrirondIsPairedInItsScoreGroup) {
    const auto pool = lskicka({{1, 2}, {2, 1}, {3, 1}, {4, 0}}, 4);
    const auto lista = schweizerb(pool, {}, 3);
    ASSERT_TRUE(lista);
    // Frirond (0 points) is alone at 0 and has no 0-point player to reserve: it is moved up.
    EXPECT_EQ(paren(*lista), (Par{{1, 2}, {3, 4}}));
}

TEST(SchweizerSenare, TwoMorePlayersAreMovedUpWhenAGroupCannotBePaired) {
    // 1 and 2 on 2 points have met; 3 and 4 (1 point) come up: group [4 3 2 1] gives 1-3, 2-4.
    const auto pool = lskicka({{1, 2}, {2, 2}, {3, 1}, {4, 1}, {5, 0}, {6, 0}});
    const auto lista = schweizerb(pool, {parti(1, 2, 1)}, 3);
    ASSERT_TRUE(lista);
    EXPECT_EQ(paren(*lista), (Par{{1, 3}, {2, 4}, {5, 6}}));
}

TEST(SchweizerSenare, LastTwoPlayersWhoHaveMetDissolveThePairMadeBefore) {
    // 3 and 4 are left and have met: 1-2 is dissolved and all four are paired as one group.
    const auto pool = lskicka({{1, 2}, {2, 2}, {3, 0}, {4, 0}});
    const auto lista = schweizerb(pool, {parti(3, 4, 1)}, 3);
    ASSERT_TRUE(lista);
    EXPECT_EQ(paren(*lista), (Par{{1, 3}, {2, 4}}));
}

TEST(SchweizerSenare, LaterLastResortsDissolveMorePairsAndNobodyIsPairedTwice) {
    // Eight players; 7-8 have met, and so have 5-6 with 5-7, 5-8, 6-7, 6-8: the bottom four
    // cannot be paired among themselves, so the pair above must come apart as well.
    const auto pool = lskicka({{1, 3}, {2, 3}, {3, 2}, {4, 2}, {5, 1}, {6, 1}, {7, 1}, {8, 1}});
    const std::vector<partistruct> spelat = {parti(7, 8, 1), parti(5, 6, 1), parti(5, 7, 2),
                                             parti(8, 5, 2), parti(6, 7, 1), parti(6, 8, 2)};
    const auto lista = schweizerb(pool, spelat, 3);
    ASSERT_TRUE(lista);
    std::vector<int> antal(9, 0);
    for (const auto& [a, b] : paren(*lista)) {
        ++antal[static_cast<std::size_t>(a)];
        ++antal[static_cast<std::size_t>(b)];
        EXPECT_FALSE(PartiIndex(spelat).harMotts(a, b)) << a << "-" << b;
    }
    for (int nr = 1; nr <= 8; ++nr)
        EXPECT_EQ(antal[static_cast<std::size_t>(nr)], 1) << nr;
}

TEST(SchweizerSenare, FieldWithoutAnyNewPairingFails) {
    // Everybody has met everybody: nothing is paired.
    const auto pool = lskicka({{1, 2}, {2, 1.5}, {3, 1}, {4, 0}});
    const std::vector<partistruct> allaMotts = {parti(1, 2, 1), parti(3, 4, 1), parti(1, 3, 2),
                                                parti(2, 4, 2), parti(4, 1, 3), parti(2, 3, 3)};
    EXPECT_FALSE(schweizerb(pool, allaMotts, 4));
}

TEST(SchweizerSenare, SearchBoundHandsTheRoundToTheFallback) {
    // The pairing needs a repaired group (1 and 3 have met): the search gives 1-4 and 2-3.
    // Within a bound of one try it gives up, and the fallback pairs the order 1, 2, 3, 4 with
    // the smallest squared distances and no rematch: 1-2 and 3-4 (1 + 1; 1-4, 2-3 costs 9 + 1).
    const auto pool = lskicka({{1, 1}, {2, 1}, {3, 1}, {4, 1}});
    EXPECT_EQ(paren(*schweizerb(pool, {parti(3, 1, 1)}, 2)), (Par{{1, 4}, {2, 3}}));
    EXPECT_EQ(paren(*schweizerb(pool, {parti(3, 1, 1)}, 2, 8)), (Par{{1, 4}, {2, 3}}));
    const auto reserv = schweizerb(pool, {parti(3, 1, 1)}, 2, 4);
    ASSERT_TRUE(reserv);
    EXPECT_EQ(paren(*reserv), (Par{{1, 2}, {3, 4}}));
}

TEST(SchweizerSenare, DamagedPoolsAreRefused) {
    EXPECT_FALSE(schweizerb(lskicka({{1, 1}, {2, 1}, {3, 0}}), {}, 2));
    EXPECT_FALSE(schweizerb(lskicka({{1, 1}, {1, 1}}), {}, 2));
    const auto tom = schweizerb({}, {}, 2);
    ASSERT_TRUE(tom);
    EXPECT_TRUE(tom->empty());
}

} // namespace
