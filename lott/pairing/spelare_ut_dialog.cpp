#include "lott/pairing/spelare_ut_dialog.h"

#include "lott/kommando.h"
#include "lott/pairing/utlankning.h"
#include "resources/lott/andringar.h"
#include "store/files.h"
#include "store/tournament.h"
#include "ui/message_box.h"

using namespace lottres;

namespace {
constexpr int kVarningUtlankning = 629;
constexpr int kValfrittLage = 4;
} // namespace

SpelareUtDialog::SpelareUtDialog(ui::Window* parent) : ui::Dialog(parent, spelareUtResurs()) {}

void SpelareUtDialog::lasspelareut(int valfri) {
    turnnr_ = store::readTillb().filnamnint;
    valfri_ = valfri == kValfrittLage;
    const auto spelare = store::readAll<spelarstructtva>(store::tournamentFile(turnnr_, 'T'));
    const auto utgadda = store::touchAndReadAll<spelarstructtva>(store::tournamentFile(turnnr_, 'U'));
    for (const auto& rad : utgangsrader(spelare, utgadda))
        addRow(IDC_UTGAENDE, rad);
    ui::TEnkel(this, kVarningUtlankning).Execute();
}

void SpelareUtDialog::CmOk() {
    const int vald = selection(IDC_UTGAENDE);
    if (vald < 0) return;
    spelareut(turnnr_, radensStartnummer(rowText(IDC_UTGAENDE, vald)));
    close();
}

void SpelareUtDialog::onDestroy() {
    kommando::stang();
}

SpelareUtDialog* oppnaSpelareUtDialog(ui::Window* parent, int valfri) {
    auto* d = new SpelareUtDialog(parent);
    d->show();
    d->lasspelareut(valfri);
    return d;
}
