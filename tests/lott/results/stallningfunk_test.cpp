#include "lott/results/stallningfunk.h"

#include <gtest/gtest.h>

#include "lott/results/resultatinmatning.h"
#include "stallning_fixture.h"
#include "store/filenames.h"
#include "store/files.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace stallningtest;

class Stallningfunk : public ArbetsmappTest {
  protected:
    LottState st;
    void SetUp() override {
        ArbetsmappTest::SetUp();
        st.turnnr = 2;
        st.slistab = {spelare(1, "A", 1500), spelare(2, "B", 1600, "SK Rockaden"), spelare(3, "C"),
                      spelare(4, "D")};
    }
};

TEST_F(Stallningfunk, WithoutFilesEveryoneIsEqualAndTheFilesExist) {
    EXPECT_EQ(stallningfunk(st), 1);
    EXPECT_EQ(st.parslistac.size(), 4u);
    EXPECT_EQ(st.valdrond, 0);
    EXPECT_EQ(st.klubbfinns, 1);
    EXPECT_EQ(st.rankingfinns, 1);
    for (const char* fil : {"2.R", "2.U", store::fil::VILKV, store::fil::POANGSYS})
        EXPECT_TRUE(store::exists(fil)) << fil;
}

TEST_F(Stallningfunk, ReadsScoringMethodGamesAndWithdrawals) {
    store::append<poangsystem>(store::fil::POANGSYS, {{2, 2}, {1, 3}});
    store::append<vilkstruct>(store::fil::VILKV, {{5}, {2}});
    store::append<partistruct>("2.R",
                               {{1, 2, 1, resVitVinst, 1}, {3, 4, 2, resRemi, 1}, {2, 3, 1, resVitVinst, 2}});
    store::append<spelarstructtva>("2.U", {spelare(4, "D")});
    stallningfunk(st);
    EXPECT_EQ(ordning({st.parslistac, 0, 0, 0}), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(st.parslistac[0].poang, 3.0);
    EXPECT_EQ(st.parslistac[0].kvalitet, 6.0); // progressive under 3-1-0: 3 + 3
    EXPECT_EQ(st.parslistac[0].rankingandring, 20.0);
    EXPECT_EQ(st.parslistac[3].utgatt, 1);
    EXPECT_EQ(st.valdrond, 2);

    EXPECT_EQ(stallningForLottning(st), 1);
    EXPECT_EQ(st.schwanrop, 0);
    EXPECT_EQ(ordning({st.parslistac, 0, 0, 0}), (std::vector<int>{1, 2, 3, 5}));
}

TEST_F(Stallningfunk, CustomScoresComeFromTheSharedFile) {
    store::append<poangsystem>(store::fil::POANGSYS, {{4, 2}});
    valfristruct annan{};
    annan.turnnr = 1;
    annan.vit = 3;
    annan.svart = 4;
    annan.rond = 7;
    annan.vitresultat = 9;
    valfristruct egen{};
    egen.turnnr = 2;
    egen.vit = 3;
    egen.svart = 4;
    egen.rond = 1;
    egen.vitresultat = 2.5;
    egen.svartresultat = 1.5;
    store::append<valfristruct>(store::fil::VALFRI, {annan, egen});
    st.valdrond = 4;
    stallningfunk(st);
    EXPECT_EQ(st.parslistac[0].nr, 3);
    EXPECT_EQ(st.parslistac[0].poang, 2.5);
    EXPECT_EQ(st.parslistac[1].poang, 1.5);
    EXPECT_EQ(st.valdrond, 1); // this tournament's last custom round
}

} // namespace

namespace {

// Rounds entered as the dialog stores them, then the standings read back from the files.
TEST_F(Stallningfunk, StandingsOfRoundsEnteredThroughResultEntry) {
    auto runda = [](std::vector<int> nr, Resultatinmatning::Sidtexter texter) {
        std::vector<spelarstructtva> lskicka;
        for (int n : nr)
            lskicka.push_back(spelare(n, "S" + std::to_string(n)));
        store::writeAll(store::fil::LSKICKA, lskicka);
        auto r = Resultatinmatning::franLskicka(false);
        r.gorlista(1, texter);
        ASSERT_TRUE(r.spara(2));
    };
    runda({1, 2, 3, 4}, {"1-0", "Remi"});
    runda({1, 3, 4, 2}, {"0-1", "uppskj."});
    runda({3, 1, 2, 4}, {"w.o(0-1)", "diskval."});
    stallningfunk(st);
    EXPECT_EQ(st.valdrond, 3);
    EXPECT_EQ(ordning({st.parslistac, 0, 0, 0}), (std::vector<int>{1, 3, 4, 2}));
    EXPECT_EQ(st.parslistac[0].poang, 2.0);
    EXPECT_EQ(st.parslistac[1].poang, 1.5);
    EXPECT_EQ(st.parslistac[2].poang, 0.5);
    EXPECT_EQ(st.parslistac[2].antalvita, 1);
    EXPECT_EQ(st.parslistac[3].antalvita, 1);
}

} // namespace
