#include "lott/reports/utskrifter_win.h"

#include <algorithm>

#include "lott/kommando.h"
#include "lott/reports/html_report.h"
#include "lott/reports/number_format.h"
#include "lott/reports/report_data.h"
#include "lott/reports/text_fit.h"
#include "store/filenames.h"
#include "store/files.h"
#include "ui/app.h"

namespace {

const ui::MenuResource& menuAlternativ() {
    static const ui::MenuResource menu{
        "UTSKRIFT",
        {{"&Alternativ",
          {{UtskrifterWin::CM_SKRIVUT, "&Skriv ut", "Skriver ut hela rapporten"},
           {UtskrifterWin::CM_FORHANDSGRANSKA, "&Förhandsgranska", "Visar sidorna som de skrivs ut"},
           {UtskrifterWin::CM_SIDINSTALLNINGAR, "Sidinställningar", ""},
           {UtskrifterWin::CM_STANG, "Stäng fönster", ""}}}}};
    return menu;
}

// Scroll steps of the client area, in pixels.
constexpr int kScrollX = 7;
constexpr int kScrollY = 16;

std::vector<ui::PaperText> paperTexts(const std::vector<reports::Cell>& cells) {
    std::vector<ui::PaperText> texts;
    for (const auto& c : cells)
        texts.push_back({c.x, c.text});
    return texts;
}

// The report's pages as they go on paper: the same titles, headings, rows and columns.
ui::PaperReport paperPages(const reports::ReportContent& c) {
    ui::PaperReport paper;
    for (std::size_t p = 0; p < c.pages.size(); ++p) {
        ui::PaperPage page;
        page.title = p == 0 ? c.title : c.fortsTitle;
        page.continuedTitle = c.fortsTitle;
        page.headings = paperTexts(c.headings);
        for (std::size_t r = c.pages[p].begin; r < c.pages[p].end; ++r)
            page.rows.push_back({paperTexts(c.rows[r].cells), c.rows[r].gap, c.rows[r].heading});
        paper.pages.push_back(std::move(page));
    }
    return paper;
}

} // namespace

UtskrifterWin::UtskrifterWin(ui::Window* parent, const std::string& caption, reports::ReportInput input)
    : ui::ReportWindow(parent, caption, menuAlternativ()), input_(std::move(input)), stamp_(reports::dochtNow()) {
    const int sw = ui::screenWidth();
    const int sh = ui::screenHeight();
    const int width = sw * 19 / 20;
    const int height = sh * 17 / 20;
    place(sw / 20, sh / 20, width, height);

    // "FONTS" holds "1" for the standard font; anything else follows the screen width.
    const bool standardFont = store::touchAndReadText(store::fil::FONTS) == "1";
    screenBand_ = reports::bandForScreen(sw, standardFont);

    // Every kind scrolls as far as it is drawn (the window measures that itself), at least over
    // the range of the original scroller.
    setScroller(kScrollX, kScrollY, 80, 180);

    if (input_.vilkpaint != reports::kEgenKategori) kommando::stang();

    onCommand(CM_SKRIVUT, [this] { CmFilePrint(); });
    onCommand(CM_FORHANDSGRANSKA, [this] { CmFilePrintPreview(); });
    onCommand(CM_SIDINSTALLNINGAR, [this] { CmFilePageSetup(); });
    onCommand(CM_STANG, [this] { close(); });
}

UtskrifterWin* UtskrifterWin::open(ui::Window* parent, const LottState& state, const std::string& caption,
                                   const std::string& kategori) {
    auto* win = new UtskrifterWin(parent, caption, reports::reportInput(state, kategori));
    win->show();
    return win;
}

const reports::ReportContent& UtskrifterWin::content(reports::Band band) {
    auto& slot = contents_[static_cast<int>(band)];
    if (!slot) slot = reports::reportContent(input_, band);
    return *slot;
}

int UtskrifterWin::pageCount() {
    return static_cast<int>(content(screenBand_).pages.size());
}

void UtskrifterWin::paint(ui::Canvas& canvas) {
    draw(canvas, screenBand_);
}

void UtskrifterWin::draw(ui::Canvas& canvas, reports::Band band) {
    const reports::DrawnPage d = reports::layoutPage(content(band), -1, band);
    const double u = canvas.height() / 50;       // column unit
    const double lineUnit = canvas.width() / 30; // line unit
    // Close columns keep their places; the font of headings and rows shrinks until no text runs
    // into its neighbour. The title (the first text) stands alone.
    const double fit = reports::textFit(
        d, u, [&canvas](const std::string& text, int height) { return canvas.textWidth(text, height); });
    double right = 0; // where the report ends on the right
    for (std::size_t i = 0; i < d.texts.size(); ++i) {
        const auto& t = d.texts[i];
        double height = t.height * fit;
        double width = canvas.textWidth(t.text, height);
        if (i == 0) { // the title: its own size, smaller only where it would run out of the window
            const double room = canvas.width() - t.x * u - u;
            if (width > room && room > 0) {
                height *= room / width;
                width = room;
            }
        }
        canvas.text(t.x * u, t.y * lineUnit, t.text, height);
        right = std::max(right, t.x * u + width);
    }

    // The date stamp at the top right of the report, above the title.
    const double h = reports::headingHeight(band);
    canvas.text(std::max(0.0, right - canvas.textWidth(stamp_, h)), 0.3 * lineUnit, stamp_, h);
}

ui::PaperReport UtskrifterWin::paperReport() {
    // Paper takes the small band's texts: the full headings ("Kvalitet", not "Kval.").
    ui::PaperReport paper = paperPages(content(reports::Band::Small));
    paper.corner = stamp_;
    paper.fileName = reports::printPath(store::fil::LOTTUTSKRIFTER, input_);
    return paper;
}

void UtskrifterWin::CmFilePrint() {
    if (print()) close(); // cancelled: the window stays as it was
}

void UtskrifterWin::CmFilePrintPreview() {
    if (printPreview()) close();
}

void UtskrifterWin::CmFilePageSetup() {
    ui::printerSetup(this);
}

void UtskrifterWin::onDestroy() {
    reports::writeReportFiles(input_);
}
