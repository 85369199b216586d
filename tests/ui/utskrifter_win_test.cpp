// The report window on real windows: what the screen shows, printing the whole report as one
// job laid out for the paper, and the files it leaves when it closes.
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>

#include "lott/reports/utskrifter_win.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/ui_fixture.h"
#include "ui/detail/paper_print.h"
#include "ui/detail/window_impl.h"

namespace {

using namespace reports;

// Runs a test in a fresh working directory.
class UtskrifterWinTest : public uitest::UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        dir_.emplace();
    }
    void TearDown() override {
        UiTest::TearDown();
        dir_.reset();
    }
    static std::vector<std::string> dump() {
        std::vector<std::string> lines;
        EXPECT_EQ(ui::automation::dump(lines), "");
        return lines;
    }
    int pdfCount() const {
        return QDir(QString::fromStdString(dir_->path().string()))
            .entryList({"print-*.pdf"}, QDir::Files)
            .size();
    }
    // The sheets in a printed PDF.
    static int pdfPages(const QString& name) {
        QFile pdf(name);
        if (!pdf.open(QIODevice::ReadOnly)) return -1;
        return static_cast<int>(
            QString::fromLatin1(pdf.readAll()).count(QRegularExpression("/Type\\s*/Page\\b")));
    }
    std::optional<TempDir> dir_;
};

ReportInput participants(int n) {
    ReportInput in;
    in.vilkpaint = kDeltagare;
    in.tnamn = "Vårcup";
    for (int nr = 1; nr <= n; ++nr) {
        spelarstructtva p;
        p.nr = nr;
        p.namn = "Spelare " + std::to_string(nr);
        p.klubb = "nej";
        in.spelare.push_back(p);
    }
    return in;
}

const ui::automation::ControlRef skrivUt{0, "&Skriv ut", true};

TEST_F(UtskrifterWinTest, FortyFivePlayersPrintAsOneJobOfTwoPagesAndTheWindowCloses) {
    auto* w = new UtskrifterWin(&uitest::mainWindow(), "Utskrift av Deltagare", participants(45));
    w->show();
    // The screen shows every row: stamp, title, headings and 45 players.
    auto lines = dump();
    ASSERT_EQ(lines.size(), 1u + 3 + 45);
    EXPECT_EQ(lines[2], "Deltagarlista Vårcup");
    EXPECT_EQ(lines[3], "Startnummer | Namn | Klubb | Ranking");
    EXPECT_EQ(lines.back(), "45 | Spelare 45");
    EXPECT_EQ(w->pageCount(), 2);

    // The paper: 40 players under the title, 5 under "Deltagarlista, forts".
    const ui::PaperReport paper = w->paperReport();
    ASSERT_EQ(paper.pages.size(), 2u);
    EXPECT_EQ(paper.pages[0].title, "Deltagarlista Vårcup");
    EXPECT_EQ(paper.pages[0].rows.size(), 40u);
    EXPECT_EQ(paper.pages[1].title, "Deltagarlista, forts");
    EXPECT_EQ(paper.pages[1].rows.size(), 5u);
    EXPECT_EQ(paper.pages[1].rows[0].cells[1].text, "Spelare 41");
    EXPECT_EQ(paper.corner, "2001.03.07     19.05.02");
    EXPECT_EQ(paper.fileName, "lottutskrifter/Vårcup_deltagarlista.pdf");

    EXPECT_EQ(ui::automation::menu(skrivUt), "");
    ui::automation::settle();
    EXPECT_EQ(pdfCount(), 1);
    EXPECT_EQ(pdfPages("print-1.pdf"), 2);
    EXPECT_TRUE(QFile::exists("lottutskrifter/Vårcup_deltagarlista.htm"));
    EXPECT_EQ(uitest::recorder().events.back(), "closed Utskrift av Deltagare");
}

ReportInput standings(int players) {
    ReportInput in;
    in.vilkpaint = kStallning;
    in.tnamn = "Stora";
    in.valdrond = 9;
    for (int nr = 1; nr <= players; ++nr) {
        spelarstructc s;
        s.nr = nr;
        s.namn = "Spelare " + std::to_string(nr);
        s.klubb = "Klubb " + std::to_string(nr % 17);
        s.ranking = 1200 + nr;
        s.poang = 9 - nr / 20.0;
        in.stallning.push_back(s);
    }
    return in;
}

TEST_F(UtskrifterWinTest, AHundredAndTwentyPlayerStandingsPrintInOneJobAtTenPointInsideTheMargins) {
    auto* w = new UtskrifterWin(&uitest::mainWindow(), "Utskrift av Ställningen", standings(120));
    w->show();
    const ui::PaperReport paper = w->paperReport();
    // 50 rows a page: 50, 50, 20.
    ASSERT_EQ(paper.pages.size(), 3u);
    EXPECT_EQ(paper.pages[2].rows.size(), 20u);

    // On A4 every page fits one sheet: body rows at 10 pt, headings and rows inside the
    // printable area, which lies at least 20 mm from every edge.
    QPrinter a4(QPrinter::HighResolution);
    a4.setOutputFormat(QPrinter::PdfFormat);
    a4.setPageSize(QPageSize(QPageSize::A4));
    a4.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    const auto sheets = ui::detail::sheetsFor(paper, a4);
    ASSERT_EQ(sheets.size(), 3u);
    const QMarginsF m = a4.pageLayout().margins(QPageLayout::Millimeter);
    EXPECT_GE(std::min({m.left(), m.top(), m.right(), m.bottom()}), 20);
    const QRectF area = a4.pageLayout().paintRect(QPageLayout::Point);
    for (const auto& sheet : sheets) {
        int body = 0;
        for (const auto& t : sheet.texts) {
            SCOPED_TRACE(t.text);
            EXPECT_GE(t.x, 0);
            EXPECT_LE(t.y + t.points, area.height());
            if (!t.bold && t.points != 8) {
                EXPECT_DOUBLE_EQ(t.points, 10);
                ++body;
            }
        }
        EXPECT_GT(body, 0);
    }

    EXPECT_EQ(ui::automation::menu(skrivUt), "");
    ui::automation::settle();
    EXPECT_EQ(pdfCount(), 1);
    EXPECT_EQ(pdfPages("print-1.pdf"), 3);
    EXPECT_TRUE(QFile::exists("lottutskrifter/Stora_stallning.htm"));
}

TEST_F(UtskrifterWinTest, ThePrintoutDoesNotDependOnTheSizeOfTheWindow) {
    // The same standings printed from a window as wide as a 1920-pixel screen's and from one of
    // 800 pixels: the PDFs are the same but for their creation time.
    QString printed[2];
    const int widths[2] = {1824, 760};
    for (int i = 0; i < 2; ++i) {
        auto* w = new UtskrifterWin(&uitest::mainWindow(), "Utskrift av Ställningen", standings(60));
        w->place(10, 10, widths[i], widths[i] * 9 / 16);
        w->show();
        EXPECT_EQ(ui::automation::menu(skrivUt), "");
        ui::automation::settle();
        QFile pdf(QString("print-%1.pdf").arg(i + 1));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        printed[i] =
            QString::fromLatin1(pdf.readAll()).remove(QRegularExpression("/CreationDate \\([^)]*\\)"));
    }
    EXPECT_GT(printed[0].size(), 1000);
    EXPECT_EQ(printed[0], printed[1]);
}

// Every kind with every column it can have, on a club's usual data: names and clubs of 15 to 20
// characters, ratings with changes, Elo and titles, prizes, points with unfinished games,
// withdrawn players, and 7 rounds of games with rating changes in the cross table.
ReportInput widest(int vilkpaint, int pstallningval) {
    ReportInput in;
    in.vilkpaint = vilkpaint;
    in.pstallningval = pstallningval;
    in.pengarfinns = true;
    in.medstartnummer = 1;
    in.tnamn = "Klubbmästerskapet i långschack";
    in.valdrond = 7;
    in.grupper.antalgr = 2;
    in.grupper.spelarepergr = 10;
    in.grupper.rpris = 500;
    for (int nr = 1; nr <= 20; ++nr) {
        spelarstructtva p;
        p.nr = nr;
        p.namn = "Kristina Lindström " + std::to_string(nr);
        p.klubb = "Västerås SK";
        p.ranking = 1999 + nr;
        in.spelare.push_back(p);
        spelarstructc s;
        s.nr = nr;
        s.namn = p.namn;
        s.klubb = p.klubb;
        s.ranking = p.ranking;
        s.rankingandring = -123.4;
        s.elo = 2345;
        s.titel = "WFM";
        s.utgatt = nr % 7 == 0;
        s.poang = 10.5;
        s.antalvita = 2;
        s.kvalitet = 123.25;
        s.rankinggrupp = nr <= 10 ? 1 : 2;
        s.pris = 12500;
        in.stallning.push_back(s);
    }
    for (int r = 1; r <= 7; ++r)
        for (int b = 0; b < 10; ++b) {
            partistruct g;
            g.rond = r;
            g.bord = b + 1;
            g.vit = 2 * b + 1;
            g.svart = 2 * b + 2;
            g.resultat = 1 + (r + b) % 3;
            in.partier.push_back(g);
        }
    return in;
}

TEST_F(UtskrifterWinTest, EveryKindShowsEveryColumnInTheWindowOfASmallScreen) {
    // The windows of an 800x600 and a 1024x768 screen (19/20 by 17/20 of them): no kind needs a
    // horizontal scroll bar, but for the cross table of the final report on the smaller screen
    // (seven cells 8.5 column units apart), which would have to shrink below 10 pixels and
    // scrolls instead.
    const struct {
        int kind;
        int variant;
    } kinds[] = {{kDeltagare, 0}, {kLottning, 0},       {kStallning, 0},    {kStallning, 1},  {kStallning, 2},
                 {kResultat, 0},  {kRankinggrupper, 0}, {kEgenKategori, 0}, {kSlutrapport, 0}};
    const int sizes[][2] = {{760, 510}, {972, 652}};
    for (const auto& k : kinds)
        for (const auto& size : sizes) {
            if (k.kind == kSlutrapport && size[0] == 760) continue;
            SCOPED_TRACE(std::to_string(k.kind) + "/" + std::to_string(k.variant) + " at " +
                         std::to_string(size[0]));
            auto* w = new UtskrifterWin(&uitest::mainWindow(), "Utskrift", widest(k.kind, k.variant));
            w->place(10, 10, size[0], size[1]);
            w->show();
            ui::automation::settle();
            auto* area = w->impl().widget->findChild<QScrollArea*>();
            ASSERT_NE(area, nullptr);
            EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
            w->close();
            ui::automation::settle();
        }
}

TEST_F(UtskrifterWinTest, ClosingWritesTheFilesAndFreesTheCommand) {
    ReportInput in = participants(3);
    in.vilkpaint = kSlutrapport;
    in.valdrond = 0;
    for (const auto& p : in.spelare) {
        spelarstructc s;
        s.nr = p.nr;
        s.namn = p.namn;
        s.klubb = p.klubb;
        in.stallning.push_back(s);
    }
    QFile stangt("STANGT");
    ASSERT_TRUE(stangt.open(QIODevice::WriteOnly));
    stangt.write("1");
    stangt.close();
    auto* w = new UtskrifterWin(&uitest::mainWindow(), "Utskrift av Slutrapport", in);
    w->show();
    ASSERT_TRUE(stangt.open(QIODevice::ReadOnly));
    EXPECT_EQ(stangt.readAll(), "0"); // the report window does not hold the command open
    stangt.close();
    EXPECT_FALSE(QFile::exists("lottutskrifter/Vårcup.htm"));
    EXPECT_EQ(ui::automation::menu({0, "Stäng fönster", true}), "");
    ui::automation::settle(); // the window is gone now
    EXPECT_EQ(uitest::recorder().events.back(), "closed Utskrift av Slutrapport");
    EXPECT_TRUE(QFile::exists("lottutskrifter/Vårcup.htm"));
    QFile text("lottutskrifter/Vårcup.txt");
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_EQ(text.readAll(), "0\n1.#Spelare 1#nej##0#0\n2.#Spelare 2#nej##0#0\n3.#Spelare 3#nej##0#0\n");
}

} // namespace
