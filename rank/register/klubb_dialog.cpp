#include "rank/register/klubb_dialog.h"

#include "rank/kommando.h"
#include "rank/register/klubb.h"
#include "resources/rank/dialoger.h"

using namespace rankres;

namespace rank {

KlubbDialog::KlubbDialog(ui::Window* parent) : Dialog(parent, rankres::klubbnamn()) {
    setText(IDC_KLUBBNAMN, lasKlubbnamn());
}

KlubbDialog* KlubbDialog::oppna(ui::Window* parent) {
    auto* d = new KlubbDialog(parent);
    d->show();
    d->setFocus(IDC_KLUBBNAMN);
    return d;
}

void KlubbDialog::onDestroy() {
    skrivKlubbnamn(text(IDC_KLUBBNAMN));
    kommando::stang();
}

} // namespace rank
