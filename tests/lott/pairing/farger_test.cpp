#include "lott/pairing/farger.h"

#include <gtest/gtest.h>

#include <random>

#include "lott/pairing/fargindex.h"

#include "tests/lott/pairing/parning_hjalp.h"

namespace parning {
namespace {

using test::nummer;
using test::parti;
using test::spelare;

Parlista lista(std::initializer_list<int> nr) {
    Parlista ut;
    for (int n : nr)
        ut.push_back(n == 0 ? store::byeRecord(99, store::ByeClub::Nej) : spelare(n));
    return ut;
}

TEST(Schweizerfargerb, LatestDifferingRoundDecides) {
    // A (1) and B (2) both had one white in two rounds; A had white in round 2, B in round 1.
    const PartiIndex partier({parti(3, 1, 1, 1), parti(2, 4, 1, 1), parti(1, 5, 1, 2), parti(6, 2, 1, 2)});
    auto l = lista({1, 2});
    schweizerfargerb(l, partier);
    EXPECT_EQ(nummer(l), (std::vector<int>{2, 1})); // A gets black

    auto omvand = lista({2, 1});
    schweizerfargerb(omvand, partier);
    EXPECT_EQ(nummer(omvand), (std::vector<int>{2, 1})); // B had white earlier: kept
}

TEST(Schweizerfargerb, DifferentWhiteCountsKeepThePair) {
    const PartiIndex partier({parti(1, 3, 1, 1), parti(1, 4, 1, 2), parti(5, 2, 1, 1), parti(2, 6, 1, 2)});
    auto l = lista({1, 2}); // 1 has two whites, 2 one: unchanged even though 1 already had more
    schweizerfargerb(l, partier);
    EXPECT_EQ(nummer(l), (std::vector<int>{1, 2}));
}

TEST(Schweizerfargerb, IdenticalHistoriesGoByLowerNumbersWhites) {
    // Both white in round 2 and black in round 1: 2w = m and L (3) had white in round 2: black.
    const PartiIndex lika({parti(5, 3, 1, 1), parti(6, 4, 1, 1), parti(3, 7, 1, 2), parti(4, 8, 1, 2)});
    auto l = lista({3, 4});
    schweizerfargerb(l, lika);
    EXPECT_EQ(nummer(l), (std::vector<int>{4, 3}));

    // Both black in both rounds: 2w < m, the lower number gets white.
    const PartiIndex svarta({parti(5, 3, 1, 1), parti(6, 4, 1, 1), parti(7, 3, 1, 2), parti(8, 4, 1, 2)});
    auto s = lista({4, 3});
    schweizerfargerb(s, svarta);
    EXPECT_EQ(nummer(s), (std::vector<int>{3, 4}));

    // Both white in both rounds: 2w > m, the lower number gets black.
    const PartiIndex vita({parti(3, 5, 1, 1), parti(4, 6, 1, 1), parti(3, 7, 1, 2), parti(4, 8, 1, 2)});
    auto v = lista({3, 4});
    schweizerfargerb(v, vita);
    EXPECT_EQ(nummer(v), (std::vector<int>{4, 3}));
}

TEST(Nordiskafarger, BetterPlayerBlackInOddRoundsWhiteInEven) {
    // Equal white counts (two each); A (1) on 2.5 points, B (2) on 2.
    const std::vector<partistruct> g = {parti(1, 3, 1, 1), parti(4, 1, 3, 2), parti(1, 5, 1, 3),
                                        parti(2, 6, 1, 1), parti(7, 2, 2, 2), parti(2, 8, 2, 3)};
    const PartiIndex partier(g);
    ASSERT_EQ(fargpoang(partier, 1), 2.5);
    ASSERT_EQ(fargpoang(partier, 2), 2.0);
    auto jamn = lista({1, 2});
    nordiskafarger(jamn, partier, 4);
    EXPECT_EQ(nummer(jamn), (std::vector<int>{1, 2}));
    auto udda = lista({1, 2});
    nordiskafarger(udda, partier, 5);
    EXPECT_EQ(nummer(udda), (std::vector<int>{2, 1}));
}

TEST(Nordiskafarger, EqualScoresGoByLowerStartNumberAndAdjournedCountsAsWon) {
    // One white each; 1 won, 2's game is adjourned: equal colour scores of 1.
    const PartiIndex partier({parti(1, 3, 1, 1), parti(2, 4, 5, 1)});
    ASSERT_EQ(fargpoang(partier, 2), 1.0);
    auto l = lista({2, 1});
    nordiskafarger(l, partier, 2); // even round: the better (1, lower number) gets white
    EXPECT_EQ(nummer(l), (std::vector<int>{1, 2}));
    auto olika = lista({2, 5});
    nordiskafarger(olika, PartiIndex({parti(2, 6, 1, 1)}), 3);
    EXPECT_EQ(nummer(olika), (std::vector<int>{2, 5})); // 2 had a white, 5 none: kept
}

TEST(Frirondsvart, ByePairMovesToTheLastBoardWithFrirondBlack) {
    auto l = lista({1, 2, 0, 3, 4, 5}); // "Frirond" white on board 2
    frirondsvart(l);
    EXPECT_EQ(nummer(l), (std::vector<int>{1, 2, 4, 5, 3, 99}));

    auto svart = lista({1, 2, 3, 0, 4, 5});
    frirondsvart(svart);
    EXPECT_EQ(nummer(svart), (std::vector<int>{1, 2, 4, 5, 3, 99}));

    auto sist = lista({1, 2, 0, 3});
    frirondsvart(sist);
    EXPECT_EQ(nummer(sist), (std::vector<int>{1, 2, 3, 99}));

    auto utan = lista({4, 1, 2, 3});
    frirondsvart(utan);
    EXPECT_EQ(nummer(utan), (std::vector<int>{4, 1, 2, 3}));
}

// The colour rule reads the compact colour index the Swiss engine builds; it must answer as the
// full game index does, for start numbers close together and far apart (a damaged file).
TEST(Fargindex, AnswersAsTheGameIndexDoes) {
    std::mt19937 slump(3);
    for (int fall = 0; fall < 200; ++fall) {
        const int steg = fall % 2 ? 1 : 50'000'000;
        std::vector<partistruct> partier;
        const int antal = static_cast<int>(slump() % 40);
        for (int i = 0; i < antal; ++i)
            partier.push_back(parti(1 + static_cast<int>(slump() % 12) * steg, 1 + static_cast<int>(slump() % 12) * steg,
                                    1, 1 + static_cast<int>(slump() % 6)));
        const PartiIndex hela(partier);
        const Fargindex farger(partier);
        ASSERT_EQ(farger.sistaRond(), hela.sistaRond());
        for (int k = 0; k <= 13; ++k) {
            const int nr = 1 + k * steg;
            ASSERT_EQ(farger.antalVita(nr), hela.antalVita(nr)) << "case " << fall << ", player " << nr;
            for (int rond = 0; rond <= 7; ++rond)
                ASSERT_EQ(farger.vitIRond(nr, rond), hela.vitIRond(nr, rond)) << "case " << fall << ", player " << nr;
        }
    }
}

} // namespace
} // namespace parning
