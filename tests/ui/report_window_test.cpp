// Report windows: one paint routine for the screen and the dump, the paper report for printing,
// and a drawing that shrinks to a narrow window.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>

#include "tests/support/temp_dir.h"
#include "tests/ui/ui_fixture.h"
#include "ui/detail/paper_print.h"
#include "ui/detail/window_impl.h"
#include "ui/report_window.h"

namespace {

const ui::MenuResource& reportMenu() {
    static const ui::MenuResource m{"REPORT",
                                    {{"&Alternativ", {{20, "&Skriv ut", ""}, {21, "Stäng fönster", ""}}}}};
    return m;
}

// Draws three rows on the screen; prints two pages.
class Lista : public ui::ReportWindow {
  public:
    explicit Lista(double reach = 300)
        : ReportWindow(&uitest::mainWindow(), "Utskrift", reportMenu()), reach_(reach) {
        place(10, 10, 600, 400);
        onCommand(20, [this] { printed = print(); });
        onCommand(21, [this] { close(); });
    }
    bool printed = false;
    void paint(ui::Canvas& c) override {
        EXPECT_DOUBLE_EQ(c.width(), 600);
        EXPECT_DOUBLE_EQ(c.height(), 400);
        EXPECT_FALSE(c.printing());
        c.text(reach_, 40.2, "höger", 16);
        c.text(10, 40, "vänster", 16);
        c.text(10, 20, "Rubrik", 34, true);
        EXPECT_GT(c.textWidth("Rubrik", 34), c.textWidth("Rubrik", 16));
    }
    ui::PaperReport paperReport() override {
        ui::PaperReport r;
        for (int page = 1; page <= 2; ++page) {
            ui::PaperPage p;
            p.title = "sida " + std::to_string(page);
            p.rows.push_back({{{0, "vänster"}, {10, "höger"}}, 1, false});
            r.pages.push_back(p);
        }
        return r;
    }

  private:
    double reach_;
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

TEST_F(ReportWindowTest, PrintingUnderAutomationWritesOneJobWithEveryPage) {
    const TempDir tmp;
    const QString dir = QString::fromStdString(tmp.path().string());
    auto* w = new Lista();
    w->show();
    EXPECT_EQ(ui::automation::menu({20, "", false}), "");
    EXPECT_TRUE(w->printed);
    QStringList pdfs = QDir(dir).entryList({"print-*.pdf"}, QDir::Files, QDir::Name);
    ASSERT_EQ(pdfs.size(), 1);
    QFile pdf(dir + "/" + pdfs[0]);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    // Two sheets in the one file.
    EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page\\b")), 2);
    w->close();
}

TEST_F(ReportWindowTest, ThePreviewShowsTheSheetsThatArePrinted) {
    auto* w = new Lista();
    w->show();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const auto preview = ui::detail::makePreview(w->paperReport(), printer, nullptr);
    preview->show();
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(pages, nullptr);
    pages->updatePreview();
    EXPECT_EQ(pages->pageCount(), 2);
    preview->close();
    w->close();
}

TEST_F(ReportWindowTest, PrintToFileProposesTheReportsOwnPdfInTheReportFolder) {
    const TempDir tmp;
    ui::PaperReport report = Lista().paperReport();
    report.fileName = "lottutskrifter/Vårcup_stallning.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageRanges(QPageRanges::fromString("2"));
    QPrintDialog dialog(&printer);
    ui::detail::preparePrintDialog(dialog, printer, report);
    const QString folder = QString::fromStdString(tmp.path().string()) + "/lottutskrifter";
    EXPECT_TRUE(QDir(folder).exists()); // the folder is there for the file to go to
    auto* field = dialog.findChild<QLineEdit*>("filename");
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), folder + "/Vårcup_stallning.pdf");
    EXPECT_EQ(printer.docName(), "Vårcup_stallning");
    // Every sheet, whatever the last job chose: the range runs over the report's two sheets.
    EXPECT_TRUE(printer.pageRanges().isEmpty());
    EXPECT_EQ(dialog.minPage(), 1);
    EXPECT_EQ(dialog.maxPage(), 2);
}

TEST_F(ReportWindowTest, ThePrintDialogsPageRangeChoosesTheSheets) {
    const TempDir tmp;
    const ui::PaperReport report = Lista().paperReport();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("range.pdf");
    printer.setPrintRange(QPrinter::PageRange);
    printer.setPageRanges(QPageRanges::fromString("2"));
    ui::detail::printPaper(report, printer);
    QFile pdf("range.pdf");
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(pdf.readAll());
    EXPECT_EQ(text.count(QRegularExpression("/Type\\s*/Page\\b")), 1);
}

// The horizontal scroll range of a report window's client area.
int horizontalScroll(ui::ReportWindow& w) {
    auto* area = w.impl().widget->findChild<QScrollArea*>();
    return area ? area->horizontalScrollBar()->maximum() : -1;
}

TEST_F(ReportWindowTest, ADrawingWiderThanTheWindowShrinksToItUnlessItWouldBecomeUnreadable) {
    // The window is 600 pixels wide. Texts of 16 pixels never shrink below 11 pixels, a factor
    // of 0.69: a drawing reaching 800 pixels shrinks into the window (0.75), one reaching 3000
    // would need 0.2 and scrolls instead.
    const struct {
        double reach;
        bool scrolls;
    } cases[] = {{800, false}, {3000, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reach);
        auto* w = new Lista(c.reach);
        w->show();
        ui::automation::settle();
        if (c.scrolls)
            EXPECT_GT(horizontalScroll(*w), 0);
        else
            EXPECT_EQ(horizontalScroll(*w), 0);
        // The dump is the drawing in the window's own units, whatever the window shows.
        std::vector<std::string> lines;
        ASSERT_EQ(ui::automation::dump(lines), "");
        EXPECT_EQ(lines.back(), "vänster | höger");
        w->close();
        ui::automation::settle();
    }
}

} // namespace
