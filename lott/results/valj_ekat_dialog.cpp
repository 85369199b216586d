#include "lott/results/valj_ekat_dialog.h"

#include "lott/kommando.h"
#include "lott/reports/report_data.h"
#include "lott/reports/utskrifter_win.h"
#include "lott/results/stallningfunk.h"
#include "lott/results/tillval.h"
#include "resources/lott/tillval.h"
#include "store/safe_name.h"

using namespace lottres;

ValjEkatDialog::ValjEkatDialog(ui::Window* parent, LottState& state)
    : ui::Dialog(parent, valjEkatResurs()), state_(state) {
    onDoubleClick(IDC_EKATLISTA, [this] { valjKategori(); });
}

void ValjEkatDialog::fyll() {
    // A tournament without a ".K" file has no own categories.
    poster_ = tillval::lasOmFinns<egenkategoriastruct>(state_.turnnr, 'K');
    kategorier_ = egenkat::kategorier(poster_);
    clearList(IDC_EKATLISTA);
    for (const auto& k : kategorier_)
        addRow(IDC_EKATLISTA, k.text);
}

void ValjEkatDialog::valjKategori() {
    const int rad = selection(IDC_EKATLISTA);
    if (rad < 0) return;
    const egenkat::Kategori& k = kategorier_[rad];
    const std::string namn = egenkat::kategoriNamn(k.text);

    state_.globvanta = stallningfunk(state_);
    reports::ReportInput in = reports::reportInput(state_);
    in.tnamn = egenkat::rapportNamn(state_.tnamn, namn);
    const std::string pris = egenkat::epris(k.pris);
    in.kategori = store::safeFileName(namn) + (pris.empty() ? "" : " " + pris);
    in.stallning = egenkat::ekat(state_.parslistac, poster_, k.text);
    // The category standings have their own columns, whatever standings were shown before.
    in.pstallningval = 0;
    (new UtskrifterWin(parent(), reports::reportCaption(reports::kEgenKategori), std::move(in)))->show();
}

void ValjEkatDialog::onDestroy() {
    kommando::stang();
}
