// Taking back the latest round: its games go and nothing else of the game file changes; taking
// back round 1 returns the player list to its state before the start.
#include "lott/results/ta_tillbaka.h"

#include "lott/pairing/lottning.h"

#include "store/filenames.h"
#include "tests/lott/pairing/andring_hjalp.h"

using namespace andringtest;

namespace {

class TaTillbakaTest : public ArbetsmappTest {};

TEST_F(TaTillbakaTest, OnlyTheLatestRoundGoesAndTheRecordsLeftKeepTheirOrder) {
    // Three rounds stored out of order, as the correction dialog leaves them.
    const std::vector<partistruct> r = {parti(2, 1, 3),
                                        parti(3, 2, 4),
                                        parti(1, 2, 1),
                                        parti(3, 3, 1, resRemi, 2),
                                        parti(2, 4, 2, resSvartVinst, 2),
                                        parti(1, 4, 3, resRemi, 2)};
    store::writeAll("1.R", r);
    const auto start = registrerade(4);
    store::writeAll("1.T", start);
    const TaTillbaka t("1.R");
    EXPECT_EQ(t.senasterond, 3);
    const std::vector<partistruct> kvar = {r[0], r[2], r[4], r[5]};
    EXPECT_FILE_BYTES("1.R", spelBild(kvar));
    EXPECT_FILE_BYTES("TEMPF", spelBild(kvar));
    EXPECT_FILE_BYTES("1.T", tbild(start)); // only round 1 touches the players
    EXPECT_EQ(TaTillbaka("1.R").senasterond, 2);
    EXPECT_FILE_BYTES("1.R", spelBild({r[2], r[5]}));
}

TEST_F(TaTillbakaTest, AfterThreeRoundsTheNextPairingIsRoundThreeAgainWithTheSamePairs) {
    // Six Monrad players, three rounds paired by the driver with white winning every board.
    store::writeAll("1.T", registrerade(6));
    const auto lotta = [] {
        LottState st;
        st.turnnr = 1;
        st.fnamnglob = "1";
        st.slistab = store::readAll<spelarstructtva>("1.T");
        st.antalronder = 5;
        st.vilkpaint = 2;
        parning::lottning(st);
        return st;
    };
    std::vector<spelarstructtva> rond3;
    for (int rond = 1; rond <= 3; ++rond) {
        const LottState st = lotta();
        ASSERT_EQ(st.valdrond, rond);
        std::vector<partistruct> partier;
        for (std::size_t i = 0; i + 1 < st.slistab.size(); i += 2)
            partier.push_back(parti(rond, st.slistab[i].nr, st.slistab[i + 1].nr, resVitVinst,
                                    static_cast<int>(i / 2 + 1)));
        store::append("1.R", partier);
        rond3 = st.slistab;
    }
    EXPECT_EQ(TaTillbaka("1.R").senasterond, 3);
    const LottState igen = lotta();
    EXPECT_EQ(igen.valdrond, 3);
    EXPECT_EQ(igen.slistab, rond3);
    EXPECT_EQ(store::readAll<partistruct>("1.R").size(), 6u); // rounds 1 and 2
}

TEST_F(TaTillbakaTest, WithoutGamesNothingHappens) {
    store::writeAll("1.T", registrerade(5));
    store::writeAll("1.U", std::vector<spelarstructtva>{sp(2)});
    EXPECT_EQ(TaTillbaka("1.R").senasterond, 0);
    EXPECT_EQ(testbytes::fileBytes("1.R").size(), 0u); // touched only
    EXPECT_FILE_BYTES("1.T", tbild(registrerade(5)));
    EXPECT_FILE_BYTES("1.U", tbild({sp(2)}));
}

TEST_F(TaTillbakaTest, RoundOneReturnsThePlayerListWithoutTheWithdrawn) {
    struct Fall {
        const char* namn;
        int spelare;
        std::vector<spelarstructtva> utgadda;
        std::vector<spelarstructtva> vantat;
    };
    const std::vector<Fall> fall = {
        // 9 players and the bye 10; 4 withdrew: 1..8 renumbered, 8 is even, no bye.
        {"nine, one withdrawn",
         9,
         {sp(4)},
         {sp(1), sp(2), sp(3), sp(4, "S5"), sp(5, "S6"), sp(6, "S7"), sp(7, "S8"), sp(8, "S9")}},
        // 10 players; 10 withdrew: 9 left and the bye ("nej") as 10.
        {"ten, one withdrawn",
         10,
         {sp(10)},
         {sp(1), sp(2), sp(3), sp(4), sp(5), sp(6), sp(7), sp(8), sp(9), fri(10)}},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.namn);
        store::writeAll("1.T", registrerade(f.spelare));
        store::writeAll("1.U", f.utgadda);
        store::writeAll("1.R", std::vector<partistruct>{parti(1, 2, 1), parti(1, 4, 3, resRemi, 2)});
        EXPECT_EQ(TaTillbaka("1.R").senasterond, 1);
        EXPECT_FILE_BYTES("1.T", tbild(f.vantat));
        EXPECT_EQ(testbytes::fileBytes("1.U").size(), 0u);
        EXPECT_EQ(testbytes::fileBytes("1.R").size(), 0u);
    }
}

TEST_F(TaTillbakaTest, AWithdrawnPlayerIsRemovedByNumberNotByName) {
    // Two players called Berg; only number 3 withdrew. The scratch file keeps the list without the bye.
    store::writeAll("1.T", std::vector<spelarstructtva>{sp(1, "Berg"), sp(2), sp(3, "Berg"), sp(4)});
    store::writeAll("1.U", std::vector<spelarstructtva>{sp(3, "Berg")});
    store::writeAll("1.R", std::vector<partistruct>{parti(1, 2, 1)});
    TaTillbaka("1.R");
    EXPECT_FILE_BYTES("1.T", tbild({sp(1, "Berg"), sp(2), sp(3, "S4"), fri(4)}));
    EXPECT_FILE_BYTES("BORTEMP", tbild({sp(1, "Berg"), sp(2), sp(3, "S4")}));
}

TEST_F(TaTillbakaTest, ACustomScoreRoundGoesAndOtherTournamentsRecordsStayInOrder) {
    // Tournaments 1 and 2 share "VALFRI.DAT", their rounds interleaved.
    const std::vector<valfristruct> v = {valfriParti(1, 1, 2, 1, 3, 1),     valfriParti(2, 1, 1, 2, 2, 2),
                                         valfriParti(1, 2, 1, 2, 2.5, 1.5), valfriParti(2, 2, 2, 1, 4, 0),
                                         valfriParti(1, 2, 3, 4, 0, 4, 2),  valfriParti(2, 3, 1, 2, 1, 3)};
    store::writeAll(store::fil::VALFRI, v);
    store::writeAll("1.T", registrerade(4));
    EXPECT_EQ(fasenastevalfrirond(1), 2);
    EXPECT_EQ(fasenastevalfrirond(2), 3);
    EXPECT_EQ(fasenastevalfrirond(3), 0);
    tatillbakavalfrirond(1);
    const std::vector<valfristruct> kvar = {v[0], v[1], v[3], v[5]};
    EXPECT_FILE_BYTES(store::fil::VALFRI, valfriBild(kvar));
    EXPECT_FILE_BYTES(store::fil::TEMPVFRI, valfriBild(kvar));
    EXPECT_FILE_BYTES("1.T", tbild(registrerade(4)));
    tatillbakavalfrirond(3); // no games: nothing
    EXPECT_FILE_BYTES(store::fil::VALFRI, valfriBild(kvar));
}

TEST_F(TaTillbakaTest, CustomScoresRoundOneAlsoReturnsThePlayerList) {
    store::writeAll(store::fil::VALFRI,
                    std::vector<valfristruct>{valfriParti(1, 1, 2, 1, 3, 1), valfriParti(2, 1, 2, 1, 1, 1)});
    store::writeAll("1.T", registrerade(6));
    store::writeAll("1.U", std::vector<spelarstructtva>{sp(6)});
    tatillbakavalfrirond(1);
    EXPECT_FILE_BYTES(store::fil::VALFRI, valfriBild({valfriParti(2, 1, 2, 1, 1, 1)}));
    EXPECT_FILE_BYTES("1.T", tbild({sp(1), sp(2), sp(3), sp(4), sp(5), fri(6)}));
    EXPECT_EQ(testbytes::fileBytes("1.U").size(), 0u);
}

} // namespace
