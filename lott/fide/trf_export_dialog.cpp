#include "lott/fide/trf_export_dialog.h"

#include "lott/fide/trf_fil.h"
#include "lott/kommando.h"
#include "resources/lott/fide_resurs.h"
#include "store/whole_number.h"

using namespace lottres;

TrfExportDialog::TrfExportDialog(ui::Window* parent, LottState& state)
    : ui::Dialog(parent, trfExportResurs()), state_(state) {
    setText(IDC_TRF_ROND, std::to_string(fide::standardRond(state_.turnnr)));
    setChecked(IDC_TRF_UTAN_ACCENTER, true);
}

void TrfExportDialog::CmOk() {
    clearList(IDC_TRF_MEDDELANDEN);
    const auto rond = store::wholeNumber(text(IDC_TRF_ROND));
    if (!rond || *rond < 1) {
        addRow(IDC_TRF_MEDDELANDEN, "Skriv numret på den sista rond som ska rapporteras.");
        return;
    }
    const auto ut = fide::exporteraTrf(state_.turnnr, *rond, checked(IDC_TRF_UTAN_ACCENTER));
    for (const auto& fel : ut.fel)
        addRow(IDC_TRF_MEDDELANDEN, fel);
    if (ut.fel.empty()) addRow(IDC_TRF_MEDDELANDEN, "Rapporten är skriven till " + ut.fil + ".");
}

void TrfExportDialog::onDestroy() {
    kommando::stang();
}

void oppnaTrfExport(ui::Window* parent, LottState& state) {
    (new TrfExportDialog(parent, state))->show();
}
