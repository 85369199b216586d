#include "lott/results/stallningfunk.h"
#include "lott/shell/actions.h"
#include "lott/shell/fdemo_win.h"
#include "lott/shell/plug_ins.h"

// The final report: the standings of the chosen tournament with the cross table of its rounds.
void visaSlutrapport(FDemoWin& w) {
    LottState& s = w.state();
    s.sidposter = 50;
    s.globvanta = stallningfunk(s);
    if (auto oppna = plugIns().rapport)
        oppna(w, "Utskrift av Slutrapport");
    else
        FDemoWin::stangKommando();
}
