#include "lott/pairing/lottning.h"

#include <gtest/gtest.h>

#include "lott/pairing/monrad.h"
#include "store/filenames.h"
#include "store/files.h"
#include "tests/lott/pairing/parning_hjalp.h"
#include "tests/support/temp_dir.h"

namespace parning {
namespace {

using test::nummer;
using test::parti;
using test::startlista;

// The first round in which a Swiss-type field of n entries is paired by the Monrad engine.
int forstaMonradrond(int n) {
    for (int r = 1; r <= 40; ++r)
        if (monradStorlek(n, r)) return r;
    return 0;
}

TEST(MonradStorlek, FirstSwitchedRoundBySize) {
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(forstaMonradrond(n), 0) << n;
    EXPECT_EQ(forstaMonradrond(6), 4);
    EXPECT_EQ(forstaMonradrond(7), 5);
    struct Spann {
        int fran, till, rond;
    };
    for (const Spann s : {Spann{8, 12, 3}, Spann{13, 13, 4}, Spann{14, 20, 3}, Spann{21, 35, 4},
                          Spann{36, 54, 5}, Spann{55, 71, 6}, Spann{72, 111, 7}, Spann{112, 135, 8},
                          Spann{136, 152, 9}, Spann{153, 169, 10}, Spann{289, 305, 18}})
        for (int n = s.fran; n <= s.till; ++n)
            EXPECT_EQ(forstaMonradrond(n), s.rond) << n;
}

class Lottning : public ::testing::Test {
  protected:
    // Tournament 1 with the given players, rounds and system; scoring code `poang`.
    LottState tournament(const std::vector<spelarstructtva>& spelare, int antalronder, int system,
                         int poang = 1, int vilken = 0) {
        store::writeAll(store::tournamentFile(1, 'T'), spelare);
        store::appendOne(store::fil::POANGSYS, poangsystem{poang, 1});
        store::appendOne(store::fil::SELN, vilkenschweizerstruct{vilken, 1});
        LottState st;
        st.turnnr = 1;
        st.fnamnglob = "1";
        st.slistab = spelare;
        st.antalronder = antalronder;
        st.systemc = system;
        st.vilkpaint = 2;
        return st;
    }
    static std::vector<std::uint8_t> bytes(const Parlista& lista) { return store::encodeAll(lista); }

    TempDir katalog_;
};

TEST_F(Lottning, FirstMonradRoundWritesTheWorkFilesAndTheListByteExact) {
    auto st = tournament(startlista(7, true), 7, 0);
    lottning(st);
    EXPECT_EQ(st.valdrond, 1);
    EXPECT_EQ(st.ejronditurn, 0);
    EXPECT_LT(st.grans, kGransLast);
    EXPECT_EQ(store::readBytes(store::fil::SKICKAP).size(), 0u);
    EXPECT_EQ(store::readText(store::fil::VILKSY), "0");
    EXPECT_EQ(store::readAll<vrstruct>(store::fil::VALDR), (std::vector<vrstruct>{{1}}));
    const Parlista vantat = monrada(startlista(7, true));
    EXPECT_EQ(store::readBytes(store::fil::LSKICKA), bytes(vantat));
    EXPECT_EQ(nummer(st.slistab), (std::vector<int>{2, 1, 4, 3, 6, 5, 7, 8}));
}

TEST_F(Lottning, ResultEntryGetsTheListReversed) {
    auto st = tournament(startlista(4), 3, 0);
    st.vilkpaint = 3;
    lottning(st);
    EXPECT_EQ(nummer(st.slistab), (std::vector<int>{3, 4, 1, 2}));
    EXPECT_EQ(nummer(store::readAll<spelarstructtva>(store::fil::LSKICKA)), (std::vector<int>{2, 1, 4, 3}));
}

TEST_F(Lottning, LaterRoundFromTheGamesFile) {
    auto st = tournament(startlista(4), 3, 0);
    store::writeAll(store::tournamentFile(1, 'R'),
                    std::vector<partistruct>{parti(2, 1, 1, 1), parti(4, 3, 1, 1)});
    lottning(st);
    EXPECT_EQ(st.valdrond, 2);
    EXPECT_EQ(store::readAll<partistruct>(store::fil::SKICKAP).size(), 2u);
    EXPECT_EQ(nummer(st.slistab), (std::vector<int>{4, 2, 3, 1}));
    // Pairing the same round again gives the same list.
    const auto forsta = store::readBytes(store::fil::LSKICKA);
    auto igen = tournament(startlista(4), 3, 0);
    lottning(igen);
    EXPECT_EQ(store::readBytes(store::fil::LSKICKA), forsta);
}

TEST_F(Lottning, PlannedRoundsReachedPairsNothing) {
    auto st = tournament(startlista(8), 5, 0);
    std::vector<partistruct> partier;
    for (int r = 1; r <= 5; ++r)
        partier.push_back(parti(1, 2, 1, r));
    store::writeAll(store::tournamentFile(1, 'R'), partier);
    lottning(st);
    EXPECT_EQ(st.ejronditurn, 1);
    EXPECT_EQ(st.valdrond, 6);
    EXPECT_EQ(nummer(st.slistab), nummer(startlista(8))); // untouched
    // The work files are written all the same: LSKICKA holds the player list.
    EXPECT_EQ(store::readBytes(store::fil::LSKICKA), bytes(startlista(8)));
}

TEST_F(Lottning, FieldNoLongerThanTheRoundPairsNothing) {
    auto st = tournament(startlista(4), 9, 0);
    std::vector<partistruct> partier;
    for (int r = 1; r <= 3; ++r)
        partier.push_back(parti(1, 2, 1, r));
    store::writeAll(store::tournamentFile(1, 'R'), partier);
    lottning(st);
    EXPECT_EQ(st.ejronditurn, 1);
    EXPECT_EQ(st.valdrond, 4);
}

TEST_F(Lottning, ImpossibleRoundReportsFailureAndPairsNothing) {
    // Six players after three rounds of {1,2,3} against {4,5,6}: no fourth round exists.
    auto st = tournament(startlista(6), 7, 0);
    const std::vector<partistruct> partier = {parti(1, 4, 1, 1), parti(2, 5, 1, 1), parti(3, 6, 1, 1),
                                              parti(1, 5, 1, 2), parti(2, 6, 1, 2), parti(3, 4, 1, 2),
                                              parti(1, 6, 1, 3), parti(2, 4, 1, 3), parti(3, 5, 1, 3)};
    store::writeAll(store::tournamentFile(1, 'R'), partier);
    lottning(st);
    EXPECT_EQ(st.ejronditurn, 0);
    EXPECT_GE(st.grans, kGransLast);
    EXPECT_EQ(store::readBytes(store::fil::LSKICKA), bytes(startlista(6)));
    EXPECT_EQ(store::readAll<partistruct>(store::tournamentFile(1, 'R')), partier);
}

TEST_F(Lottning, WithdrawnPlayerIsLeftOutAndGetsAByeInstead) {
    auto st = tournament(startlista(6), 5, 0);
    store::writeAll(store::tournamentFile(1, 'R'),
                    std::vector<partistruct>{parti(2, 1, 1, 1), parti(4, 3, 1, 1), parti(6, 5, 1, 1)});
    store::appendOne(store::tournamentFile(1, 'U'), test::spelare(4));
    lottning(st);
    ASSERT_LT(st.grans, kGransLast);
    ASSERT_EQ(st.slistab.size(), 6u);
    EXPECT_EQ(st.slistab.back().namn, "Frirond");
    EXPECT_EQ(st.slistab.back().nr, 7);
    for (const auto& s : st.slistab)
        EXPECT_NE(s.nr, 4);
}

TEST_F(Lottning, SwissTypeRoundSwitchedByTheSizeRule) {
    // Eight entries: round 3 goes to the Monrad engine with the Swiss variant's colour rule.
    auto st = tournament(startlista(8), 7, 1, 1, 1);
    store::writeAll(store::tournamentFile(1, 'R'),
                    std::vector<partistruct>{parti(5, 1, 1, 1), parti(2, 6, 1, 1), parti(7, 3, 1, 1),
                                             parti(4, 8, 1, 1), parti(1, 2, 1, 2), parti(3, 4, 1, 2),
                                             parti(6, 5, 1, 2), parti(8, 7, 1, 2)});
    lottning(st, SchweizerKoppling{});
    EXPECT_EQ(store::readText(store::fil::VILKSY), "2");
    EXPECT_EQ(st.systemc, 0);
    EXPECT_LT(st.grans, kGransLast);
    EXPECT_EQ(st.slistab.size(), 8u);
}

TEST_F(Lottning, NordicVariantAndMonradWriteTheirVilksy) {
    auto nordisk = tournament(startlista(8), 7, 1, 1, 0);
    store::writeAll(store::tournamentFile(1, 'R'),
                    std::vector<partistruct>{parti(5, 1, 1, 1), parti(2, 6, 1, 1), parti(7, 3, 1, 1),
                                             parti(4, 8, 1, 1), parti(1, 2, 1, 2), parti(3, 4, 1, 2),
                                             parti(6, 5, 1, 2), parti(8, 7, 1, 2)});
    lottning(nordisk, SchweizerKoppling{});
    EXPECT_EQ(store::readText(store::fil::VILKSY), "1");

    auto monrad = tournament(startlista(7, true), 9, 0);
    std::vector<partistruct> fyra;
    for (int r = 1; r <= 4; ++r)
        fyra.push_back(parti(1, 2, 1, r));
    store::writeAll(store::tournamentFile(1, 'R'), fyra);
    lottning(monrad);
    EXPECT_EQ(monrad.valdrond, 5);
    EXPECT_EQ(store::readText(store::fil::VILKSY), "0");
}

TEST_F(Lottning, SwissTypeRoundWithoutItsEngineIsReportedNotPaired) {
    auto st = tournament(startlista(20), 7, 1);
    lottning(st, SchweizerKoppling{});
    EXPECT_EQ(st.systemc, 1);
    EXPECT_GE(st.grans, kGransLast);
}

TEST_F(Lottning, SwissTypeLaterRoundHandsTheStandingsToTheEngine) {
    auto st = tournament(startlista(20), 7, 1);
    store::writeAll(store::tournamentFile(1, 'R'), std::vector<partistruct>{parti(1, 11, 1, 1)});
    SchweizerKoppling k;
    k.stallningfunk = [](LottState& s) {
        EXPECT_EQ(s.schwanrop, 1);
        s.parslistac.clear();
        for (int nr : {1, 11, 2}) {
            spelarstructc c;
            c.nr = nr;
            c.namn = "S" + std::to_string(nr);
            c.poang = nr == 1 ? 1 : 0;
            s.parslistac.push_back(c);
        }
        return 7;
    };
    int anrop = 0;
    k.schweizerb = [&](int valdrond, int, int frav) {
        ++anrop;
        EXPECT_EQ(valdrond, 2);
        EXPECT_EQ(frav, kNordiskMarkering);
        // Standings from last place to first, with white counts.
        const auto lista = store::readAll<spelarstructtvac>(store::fil::LSKICKA);
        EXPECT_EQ(lista.size(), 3u);
        EXPECT_EQ(lista.front().nr, 2);
        EXPECT_EQ(lista.back().nr, 1);
        EXPECT_EQ(lista.back().antalvita, 1);
        EXPECT_EQ(lista.back().poang, 1.0);
        store::writeAll(store::fil::LSKICKA,
                        std::vector<spelarstructtva>{test::spelare(1), test::spelare(2)});
        return true;
    };
    lottning(st, k);
    EXPECT_EQ(anrop, 1);
    EXPECT_EQ(st.globvanta, 7);
    EXPECT_EQ(st.schwanrop, 0);
    EXPECT_LT(st.grans, kGransLast);
    EXPECT_EQ(nummer(st.slistab), (std::vector<int>{1, 2}));
}

TEST_F(Lottning, CustomScoresBecomeResultCodes) {
    auto st = tournament(startlista(4), 5, 0, 4);
    auto valfri = [](int turnnr, int vit, int svart, double v, double s) {
        valfristruct r;
        r.turnnr = turnnr;
        r.vit = vit;
        r.svart = svart;
        r.rond = 1;
        r.vitresultat = v;
        r.svartresultat = s;
        return r;
    };
    store::writeAll(
        store::fil::VALFRI,
        std::vector<valfristruct>{valfri(1, 2, 1, 2.5, 1.5), valfri(2, 9, 8, 1, 0), valfri(1, 4, 3, 2, 2)});
    lottning(st);
    const auto skickap = store::readAll<partistruct>(store::fil::SKICKAP);
    ASSERT_EQ(skickap.size(), 2u); // the other tournament's game is left out
    EXPECT_EQ(skickap[0].resultat, 1);
    EXPECT_EQ(skickap[1].resultat, 3);
    EXPECT_EQ(st.valdrond, 2);
}

} // namespace
} // namespace parning
