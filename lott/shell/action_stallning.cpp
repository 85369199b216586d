#include "lott/results/stallningfunk.h"
#include "lott/shell/actions.h"
#include "lott/shell/fdemo_win.h"
#include "lott/shell/plug_ins.h"

namespace {

// Computes the standings of the chosen tournament and opens the report titled `caption` on them.
// Money prizes and Elo are merged in by the prize step once it exists; the withdrawal marks come
// with the standings themselves.
void visaMedStallning(FDemoWin& w, const char* caption) {
    LottState& s = w.state();
    s.sidposter = 50;
    s.globvanta = stallningfunk(s);
    if (auto oppna = plugIns().rapport)
        oppna(w, caption);
    else
        FDemoWin::stangKommando();
}

} // namespace

void visaStallning(FDemoWin& w) {
    visaMedStallning(w, "Utskrift av Ställningen");
}

void visaSlutrapport(FDemoWin& w) {
    visaMedStallning(w, "Utskrift av Slutrapport");
}
