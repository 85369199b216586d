#include "lott/setup/registrering.h"

#include "store/filenames.h"
#include "store/files.h"
#include "tests/lott/setup/bild.h"

namespace {

class Registrering : public ArbetsmappTest {};

lottcstruct skicka(int turnkat, int system, const std::string& namn = "Klubbmästerskap", int ronder = 7) {
    return lottcstruct{turnkat, namn, ronder, system};
}

std::vector<spelarstruct> namnlista(std::initializer_list<std::pair<int, const char*>> rader) {
    std::vector<spelarstruct> l;
    for (const auto& [nr, namn] : rader)
        l.push_back({nr, namn, "nej", 0});
    return l;
}

TEST_F(Registrering, SevenNamesGiveEightRecordsWithTheBye) {
    store::touch(store::fil::TURN);
    auto lista =
        namnlista({{1, "Ada"}, {2, "Bo"}, {3, "Cecilia"}, {4, "Dan"}, {5, "Eva"}, {6, "Åke"}, {7, "Öjvind"}});
    for (int nr = 8; nr <= 33; ++nr)
        lista.push_back({nr, "", "nej", 0});
    const auto u = registreraSpelare(lista, skicka(0, 0), false);
    EXPECT_FALSE(u.avvisad);
    EXPECT_EQ(u.turnnr, 1);
    Bild t;
    const char* namn[] = {"Ada", "Bo", "Cecilia", "Dan", "Eva", "\xC5ke", "\xD6jvind"};
    for (int i = 0; i < 7; ++i)
        t.plus(spelarBild(i + 1, namn[i], "nej", 0));
    t.plus(spelarBild(8, "Frirond", "", 0));
    EXPECT_FILE_BYTES("1.T", t);
    EXPECT_FILE_BYTES("TURN", Bild().i32(1).text("Klubbm\xE4sterskap", 40).i32(7).i32(0));
    EXPECT_FILE_BYTES("SLUMPT", Bild().text("monradja", 8));
}

TEST_F(Registrering, GapsCloseUpAndTheTournamentIsAppended) {
    skrivFil("TURN", Bild().i32(1).text("Gammal", 40).i32(5).i32(0).bytes());
    // Names beside 1, 5 and 40 (40 is on the second names-only page); 8 players: no bye.
    const auto u =
        registreraSpelare(namnlista({{40, "C"}, {5, "B"}, {1, "A"}, {2, ""}}), skicka(0, 0), false);
    EXPECT_EQ(u.turnnr, 2);
    EXPECT_FILE_BYTES("2.T", Bild()
                                 .plus(spelarBild(1, "A", "nej", 0))
                                 .plus(spelarBild(2, "B", "nej", 0))
                                 .plus(spelarBild(3, "C", "nej", 0))
                                 .plus(spelarBild(4, "Frirond", "", 0)));
    EXPECT_FILE_BYTES("TURN", Bild()
                                  .plus(Bild().i32(1).text("Gammal", 40).i32(5).i32(0))
                                  .plus(Bild().i32(2).text("Klubbm\xE4sterskap", 40).i32(7).i32(0)));
}

TEST_F(Registrering, ByeRowsAndNumbersAboveThousandAreNotRegistered) {
    store::touch(store::fil::TURN);
    const auto u = registreraSpelare(
        namnlista({{1, "A"}, {2, "Frirond"}, {3, "frirond"}, {4, "B"}, {1000, "C"}, {1001, "D"}}),
        skicka(0, 0), false);
    EXPECT_FILE_BYTES("1.T", Bild()
                                 .plus(spelarBild(1, "A", "nej", 0))
                                 .plus(spelarBild(2, "B", "nej", 0))
                                 .plus(spelarBild(3, "C", "nej", 0))
                                 .plus(spelarBild(4, "Frirond", "", 0)));
    EXPECT_EQ(u.turnnr, 1);
}

TEST_F(Registrering, SwissOrdersByRankingEarlierRowFirstOnTies) {
    store::touch(store::fil::TURN);
    const std::vector<spelarstruct> lista{{1, "Ett", "K1", 1800},
                                          {2, "Tva", "K2", 2100},
                                          {3, "Tre", "", 1800},
                                          {4, "Fyra", "K4", 0},
                                          {5, "Fem", "", 2500}};
    registreraSpelare(lista, skicka(3, 1), false);
    EXPECT_FILE_BYTES("1.T", Bild()
                                 .plus(spelarBild(1, "Fem", "", 2500))
                                 .plus(spelarBild(2, "Tva", "K2", 2100))
                                 .plus(spelarBild(3, "Ett", "K1", 1800))
                                 .plus(spelarBild(4, "Tre", "", 1800))
                                 .plus(spelarBild(5, "Fyra", "K4", 0))
                                 .plus(spelarBild(6, "Frirond", "", 0)));
    EXPECT_FILE_BYTES("SLUMPT", Bild().text("monradnej", 9));
    EXPECT_FILE_BYTES("TURN", Bild().i32(1).text("Klubbm\xE4sterskap", 40).i32(7).i32(1));
}

TEST_F(Registrering, FourInvalidRankingsRefuseSwissThreeDoNot) {
    store::touch(store::fil::TURN);
    std::vector<spelarstruct> lista{
        {1, "A", "nej", 0}, {2, "B", "nej", 0}, {3, "C", "nej", 0}, {4, "D", "nej", 1900}, {5, "", "nej", 0}};
    EXPECT_FALSE(registreraSpelare(lista, skicka(2, 1), false).avvisad);
    EXPECT_TRUE(store::exists("1.T"));

    std::filesystem::remove("1.T");
    std::filesystem::remove("SLUMPT");
    store::writeAll<turneringsstruct>("TURN", {});
    lista[3].ranking = 0;
    const auto u = registreraSpelare(lista, skicka(2, 1), false);
    EXPECT_TRUE(u.avvisad);
    EXPECT_TRUE(testbytes::fileBytes("TURN").empty());
    EXPECT_FALSE(store::exists("1.T"));
    EXPECT_FALSE(store::exists("SLUMPT"));
    // The same entries in a Monrad tournament are stored without complaint.
    EXPECT_FALSE(registreraSpelare(lista, skicka(2, 0), false).avvisad);
}

TEST(OgiltigaRankingtal, TeamSizesCountForCustomScoring) {
    const std::vector<spelarstruct> lista{{1, "A", "nej", 5},
                                          {2, "B", "nej", 99},
                                          {3, "C", "nej", 1800},
                                          {4, "D", "nej", 0},
                                          {5, "", "nej", 0}};
    EXPECT_EQ(ogiltigaRankingtal(lista, false), 3);
    EXPECT_EQ(ogiltigaRankingtal(lista, true), 1);
}

TEST_F(Registrering, CustomScoringSwissWithTeamSizesRegisters) {
    store::touch(store::fil::TURN);
    std::vector<spelarstruct> lista;
    for (int i = 1; i <= 6; ++i)
        lista.push_back({i, "Lag " + std::to_string(i), "nej", i * 2});
    EXPECT_FALSE(registreraSpelare(lista, skicka(2, 1), true).avvisad);
    const auto t = store::readAll<spelarstructtva>("1.T");
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t.front().namn, "Lag 6");
    EXPECT_EQ(t.back().namn, "Lag 1");
}

TEST_F(Registrering, NoNamesStillEntersTheTournament) {
    store::touch(store::fil::TURN);
    registreraSpelare(namnlista({{1, ""}, {2, ""}}), skicka(0, 0, "Tom"), false);
    EXPECT_TRUE(store::exists("1.T"));
    EXPECT_TRUE(testbytes::fileBytes("1.T").empty());
    EXPECT_FILE_BYTES("TURN", Bild().i32(1).text("Tom", 40).i32(7).i32(0));
}

TEST_F(Registrering, ValfriReadsTheFirstCharacterOfPoangsy) {
    EXPECT_FALSE(lasValfri());
    EXPECT_TRUE(store::exists("POANGSY"));
    store::writeText("POANGSY", "1");
    EXPECT_TRUE(lasValfri());
    store::writeText("POANGSY", "0");
    EXPECT_FALSE(lasValfri());
}

} // namespace
