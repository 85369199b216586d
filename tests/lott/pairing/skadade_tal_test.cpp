// Numbers from damaged files in the pairing: a start number at the end of the int range takes no
// part (the bye number, the largest plus one, must exist), and the start-order draw stays inside
// its list whatever tournament number "TILLB" holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "lott/pairing/monrad.h"
#include "lott/pairing/slumpa.h"
#include "tests/lott/pairing/parning_hjalp.h"

namespace {

using namespace parning;
using namespace parning::test;

// A player record whose start number was damaged to the largest int.
spelarstructtva skadad() {
    spelarstructtva s;
    s.nr = INT_MAX;
    s.namn = "Skadad";
    s.klubb = "SK";
    return s;
}

TEST(SkadadeTal, TheDrawStaysAPermutationForAnyTournamentNumber) {
    // T = INT_MAX: T + 900 = 2147484547, worked out wide. Its remainders: mod 5 = 2 (last digit
    // 7), mod 4 = 3 (47), mod 3 = 1 (digit sum 46), mod 2 = 1, mod 1 = 0. From {1..5} that takes
    // the 3rd, then the 4th of {1,2,4,5}, the 2nd of {1,2,4}, the 2nd of {1,4}, and 1.
    EXPECT_EQ(slumpaOrdning(INT_MAX, 5), (std::vector<int>{3, 5, 2, 4, 1}));
    for (int turnnr : {INT_MIN, INT_MIN + 1, -901, -900, -1, 0, INT_MAX - 899, INT_MAX}) {
        SCOPED_TRACE(turnnr);
        for (int m : {1, 2, 7, 40}) {
            auto o = slumpaOrdning(turnnr, m);
            std::sort(o.begin(), o.end());
            std::vector<int> alla(static_cast<std::size_t>(m));
            for (int i = 0; i < m; ++i)
                alla[static_cast<std::size_t>(i)] = i + 1;
            EXPECT_EQ(o, alla) << "m " << m;
        }
    }
}

TEST(SkadadeTal, MonradLeavesOutAStartNumberAtTheEndOfTheRange) {
    // Players 1..4 and a damaged record numbered INT_MAX, which must not be paired.
    auto lista = startlista(4);
    lista.push_back(skadad());

    // Round 1 of 1..4: 2 against 1 and 4 against 3, the even number white.
    EXPECT_EQ(nummer(monrada(lista)), (std::vector<int>{2, 1, 4, 3}));

    // Round 2 after 2 and 4 won as white: ordered 2, 4 (one point each, level in round 1, lower
    // number first), then 1, 3. 2 takes 4, 1 takes 3. Equal white counts give the lower-placed
    // player white: 4 against 2, 3 against 1.
    MonradIndata in;
    in.spelare = lista;
    in.partier = {parti(2, 1, resVitVinst, 1), parti(4, 3, resVitVinst, 1)};
    in.valdrond = 2;
    const auto utfall = monradb(in);
    ASSERT_TRUE(utfall.klar);
    EXPECT_EQ(nummer(utfall.lista), (std::vector<int>{4, 2, 3, 1}));
}

TEST(SkadadeTal, MonradByeFollowsTheLargestPlausibleNumber) {
    // Players 1..3 and a damaged INT_MAX: the field is odd, and the bye the engine adds is
    // numbered 4 (largest plausible 3, plus one). Round 2 after 2 beat 1 and 3 had a bye (4 did
    // not exist in round 1, the game was against the bye 4): order 2, 3 (1 point, lower number),
    // 1, then the bye 4 with no points. 2 has met 1 but not 3: 2 takes 3; 1 takes the bye.
    auto lista = startlista(3);
    lista.push_back(skadad());
    MonradIndata in;
    in.spelare = lista;
    in.partier = {parti(2, 1, resVitVinst, 1), parti(3, 4, resVitVinst, 1)};
    in.valdrond = 2;
    const auto utfall = monradb(in);
    ASSERT_TRUE(utfall.klar);
    const auto nr = nummer(utfall.lista);
    ASSERT_EQ(nr.size(), 4u);
    EXPECT_EQ(utfall.lista.back().namn, "Frirond");
    EXPECT_EQ(nr.back(), 4);
    EXPECT_EQ(nr[2], 1);
    EXPECT_EQ((std::vector<int>{std::min(nr[0], nr[1]), std::max(nr[0], nr[1])}), (std::vector<int>{2, 3}));
}

} // namespace
