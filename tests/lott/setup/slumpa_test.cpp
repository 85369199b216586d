#include "lott/pairing/slumpa.h"

#include "store/filenames.h"
#include "store/files.h"
#include "tests/lott/setup/bild.h"

namespace {

TEST(SlumpaOrdning, WorkedExampleAndOtherNumbers) {
    // T = 1, five players: k = 901 mod r + 1 gives 2, 2, 2, 2, 1.
    EXPECT_EQ(slumpaOrdning(1, 5), (std::vector<int>{2, 3, 4, 5, 1}));
    // T = 4: 904 mod 6 = 4 -> 5th; mod 5 = 4 -> 5th of {1,2,3,4,6}; mod 4 = 0; mod 3 = 1; mod 2 = 0.
    EXPECT_EQ(slumpaOrdning(4, 6), (std::vector<int>{5, 6, 1, 3, 2, 4}));
    // T = 100: 1000 mod 7 = 6, mod 6 = 4, mod 5 = 0, mod 4 = 0, mod 3 = 1, mod 2 = 0.
    EXPECT_EQ(slumpaOrdning(100, 7), (std::vector<int>{7, 5, 1, 2, 4, 3, 6}));
    EXPECT_EQ(slumpaOrdning(3, 1), (std::vector<int>{1}));
    EXPECT_TRUE(slumpaOrdning(3, 0).empty());
}

TEST(SlumpaOrdning, IsAPermutationForLargeFields) {
    for (int m : {2, 17, 900, 1200}) {
        auto o = slumpaOrdning(57, m);
        std::sort(o.begin(), o.end());
        for (int i = 0; i < m; ++i)
            ASSERT_EQ(o[i], i + 1) << "m " << m;
    }
}

spelarstructtva spelare(int nr, const std::string& namn, const std::string& klubb, int ranking, int elo = 0,
                        int egen = 0) {
    return spelarstructtva{nr, namn, klubb, ranking, elo, egen};
}

class Slumpa : public ArbetsmappTest {};

TEST_F(Slumpa, RewritesTheStartListOfTheTournamentInTillb) {
    // Tournament 1, five players and the bye registered last.
    store::writeOne(store::fil::TILLB, tillbehorstruct{1, 0, 0, 0, 0});
    store::writeAll<spelarstructtva>("1.T", {spelare(1, "A", "", 1500, 2100, 3), spelare(2, "B", "K", 0),
                                             spelare(3, "C", "", 0), spelare(4, "D", "", 0),
                                             spelare(5, "E", "", 0), spelare(6, "Frirond", "", 0)});
    SlumpaKlass().slumpa();
    EXPECT_FILE_BYTES("1.T", Bild()
                                 .plus(spelarBild(1, "B", "K", 0))
                                 .plus(spelarBild(2, "C", "", 0))
                                 .plus(spelarBild(3, "D", "", 0))
                                 .plus(spelarBild(4, "E", "", 0))
                                 .plus(spelarBild(5, "A", "", 1500, 2100, 3))
                                 .plus(spelarBild(6, "Frirond", "nej", 0)));
}

TEST_F(Slumpa, UsesTheLastTillbRecordAndLeavesOtherTournamentsAlone) {
    store::writeAll<tillbehorstruct>(store::fil::TILLB, {{1, 0, 0, 0, 0}, {2, 0, 0, 0, 0}});
    const std::vector<spelarstructtva> ett{spelare(1, "X", "", 0), spelare(2, "Y", "", 0)};
    store::writeAll("1.T", ett);
    store::writeAll<spelarstructtva>("2.T", {spelare(1, "P", "", 0), spelare(2, "Q", "", 0)});
    SlumpaKlass().slumpa();
    // 902 mod 2 = 0: the first stays first.
    EXPECT_EQ(store::readAll<spelarstructtva>("2.T")[0].namn, "P");
    EXPECT_EQ(store::readAll<spelarstructtva>("1.T"), ett);
}

TEST_F(Slumpa, ByeStandingEarlyInTheFileStaysOutOfTheDraw) {
    const auto ut = slumpaStartlista(1, {spelare(1, "Frirond", "", 0), spelare(2, "A", "", 0),
                                         spelare(3, "B", "", 0), spelare(4, "C", "", 0)});
    ASSERT_EQ(ut.size(), 4u);
    // 901 mod 3 = 1, mod 2 = 1: B, C, A.
    EXPECT_EQ(ut[0].namn, "B");
    EXPECT_EQ(ut[1].namn, "C");
    EXPECT_EQ(ut[2].namn, "A");
    EXPECT_EQ(ut[3], spelare(4, "Frirond", "nej", 0));
}

TEST_F(Slumpa, EmptyTillbChangesNothing) {
    store::touch(store::fil::TILLB);
    SlumpaKlass().slumpa();
    EXPECT_FALSE(store::exists("0.T"));
}

} // namespace
