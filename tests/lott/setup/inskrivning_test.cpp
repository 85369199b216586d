#include "lott/setup/inskrivning.h"

#include <gtest/gtest.h>

#include <set>

#include "lott/setup/inskrivning_layout.h"

namespace {

TEST(InskrivningLayout, FourLayoutsByCategory) {
    EXPECT_EQ(inskrivningLayout(0).dialog, 1);
    EXPECT_EQ(inskrivningLayout(1).dialog, 428);
    EXPECT_EQ(inskrivningLayout(2).dialog, 1528);
    EXPECT_EQ(inskrivningLayout(3).dialog, 228);
    EXPECT_EQ(inskrivningLayout(0).raderPerSida, 33);
    EXPECT_EQ(inskrivningLayout(1).raderPerSida, 24);
    EXPECT_EQ(inskrivningLayout(2).raderPerSida, 24);
    EXPECT_EQ(inskrivningLayout(3).raderPerSida, 12);
    EXPECT_EQ(inskrivningLayout(2).framatId, 531);
    EXPECT_EQ(inskrivningLayout(2).bakatId, 590);
    EXPECT_EQ(inskrivningLayout(7).dialog, 1);
}

TEST(InskrivningLayout, NamesOnlyRunsAlongRows) {
    const auto& l = inskrivningLayout(0);
    auto p = platsForRad(l, 0);
    EXPECT_EQ(p.rad, 0);
    EXPECT_EQ(p.kolumn, 0);
    p = platsForRad(l, 2);
    EXPECT_EQ(p.rad, 0);
    EXPECT_EQ(p.kolumn, 2);
    p = platsForRad(l, 3);
    EXPECT_EQ(p.rad, 1);
    EXPECT_EQ(p.kolumn, 0);
    p = platsForRad(l, 32);
    EXPECT_EQ(p.rad, 10);
    EXPECT_EQ(p.kolumn, 2);
}

TEST(InskrivningLayout, TwoColumnLayoutsRunDownThirteenThenEleven) {
    for (int kat : {1, 2}) {
        const auto& l = inskrivningLayout(kat);
        auto p = platsForRad(l, 12);
        EXPECT_EQ(p.rad, 12);
        EXPECT_EQ(p.kolumn, 0);
        p = platsForRad(l, 13);
        EXPECT_EQ(p.rad, 0);
        EXPECT_EQ(p.kolumn, 1);
        p = platsForRad(l, 23);
        EXPECT_EQ(p.rad, 10);
        EXPECT_EQ(p.kolumn, 1);
    }
    const auto p = platsForRad(inskrivningLayout(3), 11);
    EXPECT_EQ(p.rad, 11);
    EXPECT_EQ(p.kolumn, 0);
}

TEST(InskrivningLayout, EveryLayoutFillsDistinctPlaces) {
    for (int kat = 0; kat < 4; ++kat) {
        const auto& l = inskrivningLayout(kat);
        std::set<std::pair<int, int>> platser;
        for (int i = 0; i < l.raderPerSida; ++i) {
            const auto p = platsForRad(l, i);
            EXPECT_LT(p.rad, l.raderVanster);
            EXPECT_LT(p.kolumn, l.kolumner);
            platser.insert({p.rad, p.kolumn});
        }
        EXPECT_EQ(static_cast<int>(platser.size()), l.raderPerSida) << "layout " << kat;
    }
}

TEST(InskrivningLayout, PagingForwardAlwaysBackOnlyAboveOne) {
    const auto& l = inskrivningLayout(0);
    EXPECT_EQ(nastaSida(l, 1), 34);
    EXPECT_EQ(nastaSida(l, 34), 67);
    EXPECT_EQ(foregaendeSida(l, 34), 1);
    EXPECT_EQ(foregaendeSida(l, 1), 0);
    EXPECT_EQ(foregaendeSida(inskrivningLayout(3), 13), 1);
    EXPECT_EQ(foregaendeSida(inskrivningLayout(3), 1), 0);
}

TEST(NormaliseraRanking, OpenRangesAndTeamSizes) {
    EXPECT_EQ(normaliseraRanking("", false), 0);
    EXPECT_EQ(normaliseraRanking("abc", false), 0);
    EXPECT_EQ(normaliseraRanking("700", false), 0);
    EXPECT_EQ(normaliseraRanking("701", false), 701);
    EXPECT_EQ(normaliseraRanking("3099", false), 3099);
    EXPECT_EQ(normaliseraRanking("3100", false), 0);
    EXPECT_EQ(normaliseraRanking("1850x", false), 1850);
    EXPECT_EQ(normaliseraRanking("-1800", false), 0);
    EXPECT_EQ(normaliseraRanking("999999999", false), 0);
    EXPECT_EQ(normaliseraRanking("5", false), 0);
    EXPECT_EQ(normaliseraRanking("5", true), 5);
    EXPECT_EQ(normaliseraRanking("99", true), 99);
    EXPECT_EQ(normaliseraRanking("100", true), 0);
    EXPECT_EQ(normaliseraRanking("0", true), 0);
    EXPECT_EQ(normaliseraRanking("1500", true), 1500);
}

TEST(NormaliseraRad, LayoutDecidesClubAndRanking) {
    const InskrivenRad rad{"Anna", "SK Rockaden", "1900"};
    EXPECT_EQ(normaliseraRad(inskrivningLayout(0), 4, rad, false), (spelarstruct{4, "Anna", "nej", 0}));
    EXPECT_EQ(normaliseraRad(inskrivningLayout(1), 4, rad, false),
              (spelarstruct{4, "Anna", "SK Rockaden", 0}));
    EXPECT_EQ(normaliseraRad(inskrivningLayout(2), 4, rad, false), (spelarstruct{4, "Anna", "nej", 1900}));
    EXPECT_EQ(normaliseraRad(inskrivningLayout(3), 4, rad, false),
              (spelarstruct{4, "Anna", "SK Rockaden", 1900}));
    // The three-field layout takes four ranking characters.
    EXPECT_EQ(normaliseraRad(inskrivningLayout(3), 1, {"B", "", "19005"}, false).ranking, 1900);
    EXPECT_EQ(normaliseraRad(inskrivningLayout(2), 1, {"B", "", "19005"}, false).ranking, 0);
    // Over-long texts are cut to 29 characters.
    const auto lang =
        normaliseraRad(inskrivningLayout(1), 1, {std::string(40, 'x'), std::string(35, 'y'), ""}, false);
    EXPECT_EQ(lang.namn, std::string(29, 'x'));
    EXPECT_EQ(lang.klubb, std::string(29, 'y'));
}

TEST(Gorlista, ReplacesThePageRangeOnly) {
    const auto& l = inskrivningLayout(3); // 12 rows
    std::vector<spelarstruct> lista;
    gorlista(lista, l, 1, {{"A", "K1", "1500"}, {"B", "", ""}}, false);
    ASSERT_EQ(lista.size(), 12u) << "empty rows are kept as nodes";
    gorlista(lista, l, 13, {{"M", "K", "2000"}}, false);
    ASSERT_EQ(lista.size(), 24u);
    // Retyping page 1 replaces its nodes and leaves page 2's.
    gorlista(lista, l, 1, {{"", "", ""}, {"C", "K3", "800"}}, false);
    ASSERT_EQ(lista.size(), 24u);
    const auto sida1 = sidansRader(lista, l, 1);
    EXPECT_EQ(sida1[0], (InskrivenRad{"", "", ""}));
    EXPECT_EQ(sida1[1], (InskrivenRad{"C", "K3", "800"}));
    const auto sida2 = sidansRader(lista, l, 13);
    EXPECT_EQ(sida2[0], (InskrivenRad{"M", "K", "2000"}));
    EXPECT_EQ(sida2[1], (InskrivenRad{"", "", ""}));
}

TEST(SidansRader, ShowsOnlyTheLayoutsFields) {
    const std::vector<spelarstruct> lista{{1, "A", "nej", 0}, {2, "B", "Klubb", 1800}, {40, "C", "nej", 0}};
    const auto namn = sidansRader(lista, inskrivningLayout(0), 1);
    EXPECT_EQ(namn[0], (InskrivenRad{"A", "", ""}));
    EXPECT_EQ(namn[1], (InskrivenRad{"B", "", ""}));
    EXPECT_EQ(sidansRader(lista, inskrivningLayout(0), 34)[6], (InskrivenRad{"C", "", ""}));
    const auto alla = sidansRader(lista, inskrivningLayout(3), 1);
    EXPECT_EQ(alla[0], (InskrivenRad{"A", "nej", ""}));
    EXPECT_EQ(alla[1], (InskrivenRad{"B", "Klubb", "1800"}));
    EXPECT_EQ(alla[5], (InskrivenRad{}));
}

} // namespace
