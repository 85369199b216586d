#include "lott/fide/uppgifter.h"
#include "lott/pairing/lottning.h"
#include "lott/shell/actions.h"
#include "lott/shell/fdemo_win.h"
#include "lott/shell/plug_ins.h"
#include "store/clock.h"
#include "lott/webb/turneringsdata.h"
#include "ui/message_box.h"

namespace {

// Pairs the next round. When no round came of it the organiser is told why, message 27 (the
// planned rounds are played or the field is too small) or 20 (no pairing could be found), and
// the command ends.
bool lottaNastaRond(FDemoWin& w) {
    LottState& s = w.state();
    parning::lottning(s);
    if (s.grans < kGransLast && s.ejronditurn == 0) {
        s.lottad = {s.turnnr, s.valdrond};
        fide::noteraRonddatum(s.turnnr, s.valdrond, store::localNow()); // the report's round date
        s.lottadePar = webb::parAvLista(s.slistab, s.vilkpaint != 2);
        return true;
    }
    ui::TEnkel(&w, s.ejronditurn == 1 ? 27 : 20).Execute();
    FDemoWin::stangKommando();
    return false;
}

} // namespace

void visaRondlista(FDemoWin& w) {
    const bool lottad = lottaNastaRond(w);
    if (!lottad) return;
    w.state().medstartnummer = ui::TEnkel(&w, 2357).Execute() == 1 ? 1 : 0;
    oppnaRapport(w);
}

void lottaForResultat(FDemoWin& w) {
    if (!lottaNastaRond(w)) return;
    if (auto resultat = plugIns().resultat)
        resultat(w);
    else
        FDemoWin::stangKommando();
}
