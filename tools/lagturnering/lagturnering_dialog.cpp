#include "tools/lagturnering/lagturnering_dialog.h"

#include "resources/lagturnering/lagturnering_fonster.h"
#include "store/filenames.h"
#include "store/files.h"
#include "tools/lagturnering/rakna_ut.h"

using namespace lagturneringres;

LagturneringDialog::LagturneringDialog(lagturnering::Variant v)
    : ui::Dialog(nullptr, lagturneringFonster(lagturnering::caption(v))), variant_(v) {
    onSelectionChange(IDC_KATALOGER, [this] { DirectoryListBox1Change(); });
    onButton(IDC_RAKNA, [this] { Button1Click(); });
    FormCreate();
}

void LagturneringDialog::FormCreate() {
    lasTurneringar();
}

void LagturneringDialog::lasTurneringar() {
    // A directory without "TURN" leaves the list as it was.
    if (!store::exists(store::fil::TURN)) return;
    clearList(IDC_TURNERINGAR);
    for (const auto& t : store::readAll<turneringsstruct>(store::fil::TURN))
        addRow(IDC_TURNERINGAR, t.tnamn);
}

void LagturneringDialog::DirectoryListBox1Change() {
    lasTurneringar();
}

void LagturneringDialog::Button1Click() {
    const auto utfall = lagturnering::raknaUt(selections(IDC_TURNERINGAR), text(IDC_NAMN), variant_);
    setText(IDC_STATUS, utfall == lagturnering::Lagutfall::Klart ? kKlart : kIngenTurnering);
    lasTurneringar();
}
