#include "lott/results/egen_kategori_dialog.h"

#include <algorithm>
#include <unordered_map>

#include "lott/results/tillval.h"
#include "resources/lott/tillval.h"
#include "store/files.h"
#include "store/tournament.h"
#include "ui/message_box.h"

using namespace lottres;

namespace {
constexpr int kHjalpKategori = 43;
} // namespace

EgenKategoriDialog::EgenKategoriDialog(ui::Window* parent, Lage lage)
    : TillvalDialog(parent, egenkategoriResurs(), tillval::Flagga::Egenkategori, lage),
      poster_(tillval::lasOmFinns<egenkategoriastruct>(turnnr(), 'K')) {
    std::unordered_map<int, std::string> rader; // player lines by start number
    for (const auto& s : tillval::startlista(turnnr())) {
        if (store::isBye(s.namn)) continue; // the bye is no one's category
        rader[s.nr] = egenkat::spelarRad(s);
        addRow(IDC_KATSPELARE, rader[s.nr]);
    }
    kategorier_ = egenkat::kategorier(poster_);
    visaKategorier();
    for (const auto& k : poster_) {
        const auto it = rader.find(k.nr);
        addRow(IDC_VALDA,
               egenkat::valdRad(it != rader.end() ? it->second : std::to_string(k.nr) + ".", k.namn));
    }

    baraSiffrorI(IDC_KATEGORIPRIS);
    onButton(IDC_BEKRAFTAKATEGORI, [this] { nyKategori(); });
    onDoubleClick(IDC_KATSPELARE, [this] { valjSpelare(); });
    onButton(IDC_BORJAOM, [this] { borjaOm(); });
    onButton(IDC_KATEGORIHJALP, [this] { hjalp(); });
}

void EgenKategoriDialog::visaKategorier() {
    clearList(IDC_KATEGORIER);
    for (const auto& k : kategorier_)
        addRow(IDC_KATEGORIER, k.text);
}

void EgenKategoriDialog::nyKategori() {
    const std::string namn = egenkat::rensaNamn(text(IDC_NYKATEGORI));
    if (namn.empty()) return; // a category needs a name
    const std::string pris = tillval::baraSiffror(text(IDC_KATEGORIPRIS));
    const std::string kategori = egenkat::kategoriText(namn, pris);
    auto it = std::find_if(kategorier_.begin(), kategorier_.end(),
                           [&](const egenkat::Kategori& k) { return k.text == kategori; });
    if (it == kategorier_.end()) {
        kategorier_.push_back({kategori, tillval::talAvText(pris)});
        addRow(IDC_KATEGORIER, kategori);
        it = kategorier_.end() - 1;
    }
    // The category just confirmed is the one the next picks go into.
    select(IDC_KATEGORIER, static_cast<int>(it - kategorier_.begin()));
    setText(IDC_NYKATEGORI, "");
    setText(IDC_KATEGORIPRIS, "");
}

void EgenKategoriDialog::valjSpelare() {
    const int kategori = selection(IDC_KATEGORIER);
    const int rad = selection(IDC_KATSPELARE);
    if (kategori < 0 || rad < 0) return;
    const egenkat::Kategori& k = kategorier_[kategori];
    const std::string spelare = rowText(IDC_KATSPELARE, rad);
    const int nr = egenkat::nrAvSpelarRad(spelare);
    // A player is in a category once, however often he is picked for it.
    const bool redan = std::any_of(poster_.begin(), poster_.end(), [&](const egenkategoriastruct& p) {
        return p.namn == k.text && p.nr == nr;
    });
    if (redan) return;
    // Each pick reaches ".K" at once: closing or cancelling the dialog keeps what was picked.
    const egenkategoriastruct post{k.text, nr, k.pris};
    store::appendOne(store::tournamentFile(turnnr(), 'K'), post);
    poster_.push_back(post);
    addRow(IDC_VALDA, egenkat::valdRad(spelare, k.text));
}

void EgenKategoriDialog::borjaOm() {
    store::writeAll(store::tournamentFile(turnnr(), 'K'), std::vector<egenkategoriastruct>{});
    poster_.clear();
    kategorier_.clear();
    clearList(IDC_KATEGORIER);
    clearList(IDC_VALDA);
}

void EgenKategoriDialog::hjalp() {
    ui::TEnkel(this, kHjalpKategori).Execute();
}

void EgenKategoriDialog::CmOk() {
    // ".K" already holds every pick.
    close();
}
