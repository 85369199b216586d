#include "lott/pairing/schweizer_runda1.h"

#include <gtest/gtest.h>

#include "tests/lott/pairing/schweizer_test_hjalp.h"

using namespace parning;
using schweizertest::nummer;

namespace {

std::vector<spelarstructtva> startlista(int antal, bool frirondSist) {
    std::vector<spelarstructtva> ut;
    for (int nr = 1; nr <= antal; ++nr) {
        spelarstructtva s;
        s.nr = nr;
        s.namn = (frirondSist && nr == antal) ? "Frirond" : "Spelare " + std::to_string(nr);
        s.klubb = "SK";
        s.ranking = 1400 + nr;
        s.elo = 2000;
        s.egenkategori = 3;
        ut.push_back(s);
    }
    return ut;
}

TEST(SchweizerRunda1, UpperHalfMeetsLowerHalfLowerHalfFirst) {
    const auto lista = schweizera(startlista(8, false));
    ASSERT_TRUE(lista);
    EXPECT_EQ(nummer(*lista), (std::vector<std::int32_t>{5, 1, 6, 2, 7, 3, 8, 4}));
    // The pairing list carries no Elo and no own category.
    for (const auto& s : *lista) {
        EXPECT_EQ(s.elo, 0);
        EXPECT_EQ(s.egenkategori, 0);
        EXPECT_EQ(s.ranking, 1400 + s.nr);
    }
}

TEST(SchweizerRunda1, PlayerAboveFrirondGetsTheByeOnTheLastBoard) {
    const auto lista = schweizera(startlista(8, true));
    ASSERT_TRUE(lista);
    EXPECT_EQ(nummer(*lista), (std::vector<std::int32_t>{4, 1, 5, 2, 6, 3, 7, 8}));
    EXPECT_EQ(lista->back().namn, "Frirond");

    const auto tva = schweizera(startlista(2, true));
    ASSERT_TRUE(tva);
    EXPECT_EQ(nummer(*tva), (std::vector<std::int32_t>{1, 2}));
}

TEST(SchweizerRunda1, FrirondInTheMiddleStillLeavesEveryoneOnOneBoard) {
    auto lista = startlista(6, false);
    lista[3].namn = "Frirond"; // start number 4
    const auto par = schweizera(lista);
    ASSERT_TRUE(par);
    // 3 gets the bye; 1, 2, 5, 6 are split into halves.
    EXPECT_EQ(nummer(*par), (std::vector<std::int32_t>{5, 1, 6, 2, 3, 4}));
}

TEST(SchweizerRunda1, RefusesListsThatCannotBeSplit) {
    EXPECT_FALSE(schweizera(startlista(7, false)));
    auto frirondForst = startlista(4, false);
    frirondForst[0].namn = "Frirond";
    EXPECT_FALSE(schweizera(frirondForst));
    const auto tom = schweizera({});
    ASSERT_TRUE(tom);
    EXPECT_TRUE(tom->empty());
}

TEST(SchweizerFargerA, EvenTournamentTurnsOddBoardsOddTournamentTurnsEvenBoards) {
    auto jamn = *schweizera(startlista(8, false));
    schweizerfargera(jamn, 4);
    EXPECT_EQ(nummer(jamn), (std::vector<std::int32_t>{1, 5, 6, 2, 3, 7, 8, 4}));

    auto udda = *schweizera(startlista(8, false));
    schweizerfargera(udda, 5);
    EXPECT_EQ(nummer(udda), (std::vector<std::int32_t>{5, 1, 2, 6, 7, 3, 4, 8}));
}

TEST(SchweizerFargerA, ShortListsAreLeftAlone) {
    auto ett = *schweizera(startlista(2, false));
    schweizerfargera(ett, 3); // no second board to turn
    EXPECT_EQ(nummer(ett), (std::vector<std::int32_t>{2, 1}));
    schweizerfargera(ett, 2);
    EXPECT_EQ(nummer(ett), (std::vector<std::int32_t>{1, 2}));
}

} // namespace
