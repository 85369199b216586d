#include "lott/setup/startlista.h"

#include <gtest/gtest.h>

namespace {

std::vector<spelarstructtva> spelare(std::initializer_list<const char*> namn) {
    std::vector<spelarstructtva> v;
    for (const char* n : namn)
        v.push_back({static_cast<int>(v.size()) + 1, n, "K", 1500, 0, 0});
    return v;
}

std::vector<std::string> lista(const Startlista& s, bool hoger) {
    std::vector<std::string> rader;
    const int n = hoger ? s.raderHoger() : s.raderVanster();
    for (int rad = 0; rad < n; ++rad)
        rader.push_back(s.radText(Startlista::nummer(hoger, rad)));
    return rader;
}

// "nr:name" of a stored list, in file order.
std::vector<std::string> lagrad(const std::vector<spelarstructtva>& l) {
    std::vector<std::string> ut;
    for (const auto& s : l)
        ut.push_back(std::to_string(s.nr) + ":" + s.namn);
    return ut;
}

TEST(Startlista, EachRowPairIsAFirstRoundBoard) {
    // Eight players: the right list 1, 3, 5, 7 and the left 2, 4, 6, 8, each with an empty row.
    const Startlista s(spelare({"A", "B", "C", "D", "E", "F", "G", "H"}));
    EXPECT_EQ(lista(s, true), (std::vector<std::string>{"1. A", "3. C", "5. E", "7. G", ""}));
    EXPECT_EQ(lista(s, false), (std::vector<std::string>{"2. B", "4. D", "6. F", "8. H", ""}));
}

TEST(Startlista, AHoleBlocksTheCommitUntilFilled) {
    Startlista s(spelare({"A", "B", "C", "D", "E", "F", "G", "H"}));
    // Nothing held: an empty row offers nothing, a player row offers cutting.
    EXPECT_EQ(s.klick(9), Startlista::Klick::Inget);
    EXPECT_EQ(s.klick(3), Startlista::Klick::KlippUt);
    s.klippUt(3);
    EXPECT_EQ(s.radText(3), "");
    EXPECT_TRUE(s.harLuckor());
    // While holding, only empty rows react (the cut row itself included).
    EXPECT_EQ(s.klick(5), Startlista::Klick::Inget);
    EXPECT_EQ(s.klick(3), Startlista::Klick::KlistraIn);
    s.klistraIn(9); // the extra row below the right list
    EXPECT_EQ(s.radText(9), "9. C");
    EXPECT_TRUE(s.harLuckor()) << "3 is empty";
    // Player 8 into place 3, then C from 9 into place 8: no hole, the extra rows empty again.
    s.klippUt(8);
    s.klistraIn(3);
    EXPECT_TRUE(s.harLuckor()) << "8 is empty now";
    s.klippUt(9);
    s.klistraIn(8);
    EXPECT_FALSE(s.harLuckor());
    EXPECT_EQ(lista(s, true), (std::vector<std::string>{"1. A", "3. H", "5. E", "7. G", ""}));
    EXPECT_EQ(lagrad(s.nyStartlista()),
              (std::vector<std::string>{"1:A", "2:B", "3:H", "4:D", "5:E", "6:F", "7:G", "8:C"}));
}

TEST(Startlista, TheByeMovesLastWithItsOpponent) {
    struct Fall {
        const char* namn;
        std::vector<std::string> fore; // names by start number, "Frirond" the bye
        std::vector<std::string> efter;
    };
    const Fall fall[] = {
        // Seven players, the bye moved to 4: its opponent 3 becomes 7, players 5..8 become 3..6.
        {"bye at 4 of 8",
         {"A", "B", "C", "Frirond", "E", "F", "G", "H"},
         {"1:A", "2:B", "3:E", "4:F", "5:G", "6:H", "7:C", "8:Frirond"}},
        // Odd place: the opponent is the next number.
        {"bye at 3 of 8",
         {"A", "B", "Frirond", "D", "E", "F", "G", "H"},
         {"1:A", "2:B", "3:E", "4:F", "5:G", "6:H", "7:D", "8:Frirond"}},
        {"bye at 7 of 8",
         {"A", "B", "C", "D", "E", "F", "Frirond", "H"},
         {"1:A", "2:B", "3:C", "4:D", "5:E", "6:F", "7:H", "8:Frirond"}},
        {"bye at 1 of 4", {"Frirond", "B", "C", "D"}, {"1:C", "2:D", "3:B", "4:Frirond"}},
        {"bye already last", {"A", "B", "C", "Frirond"}, {"1:A", "2:B", "3:C", "4:Frirond"}},
        {"no bye", {"A", "B", "C", "D"}, {"1:A", "2:B", "3:C", "4:D"}},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.namn);
        std::vector<spelarstructtva> l;
        for (const auto& n : f.fore)
            l.push_back({static_cast<int>(l.size()) + 1, n, "nej", 0, 0, 0});
        EXPECT_EQ(lagrad(flyttaFrirondSist(l)), f.efter);
    }
}

TEST(Startlista, StoredRecordsLoseEloAndOwnCategory) {
    std::vector<spelarstructtva> l{{1, "A", "K", 1800, 2100, 3}, {2, "B", "", 0, 0, 1}};
    const auto ut = Startlista(l).nyStartlista();
    EXPECT_EQ(ut[0], (spelarstructtva{1, "A", "K", 1800, 0, 0}));
    EXPECT_EQ(ut[1], (spelarstructtva{2, "B", "", 0, 0, 0}));
}

} // namespace
