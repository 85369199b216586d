#include "lott/setup/andra_start_dialog.h"

#include "lott/kommando.h"
#include "resources/lott/spelare_dialogs.h"
#include "store/files.h"
#include "store/tournament.h"
#include "ui/message_box.h"

using namespace lottres;

namespace {
constexpr int kHjalpText = 2342;
constexpr int kKlippUt = 2338;
constexpr int kKlistraIn = 2345;
constexpr int kBaraMonrad = 2340;
constexpr int kBaraForeForsta = 2341;
constexpr int kLuckor = 2346;
} // namespace

AndraStartDialog::AndraStartDialog(ui::Window* parent, const LottState& state)
    : ui::Dialog(parent, andraStartResurs()), turnnr_(state.turnnr), systemc_(state.systemc),
      fnamn_(store::tournamentFile(state.turnnr, 'T')), lista_(state.slistab) {
    onDoubleClick(IDC_VANSTER, [this] { valdb(); });
    onDoubleClick(IDC_HOGER, [this] { vald(); });
    onButton(IDC_START_HJALP, [this] { hjalp(); });
}

void AndraStartDialog::laslistbox() {
    // A game names its players by start number: after the first round the numbers are fixed.
    if (store::tournamentStarted(turnnr_)) {
        ui::TEnkel(this, kBaraForeForsta).Execute();
        return;
    }
    if (systemc_ != 0) {
        ui::TEnkel(this, kBaraMonrad).Execute();
        return;
    }
    for (int rad = 0; rad < lista_.raderHoger(); ++rad)
        addRow(IDC_HOGER, lista_.radText(Startlista::nummer(true, rad)));
    for (int rad = 0; rad < lista_.raderVanster(); ++rad)
        addRow(IDC_VANSTER, lista_.radText(Startlista::nummer(false, rad)));
    ifylld_ = true;
}

void AndraStartDialog::visa(int nr) {
    const bool hoger = nr % 2 == 1;
    setRowText(hoger ? IDC_HOGER : IDC_VANSTER, (nr - 1) / 2, lista_.radText(nr));
}

void AndraStartDialog::dubbelklick(bool hoger) {
    const int rad = selection(hoger ? IDC_HOGER : IDC_VANSTER);
    if (rad < 0) return;
    const int nr = Startlista::nummer(hoger, rad);
    switch (lista_.klick(nr)) {
    case Startlista::Klick::KlippUt:
        if (ui::TEnkel(this, kKlippUt).Execute() != 1) return;
        lista_.klippUt(nr);
        break;
    case Startlista::Klick::KlistraIn:
        if (ui::TEnkel(this, kKlistraIn).Execute() != 1) return;
        lista_.klistraIn(nr);
        break;
    case Startlista::Klick::Inget:
        return;
    }
    visa(nr);
}

void AndraStartDialog::valdb() {
    dubbelklick(false);
}

void AndraStartDialog::vald() {
    dubbelklick(true);
}

void AndraStartDialog::hjalp() {
    ui::TEnkel(this, kHjalpText).Execute();
}

void AndraStartDialog::CmOk() {
    if (!ifylld_) {
        close();
        return;
    }
    // The editor does not hold the command: a round may have been entered since it was filled,
    // and its games name the players by the numbers they have now.
    if (store::tournamentStarted(turnnr_)) {
        ui::TEnkel(this, kBaraForeForsta).Execute();
        close();
        return;
    }
    if (lista_.harLuckor()) {
        ui::TEnkel(this, kLuckor).Execute();
        return;
    }
    store::writeAll(fnamn_, lista_.nyStartlista());
    close();
}

void oppnaAndraStart(ui::Window* parent, LottState& state) {
    auto* dialog = new AndraStartDialog(parent, state);
    dialog->show();
    dialog->laslistbox();
    kommando::stang();
}
