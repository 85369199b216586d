// Changes during a tournament: open games and single-result correction (codes 7 and 71), taking
// back a round (8), late entries (10) and withdrawals (11).
#include <string>

#include "lott/pairing/spelare_in_dialog.h"
#include "lott/pairing/spelare_ut_dialog.h"
#include "lott/results/avbryt_dialog.h"
#include "lott/results/ta_tillbaka.h"
#include "lott/shell/actions.h"
#include "lott/shell/fdemo_win.h"
#include "resources/lott/messages.h"
#include "store/tournament.h"
#include "ui/message_box.h"

namespace {

constexpr int kValfritt = 4;

// The mode of the late-entry and withdrawal dialogs: 4 under custom scores, else 0.
int lage(FDemoWin& w) {
    return store::poangvalfunk(w.state().turnnr) == kValfritt ? kValfritt : 0;
}

} // namespace

void oppnaAvbrott(FDemoWin& w) {
    oppnaAvbrytDialog(&w, Avbrottslista::kOppnaPartier);
}

void oppnaAngra(FDemoWin& w) {
    oppnaAvbrytDialog(&w, Avbrottslista::kAllaPartier);
}

void taTillbakaRond(FDemoWin& w) {
    const LottState& s = w.state();
    // A whole round's results go at once: only when the organiser says so.
    const int rond = store::lastRoundPlayed(s.turnnr);
    if (rond > 0 && ui::TEnkel(&w, lottres::FRAGA_TA_TILLBAKA, {std::to_string(rond), s.tnamn}).Execute() != 1) {
        FDemoWin::stangKommando();
        return;
    }
    if (store::poangvalfunk(s.turnnr) == kValfritt)
        tatillbakavalfrirond(s.turnnr);
    else
        TaTillbaka{s.fnamnglob};
    FDemoWin::stangKommando();
}

void oppnaSpelareIn(FDemoWin& w) {
    oppnaSpelareInDialog(&w, lage(w));
}

void oppnaSpelareUt(FDemoWin& w) {
    oppnaSpelareUtDialog(&w, lage(w));
}
