#include "lott/results/stallning.h"

#include <gtest/gtest.h>

#include "stallning_fixture.h"

namespace {

using namespace stallningtest;
using stallning::berakna;
using stallning::Indata;

Indata turnering(int n, std::vector<partistruct> partier, int poangval = 1) {
    Indata in;
    in.spelare = startlista(n);
    in.partier = std::move(partier);
    in.poangval = poangval;
    return in;
}

TEST(Stallning, BeforeTheFirstRoundEveryoneHasNothingInStartOrder) {
    const auto r = berakna(turnering(5, {}));
    EXPECT_EQ(ordning(r), (std::vector<int>{1, 2, 3, 4, 5}));
    for (const auto& s : r.parslistac) {
        EXPECT_EQ(s.poang, 0.0);
        EXPECT_EQ(s.kvalitet, 0.0);
        EXPECT_EQ(s.antalvita, 0);
    }
    EXPECT_EQ(r.valdrond, 0);
}

TEST(Stallning, PointsUnderEachScoringCode) {
    // 1 beats 2, 3 and 4 draw, 5 wins by walk-over against 6, 7 and 8 are both disqualified.
    const std::vector<partistruct> partier = {parti(1, 1, 2, resVitVinst), parti(1, 3, 4, resRemi),
                                              parti(1, 6, 5, resSvartWo), parti(1, 7, 8, resDiskval)};
    struct Fall {
        int poangval;
        double vinst, remi, forlust;
    };
    for (Fall f : {Fall{1, 1, 0.5, 0}, Fall{2, 3, 1, 0}, Fall{3, 3, 2, 1}}) {
        const auto r = berakna(turnering(8, partier, f.poangval));
        EXPECT_EQ(rad(r, 1).poang, f.vinst) << f.poangval;
        EXPECT_EQ(rad(r, 2).poang, f.forlust) << f.poangval;
        EXPECT_EQ(rad(r, 3).poang, f.remi) << f.poangval;
        EXPECT_EQ(rad(r, 4).poang, f.remi) << f.poangval;
        EXPECT_EQ(rad(r, 5).poang, f.vinst) << f.poangval;
        EXPECT_EQ(rad(r, 6).poang, f.forlust) << f.poangval;
        EXPECT_EQ(rad(r, 7).poang, f.forlust) << f.poangval;
        EXPECT_EQ(rad(r, 8).poang, f.forlust) << f.poangval;
    }
}

TEST(Stallning, WalkOverLossStillScoresUnder321) {
    // Player 1 loses round 1 by walk-over, then wins twice: 1 + 3 + 3.
    const auto r = berakna(turnering(
        4, {parti(1, 1, 2, resSvartWo), parti(2, 3, 1, resSvartVinst), parti(3, 1, 4, resVitVinst)}, 3));
    EXPECT_EQ(rad(r, 1).poang, 7.0);
}

TEST(Stallning, OpenGamesScoreNothingButCountUntilThePairingAsks) {
    Indata in = turnering(4, {parti(1, 1, 2, resVitVinst), parti(1, 3, 4, resRemi),
                              parti(2, 1, 3, resUppskjutet), parti(2, 4, 2, resAvbrutet)});
    auto r = berakna(in);
    EXPECT_EQ(rad(r, 1).poang, 1.0);
    EXPECT_EQ(rad(r, 1).antalvita, 1);
    EXPECT_EQ(rad(r, 3).poang, 0.5);
    EXPECT_EQ(rad(r, 3).antalvita, 1);
    EXPECT_EQ(rad(r, 4).antalvita, 1);
    EXPECT_EQ(rad(r, 2).antalvita, 1);

    in.schwanrop = true; // postponed = drawn, adjourned = won, for both players
    r = berakna(in);
    EXPECT_EQ(rad(r, 1).poang, 1.5);
    EXPECT_EQ(rad(r, 3).poang, 1.0);
    EXPECT_EQ(rad(r, 4).poang, 1.5);
    EXPECT_EQ(rad(r, 2).poang, 1.0);
    for (const auto& s : r.parslistac)
        EXPECT_EQ(s.antalvita, 0);
}

TEST(Stallning, VanligDropsTheWeakestOpponent) {
    // Player 1 draws against 2, 3 and 4; the other games bring them to 2, 1 and 3 points.
    const std::vector<partistruct> p = {
        parti(1, 1, 2, resRemi),       parti(2, 3, 1, resRemi),       parti(3, 1, 4, resRemi),
        parti(1, 3, 4, resSvartVinst), parti(2, 2, 4, resSvartVinst), parti(3, 2, 3, resVitVinst),
        parti(4, 2, 5, resRemi),       parti(4, 3, 5, resRemi),       parti(5, 4, 5, resRemi)};
    const auto r = berakna(turnering(5, p));
    ASSERT_EQ(rad(r, 2).poang, 2.0);
    ASSERT_EQ(rad(r, 3).poang, 1.0);
    ASSERT_EQ(rad(r, 4).poang, 3.0);
    EXPECT_EQ(rad(r, 1).kvalitet, 5.0);
}

TEST(Stallning, VanligKeepsEveryOpponentAfterABye) {
    Indata in;
    in.spelare = {spelare(1, "A"), spelare(2, "B"), spelare(3, "C"), spelare(4, "Frirond")};
    in.partier = {parti(1, 1, 2, resVitVinst),   parti(1, 3, 4, resVitVinst), parti(2, 1, 4, resVitVinst),
                  parti(2, 2, 3, resSvartVinst), parti(3, 3, 1, resRemi),     parti(3, 2, 4, resVitVinst)};
    const auto r = berakna(in);
    // 1's opponents: 2 (1 point), Frirond (0), 3 (2.5): nothing dropped.
    EXPECT_EQ(rad(r, 1).kvalitet, 3.5);
    // 2's opponents: 1 (2.5), 3 (2.5) and the bye in round 3.
    EXPECT_EQ(rad(r, 2).kvalitet, 5.0);
    // 3's opponents: Frirond, 2, 1.
    EXPECT_EQ(rad(r, 3).kvalitet, 3.5);
    EXPECT_EQ(rad(r, 4).kvalitet, 0.0); // the bye itself
}

TEST(Stallning, VanligIsZeroBeforeAnyRoundAndWithoutDecidedGames) {
    Indata in = turnering(2, {parti(1, 1, 2, resIngen)});
    auto r = berakna(in);
    EXPECT_EQ(rad(r, 1).kvalitet, 0.0); // code 0 is no game for the tie-break
    EXPECT_EQ(r.valdrond, 1);
    // A caller's later round is kept: the round is raised, never lowered.
    in.valdrond = 5;
    EXPECT_EQ(berakna(in).valdrond, 5);
}

TEST(Stallning, VanligHandlesOpponentsWithManyPoints) {
    // Under 3-1-0 over 40 rounds an opponent can hold more than 100 points; the weakest is
    // still dropped and the rest kept.
    Indata in = turnering(2, {}, 2);
    for (int rond = 1; rond <= 40; ++rond)
        in.partier.push_back(parti(rond, 2, 1, resVitVinst));
    const auto r = berakna(in);
    ASSERT_EQ(rad(r, 2).poang, 120.0);
    EXPECT_EQ(rad(r, 1).kvalitet, 39 * 120.0);
}

TEST(Stallning, ProgressivSumsTheRunningScore) {
    Indata in =
        turnering(4, {parti(1, 1, 2, resVitVinst), parti(2, 3, 1, resVitVinst), parti(3, 1, 4, resRemi)});
    in.progressiv = true;
    auto r = berakna(in);
    EXPECT_EQ(rad(r, 1).kvalitet, 1 + 1 + 1.5);

    in.poangval = 2; // 3 + 3 + 4
    EXPECT_EQ(rad(berakna(in), 1).kvalitet, 10.0);
    in.poangval = 3; // 3, 3 + 1, 3 + 1 + 2
    EXPECT_EQ(rad(berakna(in), 1).kvalitet, 13.0);
}

TEST(Stallning, ProgressivUnder321CountsOpenGamesAsOne) {
    Indata in = turnering(2, {parti(1, 1, 2, resUppskjutet), parti(2, 2, 1, resAvbrutet)}, 3);
    in.progressiv = true;
    const auto r = berakna(in);
    EXPECT_EQ(rad(r, 1).kvalitet, 1 + 2.0);
    EXPECT_EQ(rad(r, 1).poang, 0.0);
    in.schwanrop = true; // plays no part in the progressive sum
    EXPECT_EQ(rad(berakna(in), 1).kvalitet, 3.0);
}

TEST(Stallning, RatingChangePerGameHalvedFrom2200) {
    Indata in;
    in.spelare = {spelare(1, "A", 1500), spelare(2, "B", 1600), spelare(3, "C", 2250), spelare(4, "D", 2240),
                  spelare(5, "E", 0)};
    in.partier = {parti(1, 1, 2, resVitVinst), parti(1, 4, 3, resSvartVinst), parti(2, 5, 1, resSvartVinst),
                  parti(2, 2, 3, resUppskjutet)};
    const auto r = berakna(in);
    EXPECT_EQ(rad(r, 1).rankingandring, 20.0); // the unrated opponent adds nothing
    EXPECT_EQ(rad(r, 2).rankingandring, -20.0);
    EXPECT_EQ(rad(r, 3).rankingandring, 8.0);
    EXPECT_EQ(rad(r, 4).rankingandring, -8.0);
    EXPECT_EQ(rad(r, 5).rankingandring, 0.0);

    in.partier = {parti(1, 2, 1, resVitVinst)};
    EXPECT_EQ(rad(berakna(in), 1).rankingandring, -12.0);
}

TEST(Stallning, WalkOversAndDisqualificationsLeaveTheRatingAlone) {
    Indata in;
    in.spelare = {spelare(1, "A", 1500), spelare(2, "B", 1600)};
    in.partier = {parti(1, 1, 2, resVitWo), parti(2, 2, 1, resDiskval)};
    const auto r = berakna(in);
    EXPECT_EQ(rad(r, 1).rankingandring, 0.0);
    EXPECT_EQ(rad(r, 2).rankingandring, 0.0);
}

TEST(Stallning, OrderByPointsKvalitetAndStartNumber) {
    // 3 and 4 both score 1 with equal kvalitet: the lower start number goes first.
    const auto r = berakna(turnering(4, {parti(1, 1, 3, resSvartVinst), parti(1, 2, 4, resSvartVinst)}));
    EXPECT_EQ(ordning(r), (std::vector<int>{3, 4, 1, 2}));
}

TEST(Stallning, StartNumbersFrom1900AreOrderedToo) {
    Indata in;
    in.spelare = {spelare(2500, "A"), spelare(1900, "B"), spelare(1950, "C"), spelare(3, "D")};
    in.partier = {parti(1, 2500, 3, resVitVinst)};
    const auto r = berakna(in);
    EXPECT_EQ(ordning(r), (std::vector<int>{2500, 3, 1900, 1950}));
}

TEST(Stallning, ClubAndRatingColumns) {
    Indata in = turnering(2, {});
    auto r = berakna(in);
    EXPECT_EQ(r.klubbfinns, 0);
    EXPECT_EQ(r.rankingfinns, 0);
    in.spelare[0].klubb = "";
    in.spelare[1].ranking = -5;
    r = berakna(in);
    EXPECT_EQ(r.klubbfinns, 0);
    EXPECT_EQ(r.rankingfinns, 0);
    in.spelare[1].klubb = "SK Rockaden";
    in.spelare[0].ranking = 1;
    r = berakna(in);
    EXPECT_EQ(r.klubbfinns, 1);
    EXPECT_EQ(r.rankingfinns, 1);
}

TEST(Stallning, WithdrawnPlayersAreMarkedAndLeftOutForThePairing) {
    Indata in =
        turnering(6, {parti(1, 1, 2, resVitVinst), parti(1, 3, 4, resVitVinst), parti(1, 5, 6, resVitVinst)});
    in.utgadda = {3};
    auto r = berakna(in);
    ASSERT_EQ(r.parslistac.size(), 6u);
    EXPECT_EQ(rad(r, 3).utgatt, 1);
    EXPECT_EQ(rad(r, 1).utgatt, 0);

    in.schwanrop = true; // five left: a bye numbered after the six is added at the end
    r = berakna(in);
    EXPECT_EQ(ordning(r), (std::vector<int>{1, 5, 2, 4, 6, 7}));
    EXPECT_EQ(r.parslistac.back().namn, "Frirond");
    EXPECT_EQ(r.parslistac.back().klubb, "nej");
}

TEST(Stallning, PairingDropsTheByeWhenAWithdrawalEvensTheCount) {
    Indata in;
    in.spelare = {spelare(1, "A"), spelare(2, "B"), spelare(3, "C"), spelare(4, "Frirond")};
    in.partier = {parti(1, 1, 2, resVitVinst), parti(1, 3, 4, resVitVinst)};
    in.utgadda = {2};
    in.schwanrop = true;
    const auto r = berakna(in);
    EXPECT_EQ(ordning(r), (std::vector<int>{1, 3}));
}

TEST(Stallning, ByeUnder321EarnsItsLossPoints) {
    Indata in;
    in.spelare = {spelare(1, "A"), spelare(2, "B"), spelare(3, "Frirond")};
    in.partier = {parti(1, 1, 3, resVitVinst), parti(2, 3, 2, resSvartVinst)};
    in.poangval = 3;
    const auto r = berakna(in);
    EXPECT_EQ(rad(r, 3).poang, 2.0);
    EXPECT_EQ(rad(r, 3).kvalitet, 0.0);
    EXPECT_EQ(rad(r, 1).kvalitet, 2.0); // met the bye: its 2 points count in full
}

} // namespace
