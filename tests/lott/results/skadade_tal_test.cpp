// Standings from a start list with a damaged start number: it takes no part, and the bye number
// of custom scores (the largest start number plus one) still exists.
#include <gtest/gtest.h>

#include <climits>

#include "lott/results/stallning.h"
#include "stallning_fixture.h"

namespace {

using namespace stallningtest;

TEST(SkadadeTal, StandingsLeaveOutAStartNumberAtTheEndOfTheRange) {
    for (int poangval : {1, 4}) {
        SCOPED_TRACE(poangval);
        stallning::Indata in;
        in.spelare = startlista(3);
        in.spelare.push_back(spelare(INT_MAX, "Skadad"));
        in.poangval = poangval;
        // Round 1: 1 beats 2 (3-1 under custom scores); 3 has the bye, number 4 (largest 3, plus 1).
        in.partier = {parti(1, 1, 2, resVitVinst), parti(1, 3, 4, resVitVinst)};
        in.valfria = {valfri(1, 1, 2, 3, 1), valfri(1, 3, 4, 2, 0)};
        const auto r = stallning::berakna(in);
        ASSERT_EQ(r.parslistac.size(), 3u);
        // 1-½-0: 1 and 3 one point each. Custom: 1 has 3, 3 has the bye's 2, 2 has 1.
        EXPECT_EQ(rad(r, 1).poang, poangval == 4 ? 3.0 : 1.0);
        EXPECT_EQ(rad(r, 3).poang, poangval == 4 ? 2.0 : 1.0);
        EXPECT_EQ(rad(r, 2).poang, poangval == 4 ? 1.0 : 0.0);
        // Custom kvalitet: 1 outscored 2 (2); 3 scored above 0 against the bye (2).
        if (poangval == 4) {
            EXPECT_EQ(rad(r, 3).kvalitet, 2.0);
        }
    }
}

} // namespace
