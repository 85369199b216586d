#include "lott/setup/mallturnering.h"

#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"
#include "tests/lott/setup/bild.h"

namespace {

class Mallturnering : public ArbetsmappTest {};

Bild turnBild(int nr, const std::string& namn, int ronder, int system) {
    return Bild().i32(nr).text(namn, 40).i32(ronder).i32(system);
}

std::vector<turneringsstruct> turn(std::initializer_list<const char*> namn) {
    std::vector<turneringsstruct> t;
    for (const char* n : namn)
        t.push_back({static_cast<int>(t.size()) + 1, n, 7, 0});
    return t;
}

TEST(Kopienamn, CountsEarlierCopiesFromTheChosenTournamentOn) {
    const std::string langt36(36, 'x');
    const std::string langt34(34, 'y');
    struct Fall {
        std::vector<turneringsstruct> turn;
        std::size_t kalla;
        std::string vantat;
    };
    // The stem is the name without its last character; the chosen tournament counts itself.
    const Fall fall[] = {
        {turn({"Vårcup"}), 0, "Vårcup(2)"},              // itself only: 1
        {turn({"Vårcup", "Vårcup(2)"}), 0, "Vårcup(3)"}, // "Vårcu" twice: 2
        {turn({"Vårcup", "Vårcup(2)", "Vårcup(3)"}), 0, "Vårcup(4)"},
        {turn({"Vårcup", "Vårcup(2)"}), 1, "Vårcup(2)(2)"},   // a copy copied counts its own stem
        {turn({"Vårcup(2)", "Vårcup"}), 1, "Vårcup(2)"},      // records before the chosen one are not counted
        {turn({"Vårcup", "Vårcuq", "Höst"}), 0, "Vårcup(3)"}, // same stem, other last letter
        {turn({langt36.c_str()}), 0, langt36},                // 35 characters and more: no number
        {turn({langt34.c_str()}), 0, langt34 + "(2)"},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.turn[f.kalla].tnamn);
        EXPECT_EQ(kopieNamn(f.turn, f.kalla), f.vantat);
    }
}

TEST(Kopienamn, KeepsCountingPastFifteen) {
    // 15 records with the stem "Blix" give "(16)", where starting again at "(2)" would repeat
    // the name of the first copy.
    std::vector<turneringsstruct> t{{1, "Blixt", 5, 0}};
    for (int k = 2; k <= 15; ++k)
        t.push_back({k, "Blixt(" + std::to_string(k) + ")", 5, 0});
    EXPECT_EQ(kopieNamn(t, 0), "Blixt(16)");
    t.resize(14);
    EXPECT_EQ(kopieNamn(t, 0), "Blixt(15)");
}

TEST_F(Mallturnering, LoadingWritesTheWorkingFilesOnly) {
    skrivFil("TURN",
             Bild().plus(turnBild(1, "V\xE5rcup", 5, 0)).plus(turnBild(2, "H\xF6stcup", 7, 1)).bytes());
    const Bild spelare = Bild()
                             .plus(spelarBild(1, "Anna", "SK", 1850))
                             .plus(spelarBild(2, "Bo", "AS", 0))
                             .plus(spelarBild(3, "Frirond", "", 0));
    skrivFil("2.T", spelare.bytes());

    EXPECT_FALSE(laddaMall(2, 2)) << "list index 2 is no tournament";
    EXPECT_FALSE(store::exists("TEMPT"));

    ASSERT_TRUE(laddaMall(1, 2));
    EXPECT_FILE_BYTES("TEMPT", turnBild(3, "H\xF6stcup(2)", 7, 1));
    EXPECT_FILE_BYTES("LADDAS", spelare);
    EXPECT_FILE_BYTES("FNAMN", Bild().text("3.T", 3));
    EXPECT_EQ(testbytes::fileBytes("TURN").size(), 2 * turneringsstruct::size);
    EXPECT_FALSE(store::exists("3.T"));
}

TEST_F(Mallturnering, AddingAsksForClubAndRankingOnlyWhenThreePlayersHaveThem) {
    struct Fall {
        const char* namn;
        std::vector<spelarstructtva> laddas;
        const char *typNamn, *typKlubb, *typRanking;
        bool tillagd;
        Bild vantad; // the appended record
    };
    const std::vector<spelarstructtva> utanKlubbar{
        {1, "A", "nej", 1200, 0, 0}, {2, "B", "", 1300, 0, 0}, {3, "C", "nej", 1400, 0, 0}};
    // Three real clubs, two rankings strictly inside 1000..3000 (1000 and 3000 do not count).
    const std::vector<spelarstructtva> treKlubbar{{1, "A", "SK", 1000, 0, 0},
                                                  {2, "B", "AS", 3000, 0, 0},
                                                  {3, "C", "LK", 1500, 0, 0},
                                                  {4, "D", "nej", 2999, 0, 0}};
    const Fall fall[] = {
        {"no clubs: club 'nej' whatever is typed", utanKlubbar, "Dan", "Typad", "1710", true,
         spelarBild(4, "Dan", "nej", 1710)},
        {"no clubs, ranking required", utanKlubbar, "Dan", "", "", false, {}},
        {"three clubs: club required", treKlubbar, "Eva", "", "", false, {}},
        {"three clubs given, no ranking asked", treKlubbar, "Eva", "BK", "2100", true,
         spelarBild(5, "Eva", "BK", 0)},
        {"a name is always required", treKlubbar, "", "BK", "", false, {}},
        {"name cut to 28 characters", treKlubbar, "Abcdefghijklmnopqrstuvwxyz0123", "BK", "", true,
         spelarBild(5, "Abcdefghijklmnopqrstuvwxyz01", "BK", 0)},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.namn);
        store::writeAll(store::fil::LADDAS, f.laddas);
        MallRaknare r = raknaMall(f.laddas);
        const int fore = r.spelare;
        EXPECT_EQ(laggTillMallspelare(r, f.typNamn, f.typKlubb, f.typRanking), f.tillagd);
        Bild vantad;
        for (const auto& s : f.laddas)
            vantad.plus(spelarBild(s.nr, s.namn, s.klubb, s.ranking));
        if (f.tillagd) vantad.plus(f.vantad);
        EXPECT_FILE_BYTES("LADDAS", vantad);
        EXPECT_EQ(r.spelare, fore + (f.tillagd ? 1 : 0));
    }
}

TEST_F(Mallturnering, RemovingRenumbersThroughLaddat) {
    const Bild fore = Bild()
                          .plus(spelarBild(1, "A", "nej", 0))
                          .plus(spelarBild(2, "B", "nej", 0))
                          .plus(spelarBild(3, "C", "nej", 0))
                          .plus(spelarBild(4, "Frirond", "", 0));
    skrivFil("LADDAS", fore.bytes());
    MallRaknare r{4, 0, 0};
    taBortMallspelare(r, 1);
    EXPECT_EQ(r.spelare, 3);
    EXPECT_FILE_BYTES("LADDAT", fore);
    EXPECT_FILE_BYTES("LADDAS", Bild()
                                    .plus(spelarBild(1, "A", "nej", 0))
                                    .plus(spelarBild(2, "C", "nej", 0))
                                    .plus(spelarBild(3, "Frirond", "", 0)));
}

// A loaded template: "TEMPT" for tournament 3 copied from tournament 2 with system `system`.
void laddad(int system, const std::vector<spelarstructtva>& laddas) {
    skrivFil("TURN",
             Bild().plus(turnBild(1, "Gammal", 5, 0)).plus(turnBild(2, "Klubbcup", 7, system)).bytes());
    skrivFil("TEMPT", turnBild(3, "Klubbcup(2)", 7, system).bytes());
    store::writeAll(store::fil::LADDAS, laddas);
    skrivFil("FNAMN", Bild().text("3.T", 3).bytes());
}

TEST_F(Mallturnering, CommitChoosesSystemVariantAndScoring) {
    const std::vector<spelarstructtva> fyra{{1, "A", "nej", 0, 0, 0},
                                            {2, "B", "nej", 0, 0, 0},
                                            {3, "C", "nej", 0, 0, 0},
                                            {4, "D", "nej", 0, 0, 0}};
    struct Fall {
        const char* namn;
        int kallsystem;  // system of tournament 2
        int kallvariant; // its "SELN" variant
        SystemVal val;
        int system;   // stored in "TURN"
        int seln;     // variant appended for tournament 3, -1 for none
        int poangsys; // scoring appended for tournament 3, -1 for none
    };
    const Fall fall[] = {
        {"kept Monrad", 0, 0, {-1, 1, false}, 0, -1, -1},
        {"kept Swiss keeps the variant", 1, 1, {-1, 1, false}, 1, 1, -1},
        {"kept Nordic Swiss", 1, 0, {-1, 1, false}, 1, 0, -1},
        {"'Ändra' with no system clicked is Monrad", 1, 1, {0, 1, true}, 0, -1, 1},
        {"Nordic Swiss, 3-1-0", 0, 0, {1, 2, true}, 1, 0, 2},
        {"Swiss, 3-2-1", 0, 0, {2, 3, true}, 1, 1, 3},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.namn);
        TempDir mapp;
        laddad(f.kallsystem, fyra);
        skrivFil("SELN", Bild().i32(f.kallvariant).i32(2).bytes());
        verkstallMall(f.val, 2);

        EXPECT_FILE_BYTES("TURN", Bild()
                                      .plus(turnBild(1, "Gammal", 5, 0))
                                      .plus(turnBild(2, "Klubbcup", 7, f.kallsystem))
                                      .plus(turnBild(3, "Klubbcup(2)", 7, f.system)));
        Bild seln = Bild().i32(f.kallvariant).i32(2);
        if (f.seln >= 0) seln.i32(f.seln).i32(3);
        EXPECT_FILE_BYTES("SELN", seln);
        if (f.poangsys >= 0)
            EXPECT_FILE_BYTES("POANGSYS", Bild().i32(f.poangsys).i32(3));
        else
            EXPECT_TRUE(testbytes::fileBytes("POANGSYS").empty());
    }
}

TEST_F(Mallturnering, CommitWritesTheListInOrderWithAFreshBye) {
    // Edited order kept (not re-sorted by ranking, also for Swiss), the old bye dropped wherever
    // it stands, a new bye with club "nej" for an odd count.
    laddad(1, {{1, "Lag", "AK", 1500, 0, 0},
               {2, "Frirond", "", 0, 0, 0},
               {3, "Hog", "BK", 2200, 0, 0},
               {4, "frirond", "nej", 0, 0, 0},
               {5, "Mitt", "CK", 1800, 0, 0}});
    verkstallMall(SystemVal{2, 1, true}, 2);
    EXPECT_FILE_BYTES("3.T", Bild()
                                 .plus(spelarBild(1, "Lag", "AK", 1500))
                                 .plus(spelarBild(2, "Hog", "BK", 2200))
                                 .plus(spelarBild(3, "Mitt", "CK", 1800))
                                 .plus(spelarBild(4, "Frirond", "nej", 0)));
}

TEST_F(Mallturnering, UnchangedScoringOverridesARecordLeftByACancelledTournament) {
    // A new tournament cancelled in registration left "Valfritt" under number 3.
    laddad(0, {{1, "A", "nej", 0, 0, 0}, {2, "B", "nej", 0, 0, 0}});
    skrivFil("POANGSYS", Bild().i32(4).i32(3).bytes());
    verkstallMall(SystemVal{}, 2);
    EXPECT_FILE_BYTES("POANGSYS", Bild().i32(4).i32(3).i32(1).i32(3));
    EXPECT_FILE_BYTES("3.T", Bild().plus(spelarBild(1, "A", "nej", 0)).plus(spelarBild(2, "B", "nej", 0)));
}

TEST_F(Mallturnering, ACopyDoesNotInheritProgressiveKvalitetFromACancelledTournament) {
    // A new tournament cancelled before registration chose progressive kvalitet under number 3;
    // tournament 1's choice stays.
    laddad(0, {{1, "A", "nej", 0, 0, 0}, {2, "B", "nej", 0, 0, 0}});
    skrivFil("VILKV", Bild().i32(1).i32(3).i32(3).bytes());
    verkstallMall(SystemVal{}, 2);
    EXPECT_FILE_BYTES("VILKV", Bild().i32(1));
    EXPECT_FALSE(store::progressivKvalitet(3));
    EXPECT_TRUE(store::progressivKvalitet(1));
}

} // namespace
