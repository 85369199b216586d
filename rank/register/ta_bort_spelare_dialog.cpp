#include "rank/register/ta_bort_spelare_dialog.h"

#include "rank/kommando.h"
#include "rank/register/register.h"
#include "resources/rank/dialoger.h"

using namespace rankres;

namespace rank {

TaBortSpelareDialog::TaBortSpelareDialog(ui::Window* parent) : Dialog(parent, rankres::taBortSpelare()) {
    for (const auto& namn : spelarnamn())
        addRow(IDC_LISTA, namn);
}

TaBortSpelareDialog* TaBortSpelareDialog::oppna(ui::Window* parent) {
    auto* d = new TaBortSpelareDialog(parent);
    d->show();
    return d;
}

void TaBortSpelareDialog::CmOk() {
    const int vald = selection(IDC_LISTA);
    if (vald >= 0) rank::taBortSpelare(rowText(IDC_LISTA, vald));
    close();
}

void TaBortSpelareDialog::onDestroy() {
    kommando::stang();
}

} // namespace rank
