#include "lott/results/resultatinmatning.h"

#include <gtest/gtest.h>

#include "store/filenames.h"
#include "store/files.h"
#include "tests/support/temp_dir.h"

namespace {

spelarstructtva sp(int nr, std::string namn, int ranking = 0) {
    spelarstructtva s;
    s.nr = nr;
    s.namn = std::move(namn);
    s.klubb = "nej";
    s.ranking = ranking;
    return s;
}

// n boards: board b has white 2b-1 and black 2b; with a bye the last black is "Frirond".
std::vector<spelarstructtva> parning(int bord, bool frirond = false) {
    std::vector<spelarstructtva> lista;
    for (int b = 1; b <= bord; ++b) {
        lista.push_back(sp(2 * b - 1, "V" + std::to_string(b), 1400 + b));
        lista.push_back(sp(2 * b, "S" + std::to_string(b)));
    }
    if (frirond) lista.back() = sp(2 * bord, "Frirond");
    return lista;
}

Resultatinmatning::Sidtexter sida(std::initializer_list<const char*> texter) {
    Resultatinmatning::Sidtexter t;
    std::size_t i = 0;
    for (const char* s : texter)
        t[i++] = s;
    return t;
}

TEST(Resultatinmatning, BoardsAndPlayerTexts) {
    const Resultatinmatning r(parning(3), false);
    ASSERT_EQ(r.antalBord(), 3);
    EXPECT_EQ(r.bordlista()[1].vit, 3);
    EXPECT_EQ(r.bordlista()[1].svart, 4);
    EXPECT_EQ(r.sattstrang(2, 0), "3. V2 1402");
    EXPECT_EQ(r.sattstrang(2, 1), "4. S2"); // no rating shown when 0
    EXPECT_EQ(r.sattstrang(4, 0), "");
    EXPECT_EQ(r.sattstrang(0, 0), "");
    EXPECT_EQ(r.frirondbord(), Resultatinmatning::kIngetFrirondbord);
}

TEST(Resultatinmatning, ByeBoardShowsTheWinOfTheRealPlayer) {
    const Resultatinmatning svart(parning(3, true), false);
    EXPECT_EQ(svart.frirondbord(), 3);
    EXPECT_EQ(svart.foradla(3, ""), "1-0");
    EXPECT_EQ(svart.foradla(2, ""), "");

    auto lista = parning(2);
    lista[2] = sp(3, "Frirond"); // the bye as white
    const Resultatinmatning vit(lista, false);
    EXPECT_EQ(vit.foradla(2, "1-0"), "0-1");
}

TEST(Resultatinmatning, PageCommitTakesOverTextsAndKeepsOtherBoards) {
    Resultatinmatning r(parning(12), false);
    r.gorlista(1,
               sida({"1-0", "0-1", "Remi", "0-0", "uppskj.", "", "x", "W.O(1-0)", "w.o(0-1)", "diskval."}));
    r.gorlista(11, sida({"Remi", "avbrutet"}));
    std::vector<int> bord, koder;
    for (const auto& p : r.bordlista()) {
        bord.push_back(p.bord);
        koder.push_back(p.resultat);
    }
    EXPECT_EQ(bord, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(koder, (std::vector<int>{1, 2, 3, 0, 4, 0, 0, 7, 8, 6, 3, 5}));
    EXPECT_EQ(r.resultatfalt(3), "Remi");
    EXPECT_EQ(r.resultatfalt(4), "");

    // The committed page's boards move behind the others.
    r.gorlista(1, sida({"1-0"}));
    EXPECT_EQ(r.bordlista().front().bord, 11);
    EXPECT_EQ(r.bordlista()[2].bord, 1);
    EXPECT_EQ(r.resultatfalt(2), ""); // an emptied field clears the stored result
}

TEST(Resultatinmatning, CustomScoresKeepTheTextWithDecimalPoints) {
    Resultatinmatning r(parning(2), true);
    r.gorlista(1, sida({"2,5-1,5", "x"}));
    EXPECT_EQ(r.resultatfalt(1), "2.5-1.5");
    EXPECT_FALSE(r.komplett());
    r.gorlista(1, sida({"2,5-1,5", "-"}));
    EXPECT_TRUE(r.komplett());
}

class ResultatSpara : public ArbetsmappTest {};

TEST_F(ResultatSpara, IncompleteRoundWritesNothing) {
    Resultatinmatning r(parning(2), false);
    r.gorlista(1, sida({"1-0", "0-0"}));
    EXPECT_FALSE(r.spara(3));
    EXPECT_FALSE(store::exists("3.R"));
}

TEST_F(ResultatSpara, RoundsAreAppendedWithTheNextNumber) {
    Resultatinmatning forsta(parning(2, true), false);
    forsta.gorlista(1, sida({"Remi", "1-0"}));
    ASSERT_TRUE(forsta.spara(3));
    Resultatinmatning andra(parning(2, true), false);
    andra.gorlista(1, sida({"0-1", "1-0"}));
    ASSERT_TRUE(andra.spara(3));
    const auto partier = store::readAll<partistruct>("3.R");
    const std::vector<partistruct> vantat = {
        {1, 2, 1, 3, 1}, {3, 4, 2, 1, 1}, {1, 2, 1, 2, 2}, {3, 4, 2, 1, 2}};
    EXPECT_EQ(partier, vantat);
}

valfristruct vf(int turnnr, int rond) {
    valfristruct v;
    v.turnnr = turnnr;
    v.rond = rond;
    return v;
}

TEST_F(ResultatSpara, CustomRoundsAreNumberedPerTournamentAndScaled) {
    // Other tournaments' rounds in the shared file do not count.
    store::append<valfristruct>(store::fil::VALFRI, {vf(1, 1), vf(1, 2), vf(1, 3), vf(2, 1)});
    std::vector<spelarstructtva> lista = {sp(1, "Lag A", 20), sp(2, "Lag B", 30), sp(3, "Lag C"),
                                          sp(4, "Lag D"),     sp(5, "Lag E", 4),  sp(6, "Frirond", 5)};
    Resultatinmatning r(lista, true);
    r.gorlista(1, sida({"3-1", "3-1", "2-2"}));
    ASSERT_TRUE(r.spara(2));
    const auto alla = store::readAll<valfristruct>(store::fil::VALFRI);
    ASSERT_EQ(alla.size(), 7u);
    EXPECT_EQ(alla[4].turnnr, 2);
    EXPECT_EQ(alla[4].rond, 2);
    EXPECT_EQ(alla[4].bord, 1);
    EXPECT_EQ(alla[4].vitresultat, 6.0); // m = 20
    EXPECT_EQ(alla[4].svartresultat, 2.0);
    EXPECT_EQ(alla[5].vitresultat, 3.0); // no ratings: kept
    EXPECT_EQ(alla[5].svartresultat, 1.0);
    EXPECT_EQ(alla[6].vitresultat, 20.0); // m = 4; "Frirond" keeps its score
    EXPECT_EQ(alla[6].svartresultat, 2.0);
    EXPECT_EQ(alla[6].vit, 5);
    EXPECT_EQ(alla[6].svart, 6);
}

TEST_F(ResultatSpara, ReadsThePairingListFromItsFile) {
    store::writeAll(store::fil::LSKICKA, parning(2, true));
    const auto r = Resultatinmatning::franLskicka(false);
    EXPECT_EQ(r.antalBord(), 2);
    EXPECT_EQ(r.frirondbord(), 2);
    EXPECT_EQ(r.frirondfarg(), 2);
}

} // namespace
