#include "rank/lists/utskrifter_win.h"

#include <algorithm>
#include <cmath>

#include "rank/lists/listor.h"
#include "rank/rating/rank_records.h"
#include "resources/rank/menu.h"
#include "store/files.h"
#include "store/safe_name.h"
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

    onCommand(CM_SKRIVUT, [this] { CmFilePrint(); });
    onCommand(CM_FORHANDSGRANSKA, [this] { CmFilePrintPreview(); });
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

void UtskrifterWin::paint(ui::Canvas& canvas) {
    const Sida sida = layoutSida(lista_, {0, lista_.rader.size()}, false, canvas.width(), skarm_);
    for (const Placerad& p : sida.texter) {
        const double x = p.hoger ? p.x - canvas.textWidth(p.text, p.hojd) : p.x;
        canvas.text(x, p.y, p.text, p.hojd, p.fet);
    }
}

ui::PaperReport UtskrifterWin::pappersrapport(const Listinnehall& lista, Listslag slag, Sidintervall rader,
                                              bool forts) {
    // Column positions are fractions of the width; the paper keeps their proportions.
    const auto texter = [](const std::vector<Falt>& falt) {
        std::vector<ui::PaperText> ut;
        for (const Falt& f : falt)
            ut.push_back({f.x * 1000, f.text});
        return ut;
    };
    const auto rubrikAv = [](const std::vector<Rad>& huvud) {
        for (const Rad& r : huvud)
            if (r.stil == Stil::Rubrik && !r.falt.empty()) return r.falt.front().text;
        return std::string();
    };

    ui::PaperReport rapport;
    ui::PaperPage sida;
    const std::vector<Rad>& huvud = forts && !lista.huvudForts.empty() ? lista.huvudForts : lista.huvud;
    sida.title = rubrikAv(huvud);
    sida.continuedTitle = rubrikAv(lista.huvudForts.empty() ? lista.huvud : lista.huvudForts);
    for (const Rad& r : huvud) {
        if (r.stil == Stil::Kolumnrubrik) sida.headings = texter(r.falt);
        if (r.stil != Stil::Text) continue;
        // The date stamp stands at the right edge of the head; the other texts lead into the list.
        if (r.falt.size() == 1 && r.falt.front().hoger)
            rapport.corner = r.falt.front().text;
        else
            for (const Falt& f : r.falt)
                sida.lead.push_back(f.text);
    }
    for (std::size_t i = rader.fran; i < rader.till && i < lista.rader.size(); ++i)
        sida.rows.push_back({texter(lista.rader[i].falt), lista.rader[i].fore, false});
    rapport.pages.push_back(std::move(sida));

    const std::string namn = slag == Listslag::Ssflista ? "SSF-lista"
                             : slag == Listslag::Rapport ? rubrikAv(lista.huvud)
                                                          : "Rankinglista";
    rapport.fileName = std::string(fil::RANKINGUTSKRIFTER) + "/" + store::safeFileName(namn) + ".pdf";
    return rapport;
}

ui::PaperReport UtskrifterWin::paperReport() {
    if (slag_ != Listslag::Ssflista) return pappersrapport(lista_, slag_, {0, lista_.rader.size()}, false);
    const Sidintervall sida = nastaSsfSida_ < ssfSidor_.size() ? ssfSidor_[nastaSsfSida_] : Sidintervall{};
    return pappersrapport(lista_, slag_, sida, nastaSsfSida_ > 0);
}

void UtskrifterWin::CmFilePrint() {
    // Every kind prints as one job; the federation list, once its last page is out, only closes.
    if (slag_ == Listslag::Ssflista && nastaSsfSida_ >= ssfSidor_.size()) {
        utskriven();
        return;
    }
    if (print()) utskriven();
}

void UtskrifterWin::CmFilePrintPreview() {
    if (printPreview()) utskriven();
}

void UtskrifterWin::utskriven() {
    if (slag_ != Listslag::Ssflista) return;
    // The federation list prints a page a time: 40 rows, then 50 a page, every row once; the
    // window closes after the last one. A cancelled print leaves the same page for next time.
    if (nastaSsfSida_ < ssfSidor_.size()) ++nastaSsfSida_;
    if (nastaSsfSida_ >= ssfSidor_.size()) close();
}

void UtskrifterWin::CmFilePageSetup() {
    ui::printerSetup(this);
}

} // namespace rank
