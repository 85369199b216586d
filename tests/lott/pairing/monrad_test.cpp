#include "lott/pairing/monrad.h"

#include <gtest/gtest.h>

#include <map>

#include "lott/pairing/monrad_ordning.h"
#include "tests/lott/pairing/parning_hjalp.h"

namespace parning {
namespace {

using test::nummer;
using test::parti;
using test::spelare;
using test::startlista;

std::vector<int> nummer(const std::vector<MonradSpelare>& lista) {
    std::vector<int> ut;
    for (const auto& m : lista)
        ut.push_back(m.spelare.nr);
    return ut;
}

MonradSpelare ms(int nr, double poang = 0) {
    MonradSpelare m;
    m.spelare = spelare(nr);
    m.poang = poang;
    return m;
}

TEST(Monrada, NeighboursWithTheEvenNumberWhite) {
    EXPECT_EQ(nummer(monrada(startlista(8))), (std::vector<int>{2, 1, 4, 3, 6, 5, 8, 7}));
    const Parlista medFrirond = monrada(startlista(7, true));
    EXPECT_EQ(nummer(medFrirond), (std::vector<int>{2, 1, 4, 3, 6, 5, 7, 8}));
    EXPECT_EQ(medFrirond.back().namn, "Frirond");
}

TEST(Monrada, EloAndOwnCategoryAreNotCarried) {
    auto lista = startlista(2);
    lista[0].elo = 2100;
    lista[1].egenkategori = 3;
    for (const auto& s : monrada(lista)) {
        EXPECT_EQ(s.elo, 0);
        EXPECT_EQ(s.egenkategori, 0);
    }
}

TEST(Monrada, GapInTheNumberingPairsNeighboursAndPutsTheByeLast) {
    // Numbers 1, 2, 3, 5: three odd against one even.
    std::vector<spelarstructtva> lucka = {spelare(1), spelare(2), spelare(3), spelare(5)};
    EXPECT_EQ(nummer(monrada(lucka)), (std::vector<int>{2, 1, 5, 3}));

    // An odd field without a registered bye gets one numbered past the largest start number.
    std::vector<spelarstructtva> udda = {spelare(1), spelare(2), spelare(3), spelare(5), spelare(7)};
    const Parlista ut = monrada(udda);
    EXPECT_EQ(nummer(ut), (std::vector<int>{2, 1, 5, 3, 7, 8}));
    EXPECT_EQ(ut.back().namn, "Frirond");
}

TEST(MonradOrdning, LevelPlayersGoByTheLatestDifferingRoundThenStartNumber) {
    // 1: draw then win; 2: win then draw; both 1.5. In round 2 player 2 scored less: higher.
    const PartiIndex partier({parti(1, 5, 3, 1), parti(2, 6, 1, 1), parti(1, 7, 1, 2), parti(2, 8, 3, 2),
                              parti(3, 9, 1, 1), parti(4, 10, 1, 1)});
    const auto forsta = ordna({ms(4, 1), ms(3, 1), ms(2, 1.5), ms(1, 1.5)}, partier, 3);
    EXPECT_EQ(nummer(forsta), (std::vector<int>{2, 1, 3, 4}));
}

TEST(MonradOrdning, AdjournedGameCountsOnlyForTheSelectedPlayer) {
    // 1 adjourned in round 1 (white), 2 lost in round 1: both 0 points.
    const PartiIndex partier({parti(1, 5, 5, 1), parti(6, 2, 1, 1)});
    // Walk order 2, 1: B = 2 (0 in round 1), P = 1 (adjourned counts 0 for P): equal, lower number.
    EXPECT_EQ(nummer(ordna({ms(2), ms(1)}, partier, 2)), (std::vector<int>{1, 2}));
    // Walk order 1, 2: B = 1 (adjourned counts 1 for B), P = 2 scored less: P goes higher.
    EXPECT_EQ(nummer(ordna({ms(1), ms(2)}, partier, 2)), (std::vector<int>{2, 1}));
}

TEST(MonradOrdning, PointsFromTheResultTable) {
    const std::vector<partistruct> g = {parti(1, 2, 4, 1), parti(3, 4, 7, 1),  parti(5, 6, 8, 1),
                                        parti(7, 8, 5, 1), parti(9, 10, 6, 1), parti(11, 12, 3, 1)};
    const PartiIndex partier(g);
    auto lista = poangOchVita(startlista(12), partier, nullptr);
    std::map<int, double> p;
    for (const auto& m : lista)
        p[m.spelare.nr] = m.poang;
    EXPECT_EQ(p, (std::map<int, double>{{1, 1},
                                        {2, 1},
                                        {3, 1},
                                        {4, 0},
                                        {5, 0},
                                        {6, 1},
                                        {7, 0},
                                        {8, 0},
                                        {9, 0},
                                        {10, 0},
                                        {11, 0.5},
                                        {12, 0.5}}));
    EXPECT_EQ(lista.front().spelare.nr, 12); // reverse start-list order
}

TEST(MonradOrdning, CustomScoresReplaceTheTable) {
    valfristruct v;
    v.vit = 1;
    v.svart = 2;
    v.vitresultat = 2.5;
    v.svartresultat = 1.5;
    const std::vector<valfristruct> valfri = {v};
    const auto lista = poangOchVita(startlista(2), PartiIndex({parti(1, 2, 1, 1)}), &valfri);
    EXPECT_EQ(lista[0].poang, 1.5);
    EXPECT_EQ(lista[1].poang, 2.5);
    EXPECT_EQ(lista[1].antalvita, 1);
}

TEST(Lankabortutgadda, WithdrawalsAndTheBye) {
    std::vector<MonradSpelare> jamn = {ms(4), ms(3), ms(2), ms(1)};
    lankabortutgadda(jamn, {3}, 5);
    EXPECT_EQ(nummer(jamn), (std::vector<int>{5, 4, 2, 1})); // bye put in front
    EXPECT_EQ(jamn.front().spelare.namn, "Frirond");

    MonradSpelare frirond;
    frirond.spelare = store::byeRecord(4, store::ByeClub::Tom);
    std::vector<MonradSpelare> medBye = {frirond, ms(3), ms(2), ms(1)};
    lankabortutgadda(medBye, {2}, 5);
    EXPECT_EQ(nummer(medBye), (std::vector<int>{3, 1})); // three left: the registered bye leaves
}

TEST(Kastaomm, LastPlayerMovesIntoTheLowerHalfAndLosesHisFraction) {
    std::vector<MonradSpelare> sex = {ms(1), ms(2), ms(3), ms(4), ms(5), ms(6, 1.5)};
    kastaomm(sex);
    EXPECT_EQ(nummer(sex), (std::vector<int>{1, 2, 6, 3, 4, 5}));
    EXPECT_EQ(sex[2].poang, 1.0);
    std::vector<MonradSpelare> sju = {ms(1), ms(2), ms(3), ms(4), ms(5), ms(6), ms(7)};
    kastaomm(sju);
    EXPECT_EQ(nummer(sju), (std::vector<int>{1, 2, 3, 7, 4, 5, 6}));
}

TEST(MonradSok, SkipsAnAcceptablePartnerWhenTheBottomCannotBeCompleted) {
    // 1 has met 2; 2 has met 4. Greedy 1-3 leaves 2-4 (met); the second attempt skips 3.
    const PartiIndex partier({parti(1, 2, 1, 1), parti(2, 4, 1, 2)});
    Sokrakning r;
    const auto ut = monradSok({ms(1), ms(2), ms(3), ms(4)}, partier, &r);
    ASSERT_TRUE(ut.has_value());
    EXPECT_EQ(nummer(*ut), (std::vector<int>{1, 4, 2, 3}));
    EXPECT_EQ(r.forsok, 2);
    EXPECT_EQ(r.omordningar, 0);
}

TEST(MonradSok, ImpossibleFieldEndsWithFailureWithinTheBound) {
    // Six players, three rounds of {1,2,3} against {4,5,6}: what is left is two triangles.
    const PartiIndex partier({parti(1, 4, 1, 1), parti(2, 5, 1, 1), parti(3, 6, 1, 1), parti(1, 5, 1, 2),
                              parti(2, 6, 1, 2), parti(3, 4, 1, 2), parti(1, 6, 1, 3), parti(2, 4, 1, 3),
                              parti(3, 5, 1, 3)});
    Sokrakning r;
    const auto ut = monradSok({ms(1), ms(2), ms(3), ms(4), ms(5), ms(6)}, partier, &r);
    EXPECT_FALSE(ut.has_value());
    EXPECT_EQ(r.omordningar, 3); // four distinct orderings tried, the fifth would be the first
    EXPECT_LE(r.pass, 4L * kPassgrans);
}

TEST(Monradb, SecondRoundByPointsWithColoursByWhiteCounts) {
    MonradIndata in;
    in.spelare = startlista(4);
    in.partier = {parti(2, 1, 1, 1), parti(4, 3, 1, 1)};
    in.valdrond = 2;
    const auto ut = monradb(in);
    ASSERT_TRUE(ut.klar);
    // Order 2, 4 (level, lower number), 1, 3; equal white counts give the lower-placed white.
    EXPECT_EQ(nummer(ut.lista), (std::vector<int>{4, 2, 3, 1}));
    // The same games give the same pairs.
    EXPECT_EQ(nummer(monradb(in).lista), nummer(ut.lista));
}

TEST(Monradb, WithdrawalAddsAByeNumberedPastEveryPlayer) {
    MonradIndata in;
    in.spelare = startlista(6);
    in.spelare.push_back(spelare(9)); // a late entry after a gap
    in.spelare.push_back(spelare(10));
    in.partier = {parti(2, 1, 1, 1), parti(4, 3, 2, 1), parti(6, 5, 3, 1)};
    in.utgatt = {3};
    in.valdrond = 2;
    const auto ut = monradb(in);
    ASSERT_TRUE(ut.klar);
    ASSERT_EQ(ut.lista.size(), 8u);
    EXPECT_EQ(ut.lista.back().namn, "Frirond");
    EXPECT_EQ(ut.lista.back().nr, 11);
    for (const auto& s : ut.lista)
        EXPECT_NE(s.nr, 3);
}

TEST(Monradb, ByeGoesToTheLowestPlacedPlayerWhoHasNotHadIt) {
    // Round 1 of 5 players: 2-1, 4-3, 5 had the bye (against 6). 1 and 3 lost, 6 is the bye.
    MonradIndata in;
    in.spelare = startlista(5, true);
    in.partier = {parti(2, 1, 1, 1), parti(4, 3, 1, 1), parti(5, 6, 1, 1)};
    in.valdrond = 2;
    const auto ut = monradb(in);
    ASSERT_TRUE(ut.klar);
    // Order: 2, 4, 5 (1 point), 1, 3, 6 (0). 2-4, 5-1, 3-bye.
    EXPECT_EQ(nummer(ut.lista), (std::vector<int>{4, 2, 1, 5, 3, 6}));
}

TEST(Monradb, SwitchedSwissRoundUsesTheVariantsColourRule) {
    MonradIndata in;
    in.spelare = startlista(4);
    in.partier = {parti(2, 1, 1, 1), parti(4, 3, 1, 1)};
    in.valdrond = 2;
    in.vilksy = '1'; // Nordic: even round, the better of 4 and 2 (lower number, 2) gets white
    EXPECT_EQ(nummer(monradb(in).lista), (std::vector<int>{2, 4, 1, 3}));
    // Swiss: 2 and 4 both white in round 1, 2w > m gives the lower number (2) black; 1 and 3 both
    // black, 2w < m gives 1 white.
    in.vilksy = '2';
    EXPECT_EQ(nummer(monradb(in).lista), (std::vector<int>{4, 2, 1, 3}));
}

} // namespace
} // namespace parning

namespace parning {
namespace {

TEST(Monradb, APlayerWhoHadTheByeUnderAnEarlierNumberIsNotGivenItAgain) {
    // Players 1..5, of whom 4 and 5 have withdrawn, so 1, 2, 3 and a bye numbered 6 (the largest
    // number + 1) are paired. Number 9 is nobody's: a bye whose record has left the player file.
    // Round 1: 1-4, 2-5 white wins, 3 had the bye (9). Round 2: 1-5 white win, 2-3 white win.
    // Points: 1 and 2 have 2, 3 has 1 (the bye); the order is 1, 2, 3, bye.
    MonradIndata in;
    in.spelare = test::startlista(5);
    in.utgatt = {4, 5};
    in.valdrond = 3;
    in.partier = {parti(1, 4, resVitVinst, 1), parti(2, 5, resVitVinst, 1), parti(3, 9, resVitVinst, 1),
                  parti(1, 5, resVitVinst, 2), parti(2, 3, resVitVinst, 2)};
    // The first attempt pairs 1-2 and leaves 3 with the bye he has had: it fails. The next one
    // skips 1's first partner (rem 3, hoppaover 1): 1-3, then 2 with the bye. Colours: 3 has one
    // white to 1's two, so 3 plays white; the bye is last with "Frirond" black.
    const auto utfall = monradb(in);
    ASSERT_TRUE(utfall.klar);
    EXPECT_EQ(nummer(utfall.lista), (std::vector<int>{3, 1, 2, 6}));
    EXPECT_EQ(utfall.lista.back().namn, "Frirond");
}

} // namespace
} // namespace parning
