#include "lott/setup/ny_turnering.h"

#include "store/filenames.h"
#include "store/files.h"
#include "store/records.h"
#include "tests/lott/setup/bild.h"

namespace {

class NyTurnering : public ArbetsmappTest {};

// A dialog left as it opened but for the rounds: a Monrad tournament with names only.
NyTurneringVal medRonder(const char* ronder = "5") {
    NyTurneringVal v;
    v.ronder = ronder;
    return v;
}

TEST_F(NyTurnering, RoundsAloneCreatePlainMonradTournament) {
    store::touch(store::fil::TURN);
    const auto u = nyTurneringCommit(medRonder());
    EXPECT_FALSE(u.garej);
    EXPECT_FALSE(u.ingaRonder);
    EXPECT_FALSE(u.meddelande16);
    EXPECT_EQ(u.turnkatb, 0);
    EXPECT_EQ(u.turnnr, 1);
    EXPECT_EQ(u.tnamn, "Inget namn");

    EXPECT_FILE_BYTES("SKICKA", Bild().i32(0).text("Inget namn", 40).i32(5).i32(0));
    EXPECT_FILE_BYTES("TILLB", Bild().i32(1).i32(0).i32(0).i32(0).i32(0));
    EXPECT_FILE_BYTES("SELN", Bild().i32(0).i32(1));
    EXPECT_FILE_BYTES("POANGSYS", Bild().i32(1).i32(1));
    EXPECT_FILE_BYTES("POANGSY", Bild().text("0", 1));
    EXPECT_FALSE(store::exists("VILKV"));
    EXPECT_TRUE(testbytes::fileBytes("TURN").empty()) << "the tournament enters TURN only at registration";
}

TEST_F(NyTurnering, EveryChoiceReachesItsRecord) {
    // Two tournaments exist: the new one is number 3.
    skrivFil("TURN", Bild()
                         .plus(Bild().i32(1).text("A", 40).i32(5).i32(0))
                         .plus(Bild().i32(2).text("B", 40).i32(7).i32(1))
                         .bytes());
    skrivFil("SELN", Bild().i32(1).i32(2).bytes());
    NyTurneringVal v;
    v.namn = "Örebro Höstturnering";
    v.ronder = "7x";
    v.systemc = 1;
    v.vilken = 1;
    v.kvalitet = 1;
    v.poang = 4;
    v.klubb = v.ranking = true;
    v.penningpriser = v.rankinggrupper = v.elotitel = v.egenkategori = true;
    const auto u = nyTurneringCommit(v);
    EXPECT_FALSE(u.garej);
    EXPECT_TRUE(u.meddelande16);
    EXPECT_EQ(u.turnkatb, 3);
    EXPECT_EQ(u.turnnr, 3);

    EXPECT_FILE_BYTES("SKICKA", Bild().i32(3).text("\xD6rebro H\xF6stturnering", 40).i32(7).i32(1));
    // penningpriser, rankinggrupper, egenkategori, elotitel
    EXPECT_FILE_BYTES("TILLB", Bild().i32(3).i32(1).i32(1).i32(1).i32(1));
    EXPECT_FILE_BYTES("VILKV", Bild().i32(3));
    EXPECT_FILE_BYTES("SELN", Bild().i32(1).i32(2).i32(1).i32(3));
    EXPECT_FILE_BYTES("POANGSYS", Bild().i32(4).i32(3));
    EXPECT_FILE_BYTES("POANGSY", Bild().text("1", 1));
}

TEST_F(NyTurnering, SwissWithoutRankingsIsRefusedAndWritesNothing) {
    store::touch(store::fil::TURN);
    for (int vilken : {0, 1}) {
        NyTurneringVal v;
        v.systemc = 1;
        v.vilken = vilken;
        v.klubb = true;
        v.penningpriser = true;
        const auto u = nyTurneringCommit(v);
        EXPECT_TRUE(u.garej);
        EXPECT_FALSE(u.meddelande16);
    }
    for (const char* f : {"SKICKA", "TILLB", "SELN", "POANGSY", "POANGSYS", "VILKV"})
        EXPECT_FALSE(store::exists(f)) << f;
}

TEST_F(NyTurnering, NoRoundsAreRefusedAndWriteNothing) {
    // Every field without a leading number of rounds, with every option that would write a
    // record chosen (progressive kvalitet appends to "VILKV" at once when accepted).
    store::touch(store::fil::TURN);
    for (const char* ronder : {"", "0", "000", " 0", "abc", "-3", "x7"}) {
        SCOPED_TRACE(ronder);
        NyTurneringVal v = medRonder(ronder);
        v.kvalitet = 1;
        v.poang = 4;
        v.klubb = v.ranking = v.penningpriser = true;
        const auto u = nyTurneringCommit(v);
        EXPECT_TRUE(u.ingaRonder);
        EXPECT_FALSE(u.garej);
        EXPECT_FALSE(u.meddelande16);
        for (const char* f : {"SKICKA", "TILLB", "SELN", "POANGSY", "POANGSYS", "VILKV"})
            EXPECT_FALSE(store::exists(f)) << f;
        EXPECT_TRUE(testbytes::fileBytes("TURN").empty());
    }
    // One round is enough.
    EXPECT_FALSE(nyTurneringCommit(medRonder("1")).ingaRonder);
    EXPECT_FILE_BYTES("SKICKA", Bild().i32(0).text("Inget namn", 40).i32(1).i32(0));
}

TEST_F(NyTurnering, RankingGroupsNeedRankingsButStillShowTheMessage) {
    store::touch(store::fil::TURN);
    NyTurneringVal v = medRonder();
    v.rankinggrupper = true;
    const auto u = nyTurneringCommit(v);
    EXPECT_TRUE(u.meddelande16);
    EXPECT_FILE_BYTES("TILLB", Bild().i32(1).i32(0).i32(0).i32(0).i32(0));
}

TEST_F(NyTurnering, MonradAfterSchweizerKeepsVilkenAndScoringCodesAppend) {
    store::touch(store::fil::TURN);
    NyTurneringVal v = medRonder();
    v.vilken = 1; // "&Schweizer" clicked, then "&Monrad"
    v.poang = 2;
    nyTurneringCommit(v);
    // Registration cancelled: the next tournament gets the same number and appends after it.
    v.poang = 3;
    v.vilken = 0;
    nyTurneringCommit(v);
    EXPECT_FILE_BYTES("SELN", Bild().i32(1).i32(1).i32(0).i32(1));
    EXPECT_FILE_BYTES("POANGSYS", Bild().i32(2).i32(1).i32(3).i32(1));
}

TEST_F(NyTurnering, LongNameIsCutToTwentyNineCharacters) {
    store::touch(store::fil::TURN);
    NyTurneringVal v = medRonder();
    v.namn = std::string(28, 'a') + "åäö";
    const auto u = nyTurneringCommit(v);
    EXPECT_EQ(u.tnamn, std::string(28, 'a') + "å");
    EXPECT_FILE_BYTES("SKICKA", Bild().i32(0).text(std::string(28, 'a') + "\xE5", 40).i32(5).i32(0));
}

TEST(RonderAvText, LeadingDigitsOnly) {
    EXPECT_EQ(ronderAvText(""), 0);
    EXPECT_EQ(ronderAvText("abc"), 0);
    EXPECT_EQ(ronderAvText("9"), 9);
    EXPECT_EQ(ronderAvText("13"), 13);
    EXPECT_EQ(ronderAvText(" 7"), 7);
    EXPECT_EQ(ronderAvText("7r"), 7);
    EXPECT_EQ(ronderAvText("-3"), 0);
    EXPECT_EQ(ronderAvText("99999999999999"), 999);
}

TEST(Turnkategori, ClubAndRankingChooseTheLayout) {
    EXPECT_EQ(turnkategori(false, false), 0);
    EXPECT_EQ(turnkategori(true, false), 1);
    EXPECT_EQ(turnkategori(false, true), 2);
    EXPECT_EQ(turnkategori(true, true), 3);
}

} // namespace
