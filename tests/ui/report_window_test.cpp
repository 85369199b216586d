// Report windows: one paint routine for screen, dump and printed pages.
#include <QDir>
#include <QFile>

#include "tests/support/temp_dir.h"
#include "tests/ui/ui_fixture.h"
#include "ui/report_window.h"

namespace {

const ui::MenuResource& reportMenu() {
    static const ui::MenuResource m{"REPORT",
                                    {{"&Alternativ", {{20, "&Skriv ut", ""}, {21, "Stäng fönster", ""}}}}};
    return m;
}

// Draws three rows; a printed page shows only the page's own row.
class Lista : public ui::ReportWindow {
  public:
    Lista() : ReportWindow(&uitest::mainWindow(), "Utskrift", reportMenu()) {
        place(10, 10, 600, 400);
        onCommand(20, [this] { print(2); });
        onCommand(21, [this] { close(); });
    }
    std::vector<std::pair<bool, int>> painted;
    void paint(ui::Canvas& c) override {
        painted.emplace_back(c.printing(), c.page());
        EXPECT_DOUBLE_EQ(c.width(), 600);
        EXPECT_DOUBLE_EQ(c.height(), 400);
        if (c.printing()) {
            c.text(10, 10, "sida " + std::to_string(c.page()), 16);
            return;
        }
        c.text(300, 40.2, "höger", 16);
        c.text(10, 40, "vänster", 16);
        c.text(10, 20, "Rubrik", 34, true);
        EXPECT_GT(c.textWidth("Rubrik", 34), c.textWidth("Rubrik", 16));
    }
};

class ReportWindowTest : public uitest::UiTest {};

TEST_F(ReportWindowTest, DumpJoinsTextsOfARowLeftToRight) {
    auto* w = new Lista();
    w->show();
    std::vector<std::string> lines;
    ASSERT_EQ(ui::automation::dump(lines), "");
    EXPECT_EQ(lines, (std::vector<std::string>{"dump \"Utskrift\"", "Rubrik", "vänster | höger"}));
    // The active window's own menu takes the command, not the main window's.
    EXPECT_NE(ui::automation::menu({10, "", false}), "");
    EXPECT_EQ(ui::automation::menu({0, "Stäng fönster", true}), "");
    EXPECT_FALSE(w->isOpen());
}

TEST_F(ReportWindowTest, PrintingUnderAutomationWritesOnePdfPerPage) {
    const TempDir tmp;
    const QString dir = QString::fromStdString(tmp.path().string());
    auto* w = new Lista();
    w->show();
    EXPECT_EQ(ui::automation::menu({20, "", false}), "");
    ASSERT_GE(w->painted.size(), 2u);
    const auto n = w->painted.size();
    EXPECT_EQ(w->painted[n - 2], (std::pair<bool, int>{true, 1}));
    EXPECT_EQ(w->painted[n - 1], (std::pair<bool, int>{true, 2}));
    QStringList pdfs = QDir(dir).entryList({"print-*.pdf"}, QDir::Files, QDir::Name);
    ASSERT_EQ(pdfs.size(), 2);
    QFile first(dir + "/" + pdfs[0]);
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_TRUE(first.read(5) == "%PDF-");
}

} // namespace
