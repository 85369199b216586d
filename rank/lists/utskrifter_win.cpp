#include "rank/lists/utskrifter_win.h"

#include <algorithm>
#include <cmath>

#include "rank/lists/listor.h"
#include "rank/rating/rank_records.h"
#include "resources/rank/menu.h"
#include "store/files.h"
#include "ui/app.h"

using namespace rankres;

namespace rank {

namespace {

const char* rubrik(Listslag slag) {
    switch (slag) {
    case Listslag::Ssflista:
        return "SSF:lista";
    case Listslag::Rapport:
        return "Rankingrapport";
    default:
        return "Rankinglista";
    }
}

// Scroll steps of the client area, in pixels.
constexpr int kScrollX = 8;
constexpr int kScrollY = 16;
// The vertical scroll bar and the frame take this much of the window's width.
constexpr int kScrollbarOchRam = 24;

} // namespace

UtskrifterWin::UtskrifterWin(ui::Window* parent, Listslag slag, Listinnehall lista)
    : ui::ReportWindow(parent, rubrik(slag), listMenu()), slag_(slag), lista_(std::move(lista)) {
    const int sw = ui::screenWidth();
    const int sh = ui::screenHeight();
    const int bredd = sw * 19 / 20;
    const int hojd = sh * 17 / 20;
    place(sw / 20, sh / 20, bredd, hojd);

    // Only "1" in "FONT.DAT" lets a wide screen use its larger sizes.
    const bool storre = store::touchAndReadText(fil::FONT) == "1";
    const std::size_t litenFranOch = slag == Listslag::Rapport ? 24 : 50;
    skarm_ = skarmtypsnitt(breddklass(sw, storre), lista_.rader.size(), litenFranOch);
    if (slag == Listslag::Ssflista) ssfSidor_ = ssfSidor(lista_.rader.size());

    // The screen shows every row; it scrolls when they reach below the window.
    const Sida allt = layoutSida(lista_, {0, lista_.rader.size()}, false, bredd, skarm_);
    const int yRange = static_cast<int>(std::ceil(allt.botten / kScrollY)) + 2;
    // As wide as the client area beside the vertical scroll bar, unless a long text reaches further
    // (text widths estimated from the font height).
    double hogerkant = bredd - kScrollbarOchRam;
    for (const Placerad& p : allt.texter)
        if (!p.hoger)
            hogerkant = std::max(hogerkant, p.x + 0.6 * p.hojd * static_cast<double>(p.text.size()));
    setScroller(kScrollX, kScrollY, static_cast<int>(std::ceil(hogerkant / kScrollX)),
                std::max(yRange, hojd / kScrollY));

    setPrintTitle(slag == Listslag::Rapport ? "Rankingrapport" : "Utskrifter");
    onCommand(CM_SKRIVUT, [this] { CmFilePrint(); });
    onCommand(CM_SIDINSTALLNING, [this] { CmFilePageSetup(); });
    onCommand(CM_STANGFONSTER, [this] { close(); });
}

UtskrifterWin* UtskrifterWin::oppna(ui::Window* parent, Listslag slag, Listinnehall lista) {
    auto* w = new UtskrifterWin(parent, slag, std::move(lista));
    w->show();
    return w;
}

std::size_t UtskrifterWin::poster() const {
    return nastaSsfSida_ < ssfSidor_.size() ? ssfSidor_[nastaSsfSida_].fran : lista_.rader.size();
}

void UtskrifterWin::rita(ui::Canvas& canvas, const Sida& sida) {
    for (const Placerad& p : sida.texter) {
        const double x = p.hoger ? p.x - canvas.textWidth(p.text, p.hojd) : p.x;
        canvas.text(x, p.y, p.text, p.hojd, p.fet);
    }
}

void UtskrifterWin::paint(ui::Canvas& canvas) {
    if (!canvas.printing()) {
        rita(canvas, layoutSida(lista_, {0, lista_.rader.size()}, false, canvas.width(), skarm_));
        return;
    }
    // On paper the list is laid out for a portrait sheet, whatever the window's shape.
    const std::size_t sida = static_cast<std::size_t>(std::max(1, canvas.page())) - 1;
    if (sida >= utskrift_.size()) return;
    const bool forts = slag_ == Listslag::Ssflista ? nastaSsfSida_ > 0 : sida > 0;
    rita(canvas, layoutSida(lista_, utskrift_[sida], forts, canvas.width(), papperstypsnitt(canvas.width())));
}

void UtskrifterWin::CmFilePrint() {
    if (slag_ != Listslag::Ssflista) {
        utskrift_ = papperssidor(lista_, 1000); // the paper layout scales with the width
        print(static_cast<int>(utskrift_.size()));
        return;
    }
    // The federation list prints a page a time: 40 rows, then 50 a page, every row once.
    if (nastaSsfSida_ < ssfSidor_.size()) {
        utskrift_ = {ssfSidor_[nastaSsfSida_]};
        if (!print(1)) return; // cancelled: the same page next time
        ++nastaSsfSida_;
    }
    if (nastaSsfSida_ >= ssfSidor_.size()) close();
}

void UtskrifterWin::CmFilePageSetup() {
    ui::printerSetup(this);
}

} // namespace rank
