// The report window on real windows: what the screen shows before and after printing, printing
// page by page until the window closes itself, and the files it leaves when it closes.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "lott/reports/utskrifter_win.h"
#include "tests/ui/ui_fixture.h"

namespace {

using namespace reports;

// Runs a test in a fresh working directory.
class UtskrifterWinTest : public uitest::UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        before_ = QDir::currentPath();
        QDir::setCurrent(tmp_.path());
    }
    void TearDown() override {
        UiTest::TearDown();
        QDir::setCurrent(before_);
    }
    static std::vector<std::string> dump() {
        std::vector<std::string> lines;
        EXPECT_EQ(ui::automation::dump(lines), "");
        return lines;
    }
    int pdfCount() const { return QDir(tmp_.path()).entryList({"print-*.pdf"}, QDir::Files).size(); }
    QTemporaryDir tmp_;
    QString before_;
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

TEST_F(UtskrifterWinTest, FortyFivePlayersPrintAsTwoPagesAndTheWindowClosesAfterTheLast) {
    auto* w = new UtskrifterWin(&uitest::mainWindow(), "Utskrift av Deltagare", participants(45));
    w->show();
    // Before printing the screen shows every row: stamp, title, headings and 45 players.
    auto lines = dump();
    ASSERT_EQ(lines.size(), 1u + 3 + 45);
    EXPECT_EQ(lines[2], "Deltagarlista Vårcup");
    EXPECT_EQ(lines[3], "Startnummer | Namn | Klubb | Ranking");
    EXPECT_EQ(lines.back(), "45 | Spelare 45");
    EXPECT_EQ(w->pageCount(), 2);

    EXPECT_EQ(ui::automation::menu(skrivUt), "");
    EXPECT_EQ(pdfCount(), 1);
    ASSERT_TRUE(w->isOpen());
    EXPECT_TRUE(w->skrivare());
    // From the first print on the screen shows the next page to print.
    lines = dump();
    ASSERT_EQ(lines.size(), 1u + 3 + 5);
    EXPECT_EQ(lines[2], "Deltagarlista, forts");
    EXPECT_EQ(lines[4], "41 | Spelare 41");

    EXPECT_EQ(ui::automation::menu(skrivUt), "");
    ui::automation::settle();
    EXPECT_EQ(pdfCount(), 2);
    EXPECT_TRUE(QFile::exists("lottutskrifter/Vårcup_deltagarlista.htm"));
    EXPECT_EQ(uitest::recorder().events.back(), "closed Utskrift av Deltagare");
}

TEST_F(UtskrifterWinTest, TwentyThreePagesOfStandingsPrintOneAfterTheOther) {
    ReportInput in;
    in.vilkpaint = kStallning;
    in.tnamn = "Stora";
    in.valdrond = 9;
    for (int nr = 1; nr <= 23 * 50; ++nr) {
        spelarstructc s;
        s.nr = nr;
        s.namn = "Spelare " + std::to_string(nr);
        s.poang = 9 - nr / 200.0;
        in.stallning.push_back(s);
    }
    auto* w = new UtskrifterWin(&uitest::mainWindow(), "Utskrift av Ställningen", in);
    w->show();
    ASSERT_EQ(w->pageCount(), 23);
    for (int page = 1; page <= 23; ++page) {
        ASSERT_TRUE(w->isOpen()) << page;
        EXPECT_EQ(w->nextPage(), page - 1);
        EXPECT_EQ(ui::automation::menu(skrivUt), "");
        if (page == 22) {
            const auto lines = dump();
            EXPECT_EQ(lines[2], "Ställning Stora rond 9, forts");
            EXPECT_EQ(lines.size(), 1u + 3 + 50);
            EXPECT_EQ(lines[4].substr(0, 9), "1101 | 11"); // place 1101, start number 1101
        }
    }
    ui::automation::settle();
    EXPECT_EQ(pdfCount(), 23);
    EXPECT_TRUE(QFile::exists("lottutskrifter/Stora_stallning.htm"));
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
