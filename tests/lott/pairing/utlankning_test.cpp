// Withdrawals: who is listed, the number read back from a line, the withdrawal before and after
// the start, and futgadda.
#include "lott/pairing/utlankning.h"

#include "store/filenames.h"
#include "tests/lott/pairing/andring_hjalp.h"

using namespace andringtest;

namespace {

class Utlankning : public ArbetsmappTest {};

TEST(UtlankningLista, OnlyPlayersStillInTheTournamentAreListed) {
    const std::vector<spelarstructtva> spelare = {sp(1, "Ada"), sp(2, "Bo"), sp(3, "Cid"), fri(4)};
    EXPECT_EQ(utgangsrader(spelare, {}), (std::vector<std::string>{"1.  Ada", "2.  Bo", "3.  Cid"}));
    // Bo has withdrawn: he cannot withdraw twice.
    EXPECT_EQ(utgangsrader(spelare, {sp(2, "Bo")}), (std::vector<std::string>{"1.  Ada", "3.  Cid"}));
}

TEST(UtlankningLista, TheStartNumberIsTheTextBeforeTheFirstFullStop) {
    const std::vector<std::pair<std::string, int>> fall = {
        {"12.  Berg", 12}, {"3.  A. Andersson", 3}, {"", 0}, {"Berg", 0}, {"12345678901.  X", 1234567890}};
    for (const auto& [rad, nr] : fall) {
        SCOPED_TRACE(rad);
        EXPECT_EQ(radensStartnummer(rad), nr);
    }
}

TEST_F(Utlankning, BeforeTheStartThePlayerFileIsRebuilt) {
    // Players 1..8 without a bye: 3 leaves, 4..8 become 3..7 and the bye 8 ("nej") follows.
    const auto start = registrerade(8);
    store::writeAll("1.T", start);
    spelareut(1, 3);
    const std::vector<spelarstructtva> kvar = {sp(1),       sp(2),       sp(3, "S4"), sp(4, "S5"),
                                               sp(5, "S6"), sp(6, "S7"), sp(7, "S8")};
    auto medFri = kvar;
    medFri.push_back(fri(8));
    EXPECT_FILE_BYTES("1.T", tbild(medFri));
    EXPECT_FILE_BYTES("UTTEMP", tbild(kvar));
    // Now 1..7 and the bye: 1 leaves, the bye goes, 2..7 become 1..6.
    spelareut(1, 1);
    const std::vector<spelarstructtva> sex = {sp(1, "S2"), sp(2, "S4"), sp(3, "S5"),
                                              sp(4, "S6"), sp(5, "S7"), sp(6, "S8")};
    EXPECT_FILE_BYTES("1.T", tbild(sex));
    EXPECT_FILE_BYTES("UTTEMP", tbild(sex));
    EXPECT_FALSE(store::exists("1.U"));
}

TEST_F(Utlankning, AfterTheStartTheRecordJoinsTheWithdrawalFileOnce) {
    const auto start = registrerade(7);
    store::writeAll("1.T", start);
    store::writeAll("1.R", std::vector<partistruct>{parti(1, 2, 1)});
    spelareut(1, 5);
    spelareut(1, 2);
    spelareut(1, 5);  // already withdrawn
    spelareut(1, 8);  // the bye
    spelareut(1, 42); // nobody
    EXPECT_FILE_BYTES("1.T", tbild(start));
    EXPECT_FILE_BYTES("1.U", tbild({sp(5), sp(2)}));
}

TEST_F(Utlankning, UnderCustomScoresTheStartIsTheTournamentsFirstGameInValfri) {
    store::writeAll("1.T", registrerade(4));
    store::writeAll(store::fil::POANGSYS, std::vector<poangsystem>{{4, 1}});
    store::writeAll(store::fil::VALFRI, std::vector<valfristruct>{valfriParti(2, 1, 1, 2, 1, 0)});
    spelareut(1, 4); // another tournament's game: not started, rebuilt
    EXPECT_FILE_BYTES("1.T", tbild({sp(1), sp(2), sp(3), fri(4)}));
    store::appendOne(store::fil::VALFRI, valfriParti(1, 1, 1, 2, 2, 0));
    spelareut(1, 3);
    EXPECT_FILE_BYTES("1.U", tbild({sp(3)}));
}

TEST_F(Utlankning, FutgaddaTellsWhetherAnyoneHasWithdrawn) {
    LottState st;
    st.fnamnglob = "12.R";
    futgadda(st);
    EXPECT_EQ(st.finnsutgadda, 0);
    EXPECT_EQ(st.fnamnglob, "12.U");
    EXPECT_TRUE(store::exists("12.U")); // touched
    store::writeAll("12.U", std::vector<spelarstructtva>{sp(3)});
    futgadda(st);
    EXPECT_EQ(st.finnsutgadda, 1);
    EXPECT_EQ(st.fnamnglob, "12.U");
}

} // namespace
