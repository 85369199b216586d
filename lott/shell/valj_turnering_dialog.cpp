#include "lott/shell/valj_turnering_dialog.h"

#include "lott/shell/fdemo_win.h"
#include "resources/lott/valj_turnering.h"
#include "store/files.h"
#include "store/tournament.h"

using namespace lottres;

namespace {
// The round list never goes beyond this round.
constexpr int kSistaRondILista = 18;
} // namespace

ValjTurneringDialog::ValjTurneringDialog(ui::Window* parent, LottState& state, int code)
    : Dialog(parent, code == 5 ? valjTurneringRond() : valjTurnering()), state_(state), code_(code) {}

void ValjTurneringDialog::fyll() {
    const auto turneringar = store::readTurn();
    for (const auto& t : turneringar)
        addRow(IDC_TURNERINGAR, t.tnamn);
    if (turneringar.empty()) return;
    select(IDC_TURNERINGAR, static_cast<int>(turneringar.size()) - 1);
    if (code_ != 5) return;

    // Rounds of the newest tournament; not refreshed when another tournament is chosen.
    const int spelade = store::lastRoundPlayed(static_cast<int>(turneringar.size()));
    for (int r = 1; r <= spelade; ++r)
        addRow(IDC_RONDER, std::to_string(r));
    for (int r = spelade + 1; r <= kSistaRondILista; ++r)
        addRow(IDC_RONDER, "(" + std::to_string(r) + ")");
    if (spelade >= 1) select(IDC_RONDER, spelade - 1);
}

void ValjTurneringDialog::CmOk() {
    const int vald = selection(IDC_TURNERINGAR);
    if (vald < 0) return; // nothing chosen: the dialog stays open

    state_.turnnr = vald + 1;
    state_.fnamnglob = std::to_string(state_.turnnr);
    if (code_ == 8) {
        state_.fnamnglob += ".R";
    } else if (code_ != 1 && code_ != 2 && code_ != 3 && code_ != 5) {
        state_.fnamnglob += ".R";
        const auto partier = store::touchAndReadAll<partistruct>(state_.fnamnglob);
        state_.valdrond = 0;
        for (const auto& p : partier)
            state_.valdrond = std::max(state_.valdrond, static_cast<int>(p.rond));
        if (code_ == 12) state_.partilista = partier;
        if (code_ == 13 || code_ == 14) state_.fnamnglob = store::tournamentFile(state_.turnnr, 'T');
    }

    state_.rensalistab(2);
    if (code_ == 7 || code_ == 10 || code_ == 11 || code_ == 71 || code_ == 15) {
        // These commands' dialogs read the tournament number from "TILLB".
        tillbehorstruct t;
        t.filnamnint = state_.turnnr;
        store::writeTillb(t);
    } else {
        state_.slistab = store::readAll<spelarstructtva>(store::tournamentFile(state_.turnnr, 'T'));
    }

    turneringsstruct t;
    if (store::findTournament(state_.turnnr, t)) {
        state_.tnamn = t.tnamn;
        if (code_ == 2 || code_ == 3 || code_ == 13) {
            state_.antalronder = t.antalronder;
            state_.systemc = t.system;
        }
    }
    if (code_ == 5) state_.valdrond = selection(IDC_RONDER) + 1;

    vald_ = true;
    close();
    post(MSG_UTFOR);
}

void ValjTurneringDialog::onDestroy() {
    if (!vald_) FDemoWin::stangKommando();
}
