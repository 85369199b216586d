// The rows the report window draws: titles, paging, columns, place and number texts.
#include "lott/reports/report_content.h"

#include <gtest/gtest.h>

#include "lott/reports/report_data.h"
#include "tests/lott/reports/report_fixtures.h"
#include "tests/support/temp_dir.h"

using namespace reports;
using namespace reports::testing;

namespace {

// The texts of one row, left to right, joined by " | " as the window's dump shows them.
std::string rowText(const Row& r) {
    std::string out;
    for (const Cell& c : r.cells)
        out += (out.empty() ? "" : " | ") + c.text;
    return out;
}

// The text of the cell nearest to column x, or "" when none is within half a unit.
std::string cellAt(const Row& r, double x) {
    for (const Cell& c : r.cells)
        if (c.x > x - 0.5 && c.x < x + 0.5) return c.text;
    return "";
}

TEST(ReportContent, FortyFivePlayersMakeTwoParticipantPages) {
    ReportInput in;
    in.tnamn = "Klubbkvällar";
    for (int nr = 1; nr <= 45; ++nr)
        in.spelare.push_back(player(nr, "Spelare " + std::to_string(nr), "nej", nr * 10));
    in.spelare.push_back(player(46, "Frirond", ""));
    const ReportContent c = deltagareContent(in);
    ASSERT_EQ(45u, c.rows.size()); // the bye is no participant
    ASSERT_EQ(2u, c.pages.size());
    EXPECT_EQ(40u, c.pages[0].end - c.pages[0].begin);
    EXPECT_EQ(5u, c.pages[1].end - c.pages[1].begin);

    const DrawnPage first = layoutPage(c, 0, Band::Small);
    const DrawnPage second = layoutPage(c, 1, Band::Small);
    EXPECT_EQ("Deltagarlista Klubbkvällar", first.texts[0].text);
    EXPECT_EQ("Deltagarlista, forts", second.texts[0].text);
    // title, four headings, three texts a row (no club "nej")
    EXPECT_EQ(1u + 4 + 40 * 3, first.texts.size());
    EXPECT_EQ(1u + 4 + 5 * 3, second.texts.size());
    EXPECT_EQ("41", second.texts[5].text);
    EXPECT_EQ("Spelare 41", second.texts[6].text);
    EXPECT_EQ("410", second.texts[7].text);
    // Before the first print the screen shows every row.
    EXPECT_EQ(1u + 4 + 45 * 3, layoutPage(c, -1, Band::Large).texts.size());
    EXPECT_EQ(18, first.texts.back().height); // participant rows are as tall as headings
}

TEST(ReportContent, ParticipantRowsLeaveOutNoClubAndNoRanking) {
    ReportInput in;
    in.spelare = {player(1, "Anna", "SK Örnen", 0), player(2, "Bo", "nej", 1500)};
    const ReportContent c = deltagareContent(in);
    EXPECT_EQ("1 | Anna | SK Örnen", rowText(c.rows[0]));
    EXPECT_EQ("2 | Bo | 1500", rowText(c.rows[1]));
    in.tnamn = std::string(30, 'x'); // "Deltagarlista " + 30: longer than 35 characters
    EXPECT_EQ(28, deltagareContent(in).titleHeight);
}

TEST(ReportContent, PairingsShowTheByeAsOpponentAndStartNumbersOnRequest) {
    ReportInput in;
    in.tnamn = "Vårcup";
    in.valdrond = 3;
    in.spelare = {player(4, "Dan", "K", 1600), player(1, "Anna", "K", 0), player(2, "Bo", "K", 1400),
                  player(5, "Frirond", "nej")};
    ReportContent c = lottningContent(in);
    EXPECT_EQ("Vårcup lottning rond 3", c.title);
    EXPECT_EQ("Vårcup lottning rond 3, forts", c.fortsTitle);
    ASSERT_EQ(2u, c.rows.size());
    EXPECT_EQ("Bord 1 | Dan | 1600 | - | Anna | -", rowText(c.rows[0]));
    EXPECT_EQ("Bord 2 | Bo | 1400 | - | Frirond | -", rowText(c.rows[1]));
    in.medstartnummer = 1;
    c = lottningContent(in);
    EXPECT_EQ("Bord 1 | 4 | Dan | 1600 | - | 1 | Anna | -", rowText(c.rows[0]));
    EXPECT_EQ("Bord 2 | 2 | Bo | 1400 | - | Frirond | -", rowText(c.rows[1]));
}

TEST(ReportContent, PairingPagesHoldFortyFiveBoardsWithAWiderGapAfterEveryFifth) {
    ReportInput in;
    for (int nr = 1; nr <= 100; ++nr)
        in.spelare.push_back(player(nr, "S", "K"));
    const ReportContent c = lottningContent(in);
    ASSERT_EQ(50u, c.rows.size());
    ASSERT_EQ(2u, c.pages.size());
    EXPECT_EQ(45u, c.pages[0].end);
    EXPECT_GT(c.rows[5].gap, c.rows[4].gap); // board 6 follows five boards
    EXPECT_EQ(c.rows[4].gap, c.rows[1].gap);
    EXPECT_GT(c.rows[10].gap, c.rows[9].gap);
}

TEST(ReportContent, ResultsInBoardOrder) {
    ReportInput in;
    in.tnamn = "T";
    in.valdrond = 2;
    in.spelare = {player(1, "A", "K", 1500), player(2, "B", "K"), player(3, "C", "K"),
                  player(4, "Frirond", "")};
    in.partier = {game(2, 2, 3, 4, resVitVinst), game(1, 1, 1, 2, resRemi), game(2, 1, 2, 1, resAvbrutet)};
    const ReportContent c = resultatContent(in);
    EXPECT_EQ("T resultat rond 2", c.title);
    ASSERT_EQ(2u, c.rows.size());
    EXPECT_EQ("Bord 1 | 2 | B | - | 1 | A | 1500 | avbrutet", rowText(c.rows[0]));
    EXPECT_EQ("Bord 2 | 3 | C | - | Frirond | 1-0", rowText(c.rows[1]));

    in.poangval = 4;
    in.valfria = {valfri(2, 1, 3, 1, 2.5, 1.5), valfri(1, 1, 1, 3, 4, 0)};
    const ReportContent v = resultatContent(in);
    ASSERT_EQ(1u, v.rows.size());
    EXPECT_EQ("Bord 1 | 3 | C | - | 1 | A | 1500 | 2.5 - 1.5", rowText(v.rows[0]));
}

TEST(ReportContent, AByeWithoutARecordShowsAsTheBye) {
    // A late entry after round 1 removed the bye 4 and added Nils as 5: the round-1 game against
    // 4 is still the bye's, in the results and in the final report's cross table.
    ReportInput in;
    in.tnamn = "T";
    in.valdrond = 1;
    in.spelare = {player(1, "A", "K"), player(2, "B", "K"), player(3, "C", "K"), player(5, "Nils", "K")};
    in.partier = {game(1, 1, 2, 1, resVitVinst), game(1, 2, 3, 4, resVitVinst)};
    EXPECT_EQ("Bord 2 | 3 | C | - | Frirond | 1-0", rowText(resultatContent(in).rows[1]));

    in.vilkpaint = kSlutrapport;
    in.stallning = {row(2, "B", "K", 1, 0), row(3, "C", "K", 1, 0), row(1, "A", "K", 0, 1),
                    row(5, "Nils", "K", 0, 0)};
    EXPECT_EQ("2 | C | 1 | 0 | Fri,1", rowText(slutrapportContent(in).rows[1]));
}

TEST(ReportContent, StandingsShowATiedPlaceOnceAndSkipTheBye) {
    ReportInput in;
    in.vilkpaint = kStallning;
    in.tnamn = "Höst";
    in.valdrond = 5;
    in.stallning = {row(3, "A", "K", 4, 10), row(1, "B", "K", 3, 9), row(2, "C", "K", 3, 9),
                    row(9, "Frirond", "nej", 3, 0), row(4, "D", "K", 2, 9)};
    const ReportContent c = stallningContent(in, Band::Small);
    EXPECT_EQ("Ställning Höst rond 5", c.title);
    ASSERT_EQ(4u, c.rows.size());
    EXPECT_EQ("1", rowText(c.rows[0]).substr(0, 1));
    EXPECT_EQ("2 | 1 | B | K | 3 | 9", rowText(c.rows[1]));
    EXPECT_EQ("2 | C | K | 3 | 9", rowText(c.rows[2])); // no place: tied with B
    EXPECT_EQ("4 | 4 | D | K | 2 | 9", rowText(c.rows[3]));
}

TEST(ReportContent, StandingsRowTexts) {
    ReportInput in;
    in.vilkpaint = kStallning;
    spelarstructc a = row(1, "Anna", "nej", 5.5, 21, 1850);
    a.rankingandring = 12.5;
    a.antalvita = 2;
    a.utgatt = 1;
    spelarstructc b = row(2, "Bo", "nej", 10.5, 12.25, 1500);
    b.rankingandring = -600; // outside the limits
    in.stallning = {b, a};
    const ReportContent c = stallningContent(in, Band::Small);
    // No clubs anywhere: no club column.
    EXPECT_EQ("1 | 2 | Bo | 1500 (0) | 10.5 | 12.2", rowText(c.rows[0]));
    EXPECT_EQ("2 | 1 | Anna Utgått | 1850 (12.5) | 5.5(2) | 21", rowText(c.rows[1]));
    ASSERT_EQ(4u, c.headings.size());
    EXPECT_EQ("Kvalitet", c.headings[3].text);
    EXPECT_EQ("Kval.", stallningContent(in, Band::Large).headings[3].text);
    in.poangval = 4;
    EXPECT_EQ("Matchp.", stallningContent(in, Band::Middle).headings[3].text);
    EXPECT_EQ("Match", stallningContent(in, Band::Large).headings[3].text);
}

TEST(ReportContent, StandingsColumnsFollowTheVariant) {
    ReportInput in;
    in.vilkpaint = kStallning;
    spelarstructc a = row(1, "Anna", "SK", 3, 4, 2100);
    a.pris = 500;
    a.elo = 2150;
    a.titel = "FM";
    spelarstructc b = row(2, "Bo", "SK", 2, 4, 0);
    b.titel = "abcd"; // too long to show
    in.stallning = {a, b};

    // Plain: club at 28 and ranking at 46 from the origin 1/6, points 11 after the ranking.
    ReportContent c = stallningContent(in, Band::Small);
    const double o = 50.0 / 6;
    EXPECT_EQ("SK", cellAt(c.rows[0], o + 28));
    EXPECT_EQ("2100 (0)", cellAt(c.rows[0], o + 46));
    EXPECT_EQ("3", cellAt(c.rows[0], o + 57));
    EXPECT_EQ("4", cellAt(c.rows[0], o + 66));

    // With prizes: origin 1/5, no club, ranking at 24, prize 22 after the points.
    in.pstallningval = 1;
    in.pengarfinns = true;
    c = stallningContent(in, Band::Small);
    EXPECT_EQ("", cellAt(c.rows[0], 10 + 28));
    EXPECT_EQ("2100 (0)", cellAt(c.rows[0], 10 + 24));
    EXPECT_EQ("500", cellAt(c.rows[0], 10 + 35 + 22));
    EXPECT_EQ("Pris", c.headings.back().text);

    // Elo without prizes: ranking at 28, Elo 11 after it, points 19 after it, titles before names.
    in.pstallningval = 2;
    in.pengarfinns = false;
    c = stallningContent(in, Band::Small);
    EXPECT_EQ("2150", cellAt(c.rows[0], o + 28 + 11));
    EXPECT_EQ("3", cellAt(c.rows[0], o + 28 + 19));
    EXPECT_EQ("FM", cellAt(c.rows[0], o));
    EXPECT_EQ("Anna", cellAt(c.rows[0], o + 3));
    EXPECT_EQ("", cellAt(c.rows[1], o));
    EXPECT_EQ("", cellAt(c.rows[1], o + 28 + 11)); // Elo 0 is not shown
    EXPECT_EQ("ELO", c.headings[2].text);
}

TEST(ReportContent, CategoryStandingsNameTheCategoryAndTitlesShrink) {
    ReportInput in;
    in.vilkpaint = kEgenKategori;
    in.tnamn = "Vår_Junior";
    in.valdrond = 2;
    in.kategori = "Junior";
    in.stallning = {row(1, "A", "SK", 1, 1)};
    const ReportContent c = stallningContent(in, Band::Small);
    EXPECT_EQ("Ställning Vår_Junior rond 2 - Junior", c.title);
    EXPECT_EQ(34, c.titleHeight);
    in.tnamn = std::string(25, 'x'); // 10 + 25 + 7 + 9 = 51 characters
    EXPECT_EQ(22, stallningContent(in, Band::Small).titleHeight);
    in.tnamn = std::string(20, 'x');
    EXPECT_EQ(28, stallningContent(in, Band::Small).titleHeight);
}

TEST(ReportContent, CategoryStandingsKeepTheClubAndRatingColumnsOfTheWholeStandings) {
    // Only Anna, outside the category, has a club and a rating; the juniors Bo and Cia have
    // neither, and still their standings show both headings, as the tournament's do.
    TempDir mapp;
    LottState state;
    state.vilkpaint = kEgenKategori;
    state.turnnr = 1;
    state.tnamn = "Vår";
    state.valdrond = 1;
    state.pstallningval = 2;
    state.parslistac = {row(1, "Anna", "SK", 1, 1, 1800), row(2, "Bo", "nej", 1, 1), row(3, "Cia", "", 0, 0)};
    const std::vector<egenkategoriastruct> poster{{"Junior   300", 2, 300}, {"Junior   300", 3, 300}};
    const ReportInput in = egenKategoriInput(state, poster, "Junior   300");
    ASSERT_EQ(in.stallning.size(), 2u);
    EXPECT_EQ(in.stallning[0].namn, "Bo");
    EXPECT_EQ(in.kategori, "Junior (300 kr)");
    EXPECT_EQ(in.tnamn, "Vår_Junior");
    std::vector<std::string> rubriker;
    for (const auto& h : stallningContent(in, Band::Small).headings)
        rubriker.push_back(h.text);
    EXPECT_EQ(rubriker, (std::vector<std::string>{"Spelare", "Klubb", "Ranking", "Poäng", "Kvalitet"}));
}

ReportInput crossTable(int rounds) {
    ReportInput in;
    in.vilkpaint = kSlutrapport;
    in.tnamn = "Vår";
    in.valdrond = rounds;
    in.stallning = {row(1, "Anna", "K", 2, 1, 1500), row(2, "Bo", "K", 1, 1, 1600),
                    row(3, "Cia", "K", 0, 0, 0), row(4, "Frirond", "", 0, 0)};
    in.partier = {game(1, 1, 1, 2, resVitVinst), game(1, 2, 3, 4, resVitVinst), game(2, 1, 2, 3, resRemi),
                  game(2, 2, 4, 1, resSvartVinst)};
    return in;
}

TEST(ReportContent, FinalReportCrossTableWithRatingChangesUpToSevenRounds) {
    const ReportContent c = slutrapportContent(crossTable(7));
    EXPECT_EQ("Slutställning Vår rond 7", c.title);
    ASSERT_EQ(3u, c.rows.size());
    // Anna beat Bo (1500 against 1600: +20), then had the bye.
    EXPECT_EQ("1 | Anna | 2 | 1 | 2,1,+20 | Fri,1", rowText(c.rows[0]));
    EXPECT_EQ(26, c.rows[0].cells[4].x);
    EXPECT_EQ(26 + 8.5, c.rows[0].cells[5].x);
    // Bo (1600) lost to Anna (1500): -20, drew with the unrated Cia: no rating change for that game.
    EXPECT_EQ("2 | Bo | 1 | 1 | 1,0,-20 | 3,R", rowText(c.rows[1]));
    EXPECT_EQ("3 | Cia | 0 | 0 | Fri,1 | 2,R", rowText(c.rows[2]));
}

TEST(ReportContent, FinalReportOfNineRoundsShowsNoRatingChanges) {
    const ReportContent c = slutrapportContent(crossTable(9));
    EXPECT_EQ("1 | Anna | 2 | 1 | 2,1 | Fri,1", rowText(c.rows[0]));
    EXPECT_EQ(26 + 6.5, c.rows[0].cells[5].x);
    EXPECT_EQ(26 + 5.5, slutrapportContent(crossTable(10)).rows[0].cells[5].x);
    EXPECT_EQ("1 | Anna | 2 | 1 | 2,1,+20 | Fri,1", rowText(slutrapportContent(crossTable(7)).rows[0]));
}

TEST(ReportContent, FinalReportTitleAndPlacesCountDrawnRows) {
    ReportInput in = crossTable(2);
    in.stallning.insert(in.stallning.begin(), row(4, "Frirond", "", 3, 0));
    in.stallning.pop_back();
    const ReportContent c = slutrapportContent(in);
    EXPECT_EQ("1", c.rows[0].cells[0].text);
    EXPECT_EQ("Anna", c.rows[0].cells[1].text);
    in.tnamn = "Klubbmästerskapet i blixt"; // "Slutställning " + 25 = 39 characters: no round
    const ReportContent longTitle = slutrapportContent(in);
    EXPECT_EQ("Slutställning Klubbmästerskapet i blixt", longTitle.title);
    EXPECT_EQ("Slutställning, forts", longTitle.fortsTitle);
    EXPECT_EQ("Kvalité", longTitle.headings[2].text);
}

TEST(ReportContent, FinalReportUnderCustomScoring) {
    ReportInput in = crossTable(2);
    in.poangval = 4;
    in.partier.clear();
    in.valfria = {valfri(1, 1, 1, 2, 3, 1), valfri(2, 1, 3, 1, 2.5, 1.5), valfri(2, 2, 2, 9, 4, 0)};
    const ReportContent c = slutrapportContent(in);
    EXPECT_EQ("1 | Anna | 2 | 1 | 3p,2 | 1.5p,3", rowText(c.rows[0]));
    EXPECT_EQ(30, c.rows[0].cells[4].x);
    // Bo's round-2 opponent is not in the list: the cell stays empty.
    EXPECT_EQ("2 | Bo | 1 | 1 | 1p,1", rowText(c.rows[1]));
    EXPECT_EQ(18.5, c.headings[1].x); // over the points at 20
    EXPECT_EQ(30, c.headings[3].x);   // "Motståndare" over the first round
}

TEST(ReportContent, RankingGroupsShareTheGroupPrizeAmongTheLeaders) {
    ReportInput in;
    in.vilkpaint = kRankinggrupper;
    in.tnamn = "T";
    in.valdrond = 4;
    in.grupper.antalgr = 2;
    in.grupper.spelarepergr = 3;
    in.grupper.rpris = 300;
    std::vector<spelarstructc> rows = {row(1, "A", "K", 3, 5, 1900), row(2, "B", "K", 3, 4, 1500),
                                       row(3, "C", "K", 3, 4, 1800), row(4, "D", "K", 1, 4, 1400)};
    rows[0].rankinggrupp = 1;
    rows[1].rankinggrupp = 2;
    rows[2].rankinggrupp = 1;
    rows[3].rankinggrupp = 2;
    in.stallning = rows;
    ReportContent c = rankinggruppContent(in);
    EXPECT_EQ("T rankinggrupper rond 4", c.title);
    ASSERT_EQ(6u, c.rows.size());
    EXPECT_TRUE(c.rows[0].heading);
    EXPECT_EQ("Grupp 1 | Poäng | Kvalité | Pris", rowText(c.rows[0]));
    EXPECT_EQ("1 | A | 1900 | 3 | 5 | 150", rowText(c.rows[1])); // shared on equal points
    EXPECT_EQ("3 | C | 1800 | 3 | 4 | 150", rowText(c.rows[2]));
    EXPECT_EQ("2 | B | 1500 | 3 | 4 | 300", rowText(c.rows[4]));
    EXPECT_EQ("4 | D | 1400 | 1 | 4", rowText(c.rows[5]));
    ASSERT_EQ(1u, c.pages.size());

    in.grupper.delasellerej = 1; // separated by kvalitet
    c = rankinggruppContent(in);
    EXPECT_EQ("1 | A | 1900 | 3 | 5 | 300", rowText(c.rows[1]));
    EXPECT_EQ("3 | C | 1800 | 3 | 4", rowText(c.rows[2]));
}

TEST(ReportContent, RankingGroupPagesHoldWholeGroups) {
    rankingstruct g;
    g.antalgr = 6;
    g.spelarepergr = 8; // 5 x 8 = 40, 6 x 8 = 48: the largest wins
    EXPECT_EQ(48, groupRowsPerPage(g));
    EXPECT_EQ(6, groupsPerPage(g));
    g.spelarepergr = 15; // 3 x 15 = 45
    EXPECT_EQ(45, groupRowsPerPage(g));
    g.antalgr = 2; // two groups: always 40
    EXPECT_EQ(40, groupRowsPerPage(g));
    EXPECT_EQ(2, groupsPerPage(g));
    g.spelarepergr = 60;
    EXPECT_EQ(1, groupsPerPage(g));

    ReportInput in;
    in.vilkpaint = kRankinggrupper;
    in.grupper.antalgr = 5;
    in.grupper.spelarepergr = 30; // 40 / 30: one group a page
    const ReportContent c = rankinggruppContent(in);
    EXPECT_EQ(5u, c.pages.size());
    EXPECT_EQ("Grupp 2", layoutPage(c, 1, Band::Small).texts[1].text);
}

TEST(ReportContent, CaptionsAndPageSizes) {
    EXPECT_EQ("Utskrift av Deltagare", reportCaption(kDeltagare));
    EXPECT_EQ("Utskrift av Ställningen i Rankinggrupperna", reportCaption(kRankinggrupper));
    EXPECT_EQ("Ställning egenkategorier", reportCaption(kEgenKategori));
    EXPECT_EQ(40, sidposter(kDeltagare));
    EXPECT_EQ(90, sidposter(kResultat));
    EXPECT_EQ(50, sidposter(kSlutrapport));
}

TEST(ReportLayout, BandsAndFontHeights) {
    EXPECT_EQ(Band::Small, bandForScreen(749, false));
    EXPECT_EQ(Band::Middle, bandForScreen(750, false));
    EXPECT_EQ(Band::Middle, bandForScreen(949, false));
    EXPECT_EQ(Band::Large, bandForScreen(950, false));
    EXPECT_EQ(Band::Small, bandForScreen(1920, true));
    EXPECT_EQ(16, rowHeight(Band::Small, false));
    EXPECT_EQ(18, rowHeight(Band::Middle, false));
    EXPECT_EQ(24, rowHeight(Band::Large, false));
    EXPECT_EQ(28, headingHeight(Band::Large));
}

TEST(ReportLayout, RowsGoDownTheirGapsAndPagesStartAtTheTop) {
    ReportContent c;
    c.title = "T";
    c.fortsTitle = "T, forts";
    c.headings = {{0, "H"}};
    for (int i = 0; i < 5; ++i)
        c.rows.push_back(Row{{{1, std::to_string(i)}}, 0.5, false});
    c.pages = fixedPages(c.rows.size(), 3);
    const DrawnPage p0 = layoutPage(c, 0, Band::Small);
    const DrawnPage p1 = layoutPage(c, 1, Band::Small);
    ASSERT_EQ(5u, p0.texts.size());
    ASSERT_EQ(4u, p1.texts.size());
    EXPECT_DOUBLE_EQ(p0.texts[2].y, p1.texts[2].y); // first row of each page at the same height
    EXPECT_DOUBLE_EQ(0.5, p0.texts[3].y - p0.texts[2].y);
    EXPECT_GT(p0.texts[2].y, p0.texts[1].y);
    EXPECT_EQ("T, forts", p1.texts[0].text);
    EXPECT_EQ(1u, fixedPages(0, 40).size());
}

} // namespace
