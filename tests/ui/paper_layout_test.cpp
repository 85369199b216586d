// Setting a report on paper, with a measure worked out by hand: every character is half as wide
// as the font's point size (bold or not), so widths can be computed on paper.
#include <gtest/gtest.h>

#include "ui/paper.h"

namespace {

double halfWidth(const std::string& text, double points, bool) {
    return 0.5 * points * static_cast<double>(text.size());
}

const ui::PlacedPaperText* find(const ui::Sheet& sheet, const std::string& text) {
    for (const auto& t : sheet.texts)
        if (t.text == text) return &t;
    return nullptr;
}

ui::PaperPage page(const std::string& title, int rows, double gap = 0.7) {
    ui::PaperPage p;
    p.title = title;
    p.continuedTitle = title + ", forts";
    p.headings = {{0, "Namn"}, {30, "Poäng"}};
    for (int i = 1; i <= rows; ++i)
        p.rows.push_back({{{0, "Spelare " + std::to_string(i)}, {30, "1"}}, gap, false});
    return p;
}

TEST(PaperLayout, ColumnsSpreadOverTheWidthInTheirOwnProportionsAtTheBodySize) {
    // Cells at 0, 10 and 30 units; at 10 pt "Namn" is 20 pt wide, "Klubb" 25, "1850" 20.
    // The widest scale that keeps every text inside 400 pt: min((400-25)/10, (400-20)/30) = 12.667,
    // so "Klubb" stands at 126.67 and "1850" at 380, ending exactly at the right edge. Neighbours
    // need only (20+4)/10 = 2.4 and (25+4)/20 = 1.45 pt per unit, so the fonts keep 10 pt.
    ui::PaperReport r;
    ui::PaperPage p;
    p.title = "Deltagarlista";
    p.rows.push_back({{{0, "Namn"}, {10, "Klubb"}, {30, "1850"}}, 1, false});
    r.pages.push_back(p);
    const auto sheets = ui::layOutPaper(r, 400, 800, halfWidth);
    ASSERT_EQ(sheets.size(), 1u);
    const struct {
        const char* text;
        double x;
    } cases[] = {{"Namn", 0}, {"Klubb", 380.0 / 30 * 10}, {"1850", 380}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto* t = find(sheets[0], c.text);
        ASSERT_NE(t, nullptr);
        EXPECT_NEAR(t->x, c.x, 1e-9);
        EXPECT_DOUBLE_EQ(t->points, 10);
        EXPECT_FALSE(t->bold);
    }
    EXPECT_DOUBLE_EQ(find(sheets[0], "Deltagarlista")->points, 16);
    EXPECT_TRUE(find(sheets[0], "Deltagarlista")->bold);
}

TEST(PaperLayout, AColumnTooNarrowForItsTextWidensBeforeAnyFontShrinks) {
    struct Case {
        const char* name;
        double width;
        double points; // body size chosen
        double b;      // where "B" and "C" stand
        double c;
    };
    // A 20-character name at 0, "B" one unit to its right, "C" at 10. At font factor f the name
    // is 100f wide and a gap 4f, so "B" stands at least 104f from the left; "B" is 5f wide, so
    // "C" stands at least 9f after "B"; "C" ends 5f further. At a scale of s points per unit B
    // would stand at s and C at 10s.
    const Case cases[] = {
        // W = 1045: the full spread s = 104 fits: B at 104, C at 1040, ending at 1045.
        {"room enough", 1045, 10, 104, 1040},
        // W = 800: s = 79.5 would put B inside the name; B stays at 104 and C takes the rest
        // of the scale, 104 + 9s + 5 = 800: s = 76.78, C at 795. The fonts keep 10 pt.
        {"widened", 800, 10, 104, 795},
        // W = 100: even side by side, 118f must fit: f = 100/118 = 0.8475, B at 104f = 88.14,
        // C at 113f = 95.76.
        {"shrunk", 100, 1000.0 / 118, 10400.0 / 118, 11300.0 / 118},
        // W = 80 would need f = 0.68: the fonts stop at 0.75, where B and C would stand at 78 and
        // 84.75; everything closes up by (80 - 3.75) / 84.75 so that C still ends at 80.
        {"smallest", 80, 7.5, 78 * 76.25 / 84.75, 76.25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui::PaperReport r;
        ui::PaperPage p;
        p.title = "T";
        p.rows.push_back({{{0, std::string(20, 'A')}, {1, "B"}, {10, "C"}}, 1, false});
        r.pages.push_back(p);
        const auto sheets = ui::layOutPaper(r, c.width, 800, halfWidth);
        ASSERT_EQ(sheets.size(), 1u);
        const auto* b = find(sheets[0], "B");
        const auto* cc = find(sheets[0], "C");
        ASSERT_TRUE(b && cc);
        EXPECT_NEAR(b->points, c.points, 1e-3);
        EXPECT_NEAR(b->x, c.b, 1e-3);
        EXPECT_NEAR(cc->x, c.c, 1e-3);
        EXPECT_LE(cc->x + halfWidth("C", cc->points, false), c.width + 1e-6);
    }
}

TEST(PaperLayout, LongPagesContinueOnFurtherSheetsUnderTheirHeadings) {
    // Sheet 575 pt high. The corner text (8 pt) takes 12.8 pt, the 16 pt title 24, the 10 pt
    // headings 16: rows start at 52.8. Rows are 13 pt apart (the smallest gap, 0.7, is one line)
    // and 10 pt high, so row k fits while 52.8 + 13k + 10 <= 575: k = 0..39, 40 rows a sheet.
    // Three report pages of 50 rows: each takes a full sheet and 10 rows on a second one.
    ui::PaperReport r;
    r.corner = "2001.03.07     19.05.02";
    for (int i = 0; i < 3; ++i)
        r.pages.push_back(page(i == 0 ? "Ställning" : "Ställning, forts", 50));
    r.pages[1].continuedTitle = r.pages[2].continuedTitle = "Ställning, forts";
    const auto sheets = ui::layOutPaper(r, 500, 575, halfWidth);
    ASSERT_EQ(sheets.size(), 6u);
    const struct {
        std::size_t sheet;
        const char* title;
        const char* firstRow;
        const char* lastRow;
    } cases[] = {{0, "Ställning", "Spelare 1", "Spelare 40"},
                 {1, "Ställning, forts", "Spelare 41", "Spelare 50"},
                 {2, "Ställning, forts", "Spelare 1", "Spelare 40"},
                 {5, "Ställning, forts", "Spelare 41", "Spelare 50"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sheet);
        const ui::Sheet& s = sheets[c.sheet];
        ASSERT_NE(find(s, c.title), nullptr);
        ASSERT_NE(find(s, "Namn"), nullptr); // the headings on every sheet
        EXPECT_NE(find(s, r.corner), nullptr);
        const auto* first = find(s, c.firstRow);
        const auto* last = find(s, c.lastRow);
        ASSERT_TRUE(first && last);
        EXPECT_NEAR(first->y, 52.8, 1e-9);
        EXPECT_NEAR(last->y, c.sheet % 2 == 0 ? 52.8 + 39 * 13 : 52.8 + 9 * 13, 1e-9);
        for (const auto& t : s.texts)
            EXPECT_LE(t.y + t.points, 575);
    }
}

TEST(PaperLayout, RowGapsKeepTheirProportionsAndAGroupHeadingStaysWithItsFirstRow) {
    // Boards 0.65 apart with 1.2 after every fifth: 0.65 is one line (13 pt), so 1.2 is
    // 13 * 1.2 / 0.65 = 24 pt.
    ui::PaperReport r;
    ui::PaperPage p;
    p.title = "Lottning";
    for (int b = 1; b <= 7; ++b)
        p.rows.push_back({{{0, "Bord " + std::to_string(b)}}, b == 6 ? 1.2 : 0.65, false});
    r.pages.push_back(p);
    auto sheets = ui::layOutPaper(r, 500, 800, halfWidth);
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_NEAR(find(sheets[0], "Bord 2")->y - find(sheets[0], "Bord 1")->y, 13, 1e-9);
    EXPECT_NEAR(find(sheets[0], "Bord 6")->y - find(sheets[0], "Bord 5")->y, 24, 1e-9);

    // No corner, no headings: rows start under the title at 24. A group heading that would be
    // the last row of a sheet moves to the next sheet with its first player.
    ui::PaperReport g;
    ui::PaperPage gp;
    gp.title = "Grupper";
    for (int i = 1; i <= 3; ++i)
        gp.rows.push_back({{{0, "Spelare " + std::to_string(i)}}, 1, false});
    gp.rows.push_back({{{0, "Grupp 2"}}, 1, true});
    gp.rows.push_back({{{0, "Spelare 4"}}, 1, false});
    g.pages.push_back(gp);
    // Rows at 24, 37, 50; the heading would stand at 63 (ending at 73 <= 80) but its player at
    // 76 would end at 86.
    sheets = ui::layOutPaper(g, 500, 80, halfWidth);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(find(sheets[0], "Grupp 2"), nullptr);
    ASSERT_NE(find(sheets[1], "Grupp 2"), nullptr);
    EXPECT_TRUE(find(sheets[1], "Grupp 2")->bold);
    EXPECT_NE(find(sheets[1], "Spelare 4"), nullptr);
}

TEST(PaperLayout, AReportWithoutRowsStillPrintsItsTitleAndHeadings) {
    ui::PaperReport r;
    r.pages.push_back(page("Tom", 0));
    const auto sheets = ui::layOutPaper(r, 400, 600, halfWidth);
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_NE(find(sheets[0], "Tom"), nullptr);
    EXPECT_NE(find(sheets[0], "Poäng"), nullptr);
}

} // namespace

TEST(PaperLayout, LeadLinesStandUnderTheTitleOfThePagesFirstSheetOnly) {
    // Corner 12.8 pt and title 24 pt: the lead lines start at 36.8, one body line (13 pt) apart,
    // then half a line before the headings: 36.8 + 2 * 13 + 6.5 = 69.3, rows at 69.3 + 16 = 85.3.
    // Row k fits while 85.3 + 13k + 10 <= 575: 37 rows on the first sheet, the rest on the next one
    // under the continued title without the lead, at 52.8 as usual.
    ui::PaperReport r;
    r.corner = "2001.03.07     19.05.02";
    r.pages.push_back(page("Spelarförteckning", 45));
    r.pages[0].lead = {"Inför allsvenska våromgången", "baserade på rankingen 1/1."};
    const auto sheets = ui::layOutPaper(r, 500, 575, halfWidth);
    ASSERT_EQ(sheets.size(), 2u);
    const auto* lead1 = find(sheets[0], "Inför allsvenska våromgången");
    const auto* lead2 = find(sheets[0], "baserade på rankingen 1/1.");
    ASSERT_TRUE(lead1 && lead2);
    EXPECT_NEAR(lead1->y, 36.8, 1e-9);
    EXPECT_NEAR(lead2->y, 49.8, 1e-9);
    const auto* namn = find(sheets[0], "Namn");
    const auto* forsta = find(sheets[0], "Spelare 1");
    const auto* sista = find(sheets[0], "Spelare 37");
    const auto* nasta = find(sheets[1], "Spelare 38");
    ASSERT_TRUE(namn && forsta && sista && nasta);
    EXPECT_NEAR(namn->y, 69.3, 1e-9);
    EXPECT_NEAR(forsta->y, 85.3, 1e-9);
    EXPECT_NEAR(sista->y, 85.3 + 36 * 13, 1e-9);
    EXPECT_EQ(find(sheets[1], "Inför allsvenska våromgången"), nullptr);
    EXPECT_NEAR(nasta->y, 52.8, 1e-9);
}
