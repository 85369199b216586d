#include "lott/pairing/schweizer_grupp.h"

#include <gtest/gtest.h>

#include "tests/lott/pairing/schweizer_test_hjalp.h"

using namespace parning;
using schweizertest::parti;

namespace {

Grupp grupp(std::vector<std::int32_t> nr) {
    Grupp g;
    for (std::int32_t n : nr)
        rankingsortera(g, Gruppspelare{n, 1.0, 0, n});
    return g;
}

std::vector<std::int32_t> ordning(const Grupp& g) {
    std::vector<std::int32_t> ut;
    for (const auto& s : g)
        ut.push_back(s.nr);
    return ut;
}

TEST(SchweizerGrupp, InsertionKeepsDescendingStartNumbers) {
    EXPECT_EQ(ordning(grupp({3, 7, 1, 5, 2})), (std::vector<std::int32_t>{7, 5, 3, 2, 1}));
}

TEST(SchweizerGrupp, ConflictPrefersTheLowestPairWhereTheUpperPlayerHadWhite) {
    // Group 1..6: positions 6 5 4 | 3 2 1 hold 1 2 3 | 4 5 6; pairs 1-4, 2-5, 3-6.
    const Grupp g = grupp({1, 2, 3, 4, 5, 6});
    Konflikt k;
    EXPECT_FALSE(hittaKonflikt(g, PartiIndex({parti(1, 2, 1), parti(4, 5, 1)}), k));

    // Lower player white in both: the first one checked (position h) is kept.
    ASSERT_TRUE(hittaKonflikt(g, PartiIndex({parti(4, 1, 1), parti(6, 3, 2)}), k));
    EXPECT_EQ(k.ej, 1);
    EXPECT_EQ(k.ejb, 4);
    EXPECT_EQ(k.ejc, 3);
    EXPECT_EQ(k.ejd, 3);

    // An upper-white meeting further down replaces it.
    ASSERT_TRUE(hittaKonflikt(g, PartiIndex({parti(4, 1, 1), parti(3, 6, 2)}), k));
    EXPECT_EQ(k.ej, 3);
    EXPECT_EQ(k.ejb, 6);
    EXPECT_EQ(k.ejc, 1);

    // A lower-white meeting after an upper-white one does not.
    ASSERT_TRUE(hittaKonflikt(g, PartiIndex({parti(1, 4, 1), parti(6, 3, 2)}), k));
    EXPECT_EQ(k.ejb, 4);
}

TEST(SchweizerGrupp, ShiftsAndReorderings) {
    Grupp g = grupp({1, 2, 3, 4, 5, 6}); // 6 5 4 3 2 1
    flyttaTill(g, 4, 1);
    EXPECT_EQ(ordning(g), (std::vector<std::int32_t>{4, 6, 5, 3, 2, 1}));
    flyttaTill(g, 4, 3);
    EXPECT_EQ(ordning(g), (std::vector<std::int32_t>{6, 5, 4, 3, 2, 1}));
    flyttaTill(g, 99, 1); // not in the group: unchanged
    EXPECT_EQ(ordning(g), (std::vector<std::int32_t>{6, 5, 4, 3, 2, 1}));

    uddaJamna(g);
    EXPECT_EQ(ordning(g), (std::vector<std::int32_t>{6, 4, 2, 5, 3, 1}));
    mjustera(g, 2); // the last player goes right after position 4
    EXPECT_EQ(ordning(g), (std::vector<std::int32_t>{6, 4, 2, 5, 1, 3}));
    mjustera(g, 5); // right after position 1
    EXPECT_EQ(ordning(g), (std::vector<std::int32_t>{6, 3, 4, 2, 5, 1}));
}

} // namespace
