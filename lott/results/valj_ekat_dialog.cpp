#include "lott/results/valj_ekat_dialog.h"

#include "lott/kommando.h"
#include "lott/reports/report_data.h"
#include "lott/reports/utskrifter_win.h"
#include "lott/results/stallningfunk.h"
#include "lott/results/tillval.h"
#include "resources/lott/tillval.h"

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
    state_.globvanta = stallningfunk(state_);
    reports::ReportInput in = reports::egenKategoriInput(state_, poster_, kategorier_[rad].text);
    (new UtskrifterWin(parent(), reports::reportCaption(reports::kEgenKategori), std::move(in)))->show();
}

void ValjEkatDialog::onDestroy() {
    kommando::stang();
}
