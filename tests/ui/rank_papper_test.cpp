// rank's lists on paper: every row printed once, the federation list's pages of 40 and then 50 rows
// each on one A4 sheet under their own head, the date stamp in the corner. The measure is the one
// of the paper-layout tests: every character half as wide as its point size.
#include <gtest/gtest.h>

#include <map>

#include "rank/lists/listor.h"
#include "rank/lists/utskrifter_win.h"
#include "tests/support/rank_poster.h"
#include "ui/paper.h"

using namespace rank;

namespace {

double halfWidth(const std::string& text, double points, bool) {
    return 0.5 * points * static_cast<double>(text.size());
}

// A4 with 20 mm margins, in points.
constexpr double kBredd = 595.3 - 2 * 56.7;
constexpr double kHojd = 841.9 - 2 * 56.7;

std::vector<spelarstruct> medlemmar(int antal) {
    std::vector<spelarstruct> ut;
    for (int i = 0; i < antal; ++i)
        ut.push_back(rankpost::medlem("Medlem " + std::to_string(i + 1), 2400 - i));
    return ut;
}

// How often each text occurs on the sheets.
struct Forekomster {
    std::map<std::string, int> n;
    int operator()(const std::string& text) const {
        const auto it = n.find(text);
        return it == n.end() ? 0 : it->second;
    }
};
Forekomster antal(const std::vector<ui::Sheet>& ark) {
    Forekomster f;
    for (const auto& a : ark)
        for (const auto& t : a.texts)
            ++f.n[t.text];
    return f;
}

TEST(RankPapper, TheFederationListPrintsEachPageOnOneSheetUnderItsHead) {
    const auto spelare = medlemmar(140);
    const Listinnehall l = ssfInnehall(spelare, "SK Rockaden", 10, "2003.05.01");
    const auto sidor = ssfSidor(spelare.size()); // rows 0-39, 40-89, 90-139
    ASSERT_EQ(sidor.size(), 3u);
    for (std::size_t i = 0; i < sidor.size(); ++i) {
        SCOPED_TRACE(i);
        const ui::PaperReport r = UtskrifterWin::pappersrapport(l, Listslag::Ssflista, sidor[i], i > 0);
        EXPECT_EQ(r.corner, "2003.05.01");
        EXPECT_EQ(r.fileName, "rankingutskrifter/SSF-lista.pdf");
        const auto ark = ui::layOutPaper(r, kBredd, kHojd, halfWidth);
        ASSERT_EQ(ark.size(), 1u) << "a page of the federation list is one sheet";
        const auto n = antal(ark);
        EXPECT_EQ(n(i == 0 ? "SPELARFÖRTECKNING" : "SPELARFÖRTECKNING, FORTS"), 1);
        EXPECT_EQ(n("baserade på rankingen 1/1 2003."), i == 0 ? 1 : 0) << "the lead on the first page only";
        EXPECT_EQ(n("Födelsedata"), 1);
        for (std::size_t rad = 0; rad < spelare.size(); ++rad) {
            const bool pasidan = rad >= sidor[i].fran && rad < sidor[i].till;
            EXPECT_EQ(n(spelare[rad].namn), pasidan ? 1 : 0) << spelare[rad].namn;
        }
        for (const auto& t : ark[0].texts) {
            EXPECT_LE(t.y + t.points, kHojd) << t.text;
            EXPECT_LE(t.x + halfWidth(t.text, t.points, t.bold), kBredd + 1e-9) << t.text;
        }
    }
}

TEST(RankPapper, TheRankingListPrintsEveryRowOnceOverAsManySheetsAsItNeeds) {
    for (int medlem : {0, 1, 60, 250}) {
        SCOPED_TRACE(medlem);
        const auto spelare = medlemmar(medlem);
        const Listinnehall l = rankinglistaInnehall(spelare, "SK Rockaden", false, "S");
        const ui::PaperReport r = UtskrifterWin::pappersrapport(l, Listslag::Rankinglista, {0, l.rader.size()}, false);
        EXPECT_EQ(r.fileName, "rankingutskrifter/Rankinglista.pdf");
        const auto ark = ui::layOutPaper(r, kBredd, kHojd, halfWidth);
        ASSERT_GE(ark.size(), 1u);
        const auto n = antal(ark);
        for (const auto& s : spelare)
            EXPECT_EQ(n(s.namn), 1) << s.namn;
        EXPECT_EQ(n("Namn"), static_cast<int>(ark.size())) << "the column headings on every sheet";
        EXPECT_EQ(n("Rankinglista SK Rockaden"), static_cast<int>(ark.size())) << "the title on every sheet";
    }
}

TEST(RankPapper, AReportIsNamedAfterItsMemberInTheReportFolder) {
    Rankingrapport rapport;
    rapport.namn = "Åsa Öberg/Ek";
    const Listinnehall l = rapportInnehall(rapport, 17, "S");
    const ui::PaperReport r = UtskrifterWin::pappersrapport(l, Listslag::Rapport, {0, 0}, false);
    EXPECT_EQ(r.fileName, "rankingutskrifter/Rankingrapport för Åsa Öberg_Ek.pdf");
    ASSERT_EQ(r.pages.size(), 1u);
    EXPECT_EQ(r.pages[0].lead,
              (std::vector<std::string>{"rankingperioden 1/5-30/8 2003",
                                        "Till grund för ditt nya rankingtal låg följande resultat:"}));
}

} // namespace
