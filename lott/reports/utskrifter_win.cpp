#include "lott/reports/utskrifter_win.h"

#include <algorithm>
#include <cmath>

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
    static const ui::MenuResource menu{"UTSKRIFT",
                                       {{"&Alternativ",
                                         {{UtskrifterWin::CM_SKRIVUT, "&Skriv ut", "Skriver ut nästa sida"},
                                          {UtskrifterWin::CM_SIDINSTALLNINGAR, "Sidinställningar", ""},
                                          {UtskrifterWin::CM_STANG, "Stäng fönster", ""}}}}};
    return menu;
}

// Scroll steps of the client area, in pixels.
constexpr int kScrollX = 7;
constexpr int kScrollY = 16;

// A printed page may reach this many window widths down the paper (a portrait page with its
// margins); a page of rows that reaches further is shrunk to fit.
constexpr double kPageHeightInWidths = 1.3;

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

    // Every kind scrolls, so that no row of a long report is out of reach on the screen.
    const reports::DrawnPage all = reports::layoutPage(content(screenBand_), -1, screenBand_);
    const double lineUnit = width / 30.0;
    const double columnUnit = height / 50.0;
    double right = width;
    for (const auto& t : all.texts) // text widths estimated from the font height
        right = std::max(right, t.x * columnUnit + 0.6 * t.height * static_cast<double>(t.text.size()));
    const int xRange = static_cast<int>(std::ceil(right / kScrollX)) + 2;
    const int yRange = std::max(180, static_cast<int>(std::ceil(all.bottom * lineUnit / kScrollY)) + 2);
    setScroller(kScrollX, kScrollY, xRange, yRange);

    if (input_.vilkpaint != reports::kEgenKategori) kommando::stang();

    onCommand(CM_SKRIVUT, [this] { CmFilePrint(); });
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

int UtskrifterWin::pageCount() const {
    // Page ranges do not depend on the band; any built content tells the count.
    for (const auto& c : contents_)
        if (c) return static_cast<int>(c->pages.size());
    return 1;
}

void UtskrifterWin::paint(ui::Canvas& canvas) {
    if (canvas.printing())
        draw(canvas, reports::Band::Small, page_);
    else
        draw(canvas, screenBand_, skrivare_ ? page_ : -1);
}

void UtskrifterWin::draw(ui::Canvas& canvas, reports::Band band, int page) {
    const reports::DrawnPage d = reports::layoutPage(content(band), page, band);
    const double u = canvas.height() / 50;       // column unit
    const double lineUnit = canvas.width() / 30; // line unit
    // The printout scales the window's width to the paper's; the rows of a page run down the
    // paper below the window's own height. A page that would run off the paper, below or to the
    // right (a narrow screen gives a narrow window), is shrunk to fit.
    double scale = 1;
    if (canvas.printing()) {
        const double room = kPageHeightInWidths * canvas.width();
        if (d.bottom * lineUnit > room) scale = room / (d.bottom * lineUnit);
        double right = 0;
        for (const auto& t : d.texts)
            right = std::max(right, t.x * u + canvas.textWidth(t.text, t.height));
        if (right * scale > canvas.width()) scale = canvas.width() / right;
    }
    // Close columns keep their places; the font of headings and rows shrinks until no text runs
    // into its neighbour. The title (the first text) stands alone and keeps its size.
    const double fit = reports::textFit(
        d, u, [&canvas](const std::string& text, int height) { return canvas.textWidth(text, height); });
    for (std::size_t i = 0; i < d.texts.size(); ++i) {
        const auto& t = d.texts[i];
        canvas.text(t.x * u * scale, t.y * lineUnit * scale, t.text, t.height * scale * (i == 0 ? 1 : fit));
    }

    // The date stamp at the top right, above the title.
    const double h = reports::headingHeight(band) * scale;
    canvas.text(canvas.width() - canvas.textWidth(stamp_, h) - 2 * u * scale, 0.3 * lineUnit * scale, stamp_,
                h);
}

void UtskrifterWin::CmFilePrint() {
    if (page_ < pageCount()) {
        if (!print(1)) return; // cancelled: the same page again next time
        skrivare_ = true;
        ++page_;
        repaint();
    }
    if (page_ >= pageCount()) close();
}

void UtskrifterWin::CmFilePageSetup() {
    ui::printerSetup(this);
}

void UtskrifterWin::onDestroy() {
    reports::writeReportFiles(input_);
}
