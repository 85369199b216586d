// The tournament web site read back as a visitor's browser would: the tables of its pages parsed
// independently of the writer and compared with the standings, the games and each other.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "lott/reports/game_texts.h"
#include "lott/webb/webbplats.h"
#include "tests/lott/webb/html_tabell.h"
#include "tests/support/temp_dir.h"
#include "tests/support/webb_turnering.h"

using namespace webbtest;

namespace {

const webb::Webbsida* sida(const std::vector<webb::Webbsida>& sidor, const std::string& fil) {
    for (const auto& s : sidor)
        if (s.fil == fil) return &s;
    return nullptr;
}

// A number as the pages write it ("5.5", "4(1)", "1.05e+03"), read with the C locale's rules
// regardless of the process locale.
double tal(const std::string& text) {
    std::istringstream in(text.substr(0, text.find('(')));
    in.imbue(std::locale::classic());
    double d = -1;
    in >> d;
    return d;
}

std::vector<Val> fall() {
    std::vector<Val> v;
    v.push_back({Slag::Monrad, 15, 5, 5, 1, false, true, 1, "Monrad udda", 3});
    v.push_back({Slag::Nordisk, 20, 7, 4, 2, true, true, 1, "Nordisk 3-1-0 progressiv", 5});
    v.push_back({Slag::Schweizer, 16, 6, 6, 3, false, true, 1, "Schweizer 3-2-1", 7});
    v.push_back({Slag::Valfritt, 11, 4, 4, 4, false, true, 1, "Valfritt", 9});
    v.push_back({Slag::Monrad, 8, 5, 2, 1, false, false, 1, "Utan tillval, ej klar", 11});
    return v;
}

std::string beskriv(const Val& v) {
    return v.namn + " (" + std::to_string(v.spelare) + " spelare, seed " + std::to_string(v.seed) + ")";
}

} // namespace

// Places, points and tie-breaks of every standings page equal the standings after that round;
// under 1-½-0 every game also hands out exactly one point, so a page counting a later round fails.
TEST(Webbplats, StandingsPagesAgreeWithTheStandingsAfterEachRound) {
    for (const auto& v : fall()) {
        SCOPED_TRACE(beskriv(v));
        const auto t = generera(v);
        const auto sidor = webb::turneringensSidor(t);
        for (int r = 1; r <= v.spelade; ++r) {
            SCOPED_TRACE("rond " + std::to_string(r));
            const auto* s = sida(sidor, webb::stallningFil(r));
            ASSERT_NE(s, nullptr);
            const auto tabs = tabeller(s->html);
            ASSERT_EQ(tabs.size(), 1u);
            const auto& tab = tabs[0];
            const int kPlats = kolumn(tab, "Plats"), kNamn = kolumn(tab, "Namn"),
                      kPoang = kolumn(tab, "Poäng");
            const int kKval = kolumn(tab, v.slag == Slag::Valfritt ? "Matchpoäng" : "Kvalitet");
            ASSERT_GE(kPlats, 0);
            ASSERT_GE(kNamn, 0);
            ASSERT_GE(kPoang, 0);
            ASSERT_GE(kKval, 0);

            std::vector<spelarstructc> facit;
            for (const auto& rad : webb::stallningEfter(t, r))
                if (!store::isBye(rad.namn)) facit.push_back(rad);
            ASSERT_EQ(tab.size() - 1, facit.size()) << "one row per player, never the bye";
            double summa = 0;
            for (std::size_t i = 0; i < facit.size(); ++i) {
                const auto& rad = tab[i + 1];
                const auto& f = facit[i];
                EXPECT_EQ(rad[kNamn], f.utgatt ? f.namn + " Utgått" : f.namn) << "row " << i;
                EXPECT_DOUBLE_EQ(tal(rad[kPoang]), f.poang) << f.namn;
                EXPECT_NEAR(tal(rad[kKval]), f.kvalitet, std::max(0.01, f.kvalitet * 0.005)) << f.namn;
                // The place once per group of players level on points and tie-break.
                const bool lika =
                    i > 0 && facit[i - 1].poang == f.poang && facit[i - 1].kvalitet == f.kvalitet;
                EXPECT_EQ(rad[kPlats], lika ? "" : std::to_string(i + 1)) << f.namn;
                summa += f.poang;
            }
            if (v.poangval == 1 && v.slag != Slag::Valfritt) {
                int partier = 0;
                for (const auto& g : t.partier)
                    if (g.rond <= r) ++partier;
                EXPECT_DOUBLE_EQ(summa, partier) << "points of rounds 1.." << r << " only";
            }
            if (v.extra) {
                EXPECT_NE(s->html.find("Spelare 3 Utgått"), std::string::npos)
                    << "the withdrawn player is marked";
            }
        }
    }
}

// Each round's page lists its boards in order with both players and the result as entered; the
// round just paired lists its boards without results.
TEST(Webbplats, RoundPagesListEveryBoardWithItsResult) {
    const std::map<int, std::string> text{{resVitVinst, "1-0"},
                                          {resSvartVinst, "0-1"},
                                          {resRemi, "Remi"},
                                          {resVitWo, "1-0(W.O)"},
                                          {resSvartWo, "0-1(W.O)"}};
    for (const auto& v : fall()) {
        SCOPED_TRACE(beskriv(v));
        auto t = generera(v);
        t.lottadRond = v.spelade + 1;
        t.lottadePar = {{2, 1}, {4, 3}};
        const auto sidor = webb::turneringensSidor(t);
        for (int r = 1; r <= v.spelade; ++r) {
            SCOPED_TRACE("rond " + std::to_string(r));
            const auto* s = sida(sidor, webb::rondFil(r));
            ASSERT_NE(s, nullptr);
            const auto tab = tabeller(s->html).at(0);
            std::vector<std::vector<std::string>> facit;
            if (v.slag == Slag::Valfritt) {
                for (const auto& g : t.valfria)
                    if (g.rond == r)
                        facit.push_back(
                            {std::to_string(g.bord), std::to_string(g.vit), std::to_string(g.svart)});
            } else {
                for (const auto& g : t.partier)
                    if (g.rond == r)
                        facit.push_back({std::to_string(g.bord), std::to_string(g.vit),
                                         std::to_string(g.svart), text.at(g.resultat)});
            }
            ASSERT_EQ(tab.size() - 1, facit.size());
            for (std::size_t i = 0; i < facit.size(); ++i) {
                const auto& rad = tab[i + 1];
                ASSERT_EQ(rad.size(), 6u);
                EXPECT_EQ(rad[0], facit[i][0]);
                EXPECT_EQ(rad[1], facit[i][1]);
                EXPECT_EQ(rad[4], facit[i][2]);
                if (facit[i].size() > 3) {
                    EXPECT_EQ(rad[3], facit[i][3]);
                }
                if (facit[i][2] == std::to_string(t.spelare.back().nr)) {
                    EXPECT_EQ(rad[5], "Frirond");
                }
            }
        }
        const auto* lottad = sida(sidor, webb::rondFil(v.spelade + 1));
        ASSERT_NE(lottad, nullptr);
        EXPECT_NE(lottad->html.find("<h1>Lottning rond " + std::to_string(v.spelade + 1)), std::string::npos);
        const auto tab = tabeller(lottad->html).at(0);
        ASSERT_EQ(tab.size(), 3u);
        EXPECT_EQ(tab[2], (std::vector<std::string>{"2", "4", "Spelare 4", "", "3", "Spelare 3"}));
    }
}

// The cross table agrees with itself: when the player in place p met the player in place q in a
// round, q's cell of that round names p, and their outcomes are opposite.
TEST(Webbplats, CrossTableCellsMirrorEachOther) {
    for (const auto& v : fall()) {
        if (v.slag == Slag::Valfritt) continue; // its cells hold scores, not outcomes
        SCOPED_TRACE(beskriv(v));
        const auto t = generera(v);
        const auto sidor = webb::turneringensSidor(t);
        const auto* s = sida(sidor, webb::kKorstabellFil);
        ASSERT_NE(s, nullptr);
        const auto tab = tabeller(s->html).at(0);
        const int forsta = kolumn(tab, "R1");
        ASSERT_GT(forsta, 0);
        const std::map<std::string, std::string> motsatt{{"1", "0"}, {"0", "1"}, {"R", "R"}};
        int motFri = 0;
        for (std::size_t p = 1; p < tab.size(); ++p) {
            EXPECT_EQ(tab[p][0], std::to_string(p));
            for (int r = 0; r < v.spelade; ++r) {
                const std::string cell = tab[p][static_cast<std::size_t>(forsta + r)];
                if (cell.empty()) continue;
                const auto komma = cell.find(',');
                ASSERT_NE(komma, std::string::npos) << cell;
                const std::string mot = cell.substr(0, komma);
                const std::string utfall = cell.substr(komma + 1, 1);
                if (mot == "Fri") {
                    ++motFri;
                    continue;
                }
                const auto q = static_cast<std::size_t>(std::stoi(mot));
                ASSERT_LT(q, tab.size());
                const std::string andra = tab[q][static_cast<std::size_t>(forsta + r)];
                EXPECT_EQ(andra.substr(0, andra.find(',')), std::to_string(p)) << "round " << r + 1;
                EXPECT_EQ(andra.substr(andra.find(',') + 1, 1), motsatt.at(utfall)) << "round " << r + 1;
            }
        }
        int frirundor = 0;
        for (const auto& g : t.partier)
            if (g.vit == t.spelare.back().nr || g.svart == t.spelare.back().nr) ++frirundor;
        EXPECT_EQ(motFri, frirundor);
    }
}

// Prize winners, ranking groups and own categories come with the tournament's options and agree
// with the final standings; a tournament without them has none of those pages.
TEST(Webbplats, PrizeGroupAndCategoryPagesFollowTheOptions) {
    for (const auto& v : fall()) {
        SCOPED_TRACE(beskriv(v));
        const auto t = generera(v);
        const auto sidor = webb::turneringensSidor(t);
        const bool klar = v.spelade >= v.ronder;
        EXPECT_EQ(sida(sidor, webb::kSlutstallningFil) != nullptr, klar);
        EXPECT_EQ(sida(sidor, webb::kPriserFil) != nullptr, v.extra);
        EXPECT_EQ(sida(sidor, webb::kGrupperFil) != nullptr, v.extra);
        EXPECT_EQ(sida(sidor, webb::kKategorierFil) != nullptr, v.extra);
        if (!v.extra) continue;
        // Prizes 500, 300 and 100 over the first three places, shared by players level on points:
        // what is paid out is at most their sum, and no winner has fewer points than the third.
        const auto priser = tabeller(sida(sidor, webb::kPriserFil)->html).at(0);
        const int kPris = kolumn(priser, "Pris"), kPoang = kolumn(priser, "Poäng");
        const auto stallning = webb::stallningEfter(t, v.spelade); // the rows point into it
        const auto slut = reports::drawnRows(stallning);
        int utbetalt = 0;
        for (std::size_t i = 1; i < priser.size(); ++i) {
            utbetalt += std::stoi(priser[i][static_cast<std::size_t>(kPris)]);
            EXPECT_GE(tal(priser[i][static_cast<std::size_t>(kPoang)]), slut[2]->poang);
        }
        EXPECT_GT(utbetalt, 0);
        EXPECT_LE(utbetalt, 900);
        // Three groups of antal / 3 players, each player in at most one.
        const auto grupper = tabeller(sida(sidor, webb::kGrupperFil)->html);
        ASSERT_EQ(grupper.size(), 3u);
        std::map<std::string, int> iGrupp;
        for (const auto& g : grupper) {
            EXPECT_EQ(g.size() - 1, static_cast<std::size_t>(t.grupper->spelarepergr));
            for (std::size_t i = 1; i < g.size(); ++i)
                ++iGrupp[g[i][0]];
        }
        for (const auto& [nr, antal] : iGrupp)
            EXPECT_EQ(antal, 1) << "player " << nr;
        // The juniors are every fourth player from 2; the veterans every seventh from 1.
        const auto kat = tabeller(sida(sidor, webb::kKategorierFil)->html);
        ASSERT_EQ(kat.size(), 2u);
        for (std::size_t i = 1; i < kat[0].size(); ++i)
            EXPECT_EQ(std::stoi(kat[0][i][1]) % 4, 2) << kat[0][i][1];
        for (std::size_t i = 1; i < kat[1].size(); ++i)
            EXPECT_EQ(std::stoi(kat[1][i][1]) % 7, 1) << kat[1][i][1];
        const std::string katHtml = sida(sidor, webb::kKategorierFil)->html;
        EXPECT_NE(katHtml.find("<caption>Junior (100 kr)</caption>"), std::string::npos);
    }
}

// Every page is a modern page and no user text becomes markup: a tournament and players named to
// break out of their cells stay text, and no page carries a script or an e-mail address.
TEST(Webbplats, EveryPageIsSafeAndSelfContained) {
    Val v;
    v.namn = "<b>\"Vår\" & 'höst'</b>";
    auto t = generera(v);
    t.spelare[0].namn = "<script>alert(1)</script>";
    t.spelare[1].klubb = "SK \"Torn\" & <Löpare>";
    const auto sidor = webb::turneringensSidor(t);
    ASSERT_GT(sidor.size(), 10u);
    for (const auto& s : sidor) {
        SCOPED_TRACE(s.fil);
        EXPECT_EQ(s.html.rfind("<!DOCTYPE html>\n<html lang=\"sv\">", 0), 0u);
        EXPECT_NE(s.html.find("<meta charset=\"utf-8\">"), std::string::npos);
        EXPECT_NE(s.html.find("name=\"viewport\""), std::string::npos);
        EXPECT_NE(s.html.find("<link rel=\"stylesheet\" href=\"../stil.css\">"), std::string::npos);
        EXPECT_EQ(s.html.find("<script"), std::string::npos);
        EXPECT_EQ(s.html.find("<b>"), std::string::npos);
        EXPECT_EQ(s.html.find('@'), std::string::npos);
        if (s.html.find("<table") != std::string::npos) {
            EXPECT_NE(s.html.find("<th scope=\"col\""), std::string::npos);
        }
    }
    const auto* deltagare = sida(sidor, webb::kDeltagareFil);
    ASSERT_NE(deltagare, nullptr);
    const auto tab = tabeller(deltagare->html).at(0);
    EXPECT_EQ(tab[1][1], "<script>alert(1)</script>");
    EXPECT_EQ(tab[2][2], "SK \"Torn\" & <Löpare>");
    EXPECT_NE(deltagare->html.find("&lt;b&gt;&quot;Vår&quot; &amp; &#39;höst&#39;&lt;/b&gt;"),
              std::string::npos);
}

class WebbplatsFiler : public ArbetsmappTest {};

namespace {
std::string las(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
} // namespace

// The site in the directory: a folder per tournament (same names kept apart), the front page
// newest first, a second refresh writes nothing, a changed result rewrites only the pages that
// show it, and a round taken back takes its pages with it.
TEST_F(WebbplatsFiler, RefreshWritesOnlyWhatChanged) {
    Val a;
    a.namn = "Klubbmästerskap";
    a.seed = 21;
    Val b = a;
    b.turnnr = 2;
    b.slag = Slag::Valfritt;
    b.seed = 22;
    const auto ta = generera(a);
    skrivFiler(ta);
    skrivFiler(generera(b));

    webb::Webbplats w;
    w.uppdatera({});
    const auto forsta = w.senaste();
    EXPECT_EQ(forsta.skrivna, forsta.sidor);
    namespace fs = std::filesystem;
    ASSERT_TRUE(fs::exists("webb/stil.css"));
    ASSERT_TRUE(fs::exists("webb/Klubbmästerskap/index.html"));
    ASSERT_TRUE(fs::exists("webb/Klubbmästerskap_2/index.html"));
    const std::string index = las("webb/index.html");
    EXPECT_LT(index.find("Klubbm%C3%A4sterskap_2/index.html"), index.find("Klubbm%C3%A4sterskap/index.html"))
        << "newest first";

    w.uppdatera({});
    EXPECT_EQ(w.senaste().skrivna, 0);
    w.publicera({});
    EXPECT_EQ(w.senaste().skrivna, 0) << "the same contents are not written again";

    // A result of the last round changes: its round page and the pages over the standings.
    auto partier = ta.partier;
    for (auto& g : partier)
        if (g.rond == a.spelade && g.svart != ta.spelare.back().nr && g.vit != ta.spelare.back().nr) {
            g.resultat = g.resultat == resRemi ? resVitVinst : resRemi;
            break;
        }
    const auto fore = las("webb/Klubbmästerskap/rond-1.html");
    const auto deltagareTid = fs::last_write_time("webb/Klubbmästerskap/deltagare.html");
    store::writeAll(store::tournamentFile(1, 'R'), partier);
    w.uppdatera({});
    EXPECT_GE(w.senaste().skrivna, 3);
    EXPECT_LT(w.senaste().skrivna, 12) << "only the pages of the last round and the totals";
    EXPECT_EQ(fs::last_write_time("webb/Klubbmästerskap/deltagare.html"), deltagareTid);
    EXPECT_EQ(las("webb/Klubbmästerskap/rond-1.html"), fore);
    EXPECT_NE(las("webb/Klubbmästerskap/" + webb::rondFil(a.spelade)).find("Remi"), std::string::npos);

    // The last round taken back.
    std::erase_if(partier, [&](const partistruct& g) { return g.rond == a.spelade; });
    store::writeAll(store::tournamentFile(1, 'R'), partier);
    w.uppdatera({});
    EXPECT_FALSE(fs::exists("webb/Klubbmästerskap/" + webb::rondFil(a.spelade)));
    EXPECT_FALSE(fs::exists("webb/Klubbmästerskap/" + webb::stallningFil(a.spelade)));
    EXPECT_FALSE(fs::exists("webb/Klubbmästerskap/slutstallning.html"));
    EXPECT_TRUE(fs::exists("webb/Klubbmästerskap/" + webb::stallningFil(a.spelade - 1)));
}
