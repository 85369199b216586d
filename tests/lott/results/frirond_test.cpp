// Byes without a record in the player file: a late entry after the start removes the registered
// "Frirond", and the pairing adds byes of its own. Their games stay bye games in the standings,
// and the pairing's own bye takes a number no player has.
#include <gtest/gtest.h>

#include "lott/results/stallning.h"
#include "stallning_fixture.h"

namespace {

using namespace stallningtest;

// Players 1, 2, 3 and the registered bye 4. Round 1: 2 beat 1, 3 had the bye; round 2: 2 beat 3
// (black), 1 had the bye.
stallning::Indata medFrirond(int poangval) {
    stallning::Indata in;
    in.spelare = {spelare(1, "A"), spelare(2, "B"), spelare(3, "C"), spelare(4, "Frirond")};
    in.partier = {parti(1, 2, 1, resVitVinst), parti(1, 3, 4, resVitVinst), parti(2, 3, 2, resSvartVinst),
                  parti(2, 1, 4, resVitVinst)};
    in.poangval = poangval;
    return in;
}

// The same after a late entry: the bye's record gave way to Nils, number 5.
stallning::Indata efterSenAnmalan(int poangval) {
    auto in = medFrirond(poangval);
    in.spelare.back() = spelare(5, "Nils");
    return in;
}

TEST(FrirondUtanPost, GamesAgainstARemovedByeStillCountAsByeGames) {
    // 1-½-0: A 1 (the bye), B 2, C 1 (the bye). Kvalitet (Vanlig) keeps every opponent of a player
    // who had the bye: A 2 (B's points) + 0 (the bye's) = 2; C 0 + 2 = 2; B (no bye) 1 + 1 minus
    // the weaker 1 = 1. Without the bye's record the same must hold; Nils has nothing.
    const auto r = stallning::berakna(efterSenAnmalan(1));
    EXPECT_EQ(rad(r, 1).poang, 1.0);
    EXPECT_EQ(rad(r, 1).kvalitet, 2.0);
    EXPECT_EQ(rad(r, 2).kvalitet, 1.0);
    EXPECT_EQ(rad(r, 3).kvalitet, 2.0);
    EXPECT_EQ(rad(r, 5).poang, 0.0);
    EXPECT_EQ(rad(r, 5).kvalitet, 0.0);
    // Under every scoring code the removal changes no player's points or kvalitet. Under 3-2-1
    // the bye scores 1 for each game it "lost", and those points count in its opponents' kvalitet.
    for (int poangval : {1, 2, 3}) {
        SCOPED_TRACE(poangval);
        const auto fore = stallning::berakna(medFrirond(poangval));
        const auto efter = stallning::berakna(efterSenAnmalan(poangval));
        for (int nr : {1, 2, 3}) {
            EXPECT_EQ(rad(efter, nr).poang, rad(fore, nr).poang) << nr;
            EXPECT_EQ(rad(efter, nr).kvalitet, rad(fore, nr).kvalitet) << nr;
        }
    }
    // 3-2-1 by hand for A: B's 3 + 3 = 6 and the bye's 1 + 1 = 2 → 8.
    EXPECT_EQ(rad(stallning::berakna(efterSenAnmalan(3)), 1).kvalitet, 8.0);
}

TEST(FrirondUtanPost, ThePairingsByeTakesTheLargestNumberPlusOne) {
    // After a late entry the numbers are 1, 2, 3, 5 (4 was the bye). When 2 withdraws the count
    // is odd: the bye added is 6, not 5 (the count plus one), which is Nils's number.
    auto in = efterSenAnmalan(1);
    in.schwanrop = true;
    in.utgadda = {2};
    const auto r = stallning::berakna(in);
    ASSERT_EQ(r.parslistac.size(), 4u);
    EXPECT_EQ(r.parslistac.back().namn, "Frirond");
    EXPECT_EQ(r.parslistac.back().nr, 6);
    EXPECT_EQ(r.parslistac.back().klubb, "nej");
    for (const auto& s : r.parslistac)
        EXPECT_NE(s.nr, 2);
}

} // namespace
