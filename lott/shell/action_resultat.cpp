#include "lott/results/penningpriser.h"
#include "lott/pairing/utlankning.h"
#include "lott/results/resultat_dialog.h"
#include "lott/results/stallningfunk.h"
#include "lott/shell/actions.h"
#include "lott/shell/fdemo_win.h"
#include "lott/shell/plug_ins.h"

void oppnaResultat(FDemoWin& w) {
    oppnaResultatDialog(&w, w.state().turnnr);
}

void visaStallning(FDemoWin& w) {
    LottState& s = w.state();
    s.globvanta = stallningfunk(s);
    if (s.pstallningval == 1 || s.pstallningval == 2) inmedpris(s);
    futgadda(s);
    oppnaRapport(w);
}
