#include "lott/setup/ladda_turnering_dialog.h"

#include "lott/kommando.h"
#include "lott/setup/mallturnering.h"
#include "resources/lott/spelare_dialogs.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"

using namespace lottres;

LaddaTurneringDialog::LaddaTurneringDialog(ui::Window* parent, LottState& state)
    : ui::Dialog(parent, laddaTurneringResurs()), state_(state) {}

void LaddaTurneringDialog::laslistbox() {
    store::writeText(store::fil::STANGT, "1");
    for (const auto& t : store::readTurn())
        addRow(IDC_MALLAR, t.tnamn);
    if (count(IDC_MALLAR) > 0) select(IDC_MALLAR, count(IDC_MALLAR) - 1);
}

void LaddaTurneringDialog::CmOk() {
    const int vald = selection(IDC_MALLAR);
    if (vald < 0) return;
    if (!laddaMall(vald, count(IDC_MALLAR))) return;
    state_.hamtadfran = vald + 1;
    committed_ = true;
    close();
    post(MSG_LADDADE);
}

void LaddaTurneringDialog::onDestroy() {
    if (!committed_) kommando::stang();
}

void oppnaLaddaTurnering(ui::Window* parent, LottState& state) {
    auto* dialog = new LaddaTurneringDialog(parent, state);
    dialog->show();
    dialog->laslistbox();
}
