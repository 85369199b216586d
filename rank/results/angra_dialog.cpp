#include "rank/results/angra_dialog.h"

#include "rank/kommando.h"
#include "resources/rank/dialoger.h"

using namespace rankres;

namespace rank {

AngraDialog::AngraDialog(ui::Window* parent, const RankState& state)
    : Dialog(parent, rankres::angraResultat()), angra_(std::make_unique<Angra>(state.globnamn)) {
    setCaption("Ångra resultat för " + state.globnamn);
    for (const auto& rad : angra_->rader())
        addRow(IDC_LISTA, rad);
    onDoubleClick(IDC_LISTA, [this] { vald(); });
}

AngraDialog* AngraDialog::oppna(ui::Window* parent, const RankState& state) {
    auto* d = new AngraDialog(parent, state);
    d->show();
    return d;
}

void AngraDialog::vald() {
    const int rad = selection(IDC_LISTA);
    if (rad < 0) return;
    angra_->taBort(rad);
    deleteRow(IDC_LISTA, rad);
}

void AngraDialog::CmOk() {
    angra_->verkstall();
    close();
}

void AngraDialog::onDestroy() {
    kommando::stang();
}

} // namespace rank
