#include <gtest/gtest.h>

#include "lott/results/stallning.h"
#include "stallning_fixture.h"

namespace {

using namespace stallningtest;
using stallning::berakna;
using stallning::Indata;

Indata valfrittTurnering(int n, std::vector<valfristruct> valfria) {
    Indata in;
    in.spelare = startlista(n);
    in.valfria = std::move(valfria);
    in.poangval = 4;
    return in;
}

TEST(ValfriStallning, PointsAreTheCustomScores) {
    const auto r = berakna(
        valfrittTurnering(4, {valfri(1, 1, 2, 3, 1), valfri(1, 3, 4, 2, 2), valfri(2, 2, 3, 1.5, 2.5)}));
    EXPECT_EQ(rad(r, 1).poang, 3.0);
    EXPECT_EQ(rad(r, 2).poang, 2.5);
    EXPECT_EQ(rad(r, 3).poang, 4.5);
    EXPECT_EQ(rad(r, 4).poang, 2.0);
    EXPECT_EQ(r.valdrond, 2);
    EXPECT_EQ(ordning(r), (std::vector<int>{3, 1, 2, 4}));
    for (const auto& s : r.parslistac) {
        EXPECT_EQ(s.antalvita, 0);
        EXPECT_EQ(s.rankingandring, 0.0);
    }
}

TEST(ValfriStallning, ARepeatedPairingWithTheSameColoursCountsOnce) {
    // The last game with the same colours wins; the return game with colours reversed counts too.
    const auto r =
        berakna(valfrittTurnering(2, {valfri(1, 1, 2, 3, 1), valfri(2, 1, 2, 0, 4), valfri(3, 2, 1, 2, 2)}));
    EXPECT_EQ(rad(r, 1).poang, 0.0 + 2.0);
    EXPECT_EQ(rad(r, 2).poang, 4.0 + 2.0);
}

TEST(ValfriStallning, KvalitetCountsOpponentsOutscoredAndLevel) {
    // 1 outscores 2 (2 points), is level with 3 above 0 (1 point), level with 4 at 0 (nothing).
    const auto r = berakna(valfrittTurnering(
        4, {valfri(1, 1, 2, 3, 1), valfri(1, 3, 1, 2, 2), valfri(2, 1, 4, 0, 0), valfri(2, 2, 3, 1, 3)}));
    EXPECT_EQ(rad(r, 1).kvalitet, 3.0);
    EXPECT_EQ(rad(r, 2).kvalitet, 0.0);
    EXPECT_EQ(rad(r, 3).kvalitet, 1.0 + 2.0);
    EXPECT_EQ(rad(r, 4).kvalitet, 0.0);
}

TEST(ValfriStallning, ByeScoresAndTheByeRow) {
    Indata in;
    in.spelare = {spelare(1, "A"), spelare(2, "B"), spelare(3, "C"), spelare(4, "Frirond")};
    in.poangval = 4;
    in.valfria = {valfri(1, 1, 2, 2, 2), valfri(1, 3, 4, 4, 0), valfri(2, 2, 5, 4, 0)};
    const auto r = berakna(in);
    // 3 beat "Frirond" in the list; 2 scored against the number after the list (5).
    EXPECT_EQ(rad(r, 3).poang, 4.0);
    EXPECT_EQ(rad(r, 3).kvalitet, 2.0);
    EXPECT_EQ(rad(r, 2).poang, 2.0 + 4.0);
    EXPECT_EQ(rad(r, 2).kvalitet, 1.0 + 2.0);
    EXPECT_EQ(rad(r, 4).kvalitet, 0.0);
}

TEST(ValfriStallning, ANumberNoPlayerHasIsAByeWhateverItIs) {
    // Players 1..3, so the number after the list is 4. Number 9 belongs to nobody: a bye whose
    // record a late entry removed. 1's white score against it counts (3) with 2 for kvalitet, as
    // against the bye; a black score against such a number is no bye game and does not count.
    const auto r = berakna(valfrittTurnering(3, {valfri(1, 1, 9, 3, 1), valfri(1, 9, 2, 1, 3)}));
    EXPECT_EQ(rad(r, 1).poang, 3.0);
    EXPECT_EQ(rad(r, 1).kvalitet, 2.0);
    EXPECT_EQ(rad(r, 2).poang, 0.0);
    EXPECT_EQ(rad(r, 2).kvalitet, 0.0);
    EXPECT_EQ(r.valdrond, 1);
}

} // namespace
