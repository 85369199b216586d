#include "lott/reports/report_data.h"
#include "lott/shell/actions.h"
#include "lott/shell/fdemo_win.h"
#include "lott/shell/plug_ins.h"
#include "store/tournament.h"
#include "ui/message_box.h"

namespace {

// Whether round `rond` of the tournament has any game: in its ".R" file, or, for a tournament
// with a freely chosen score per game, among its records of "VALFRI.DAT". The ".R" file of a
// freely scored tournament is left untouched.
bool rondHarPartier(int turnnr, int rond) {
    if (store::poangvalfunk(turnnr) != 4 && reports::resultatglob(turnnr, rond)) return true;
    return reports::resultatglob2(turnnr, rond);
}

} // namespace

void visaTidigareResultat(FDemoWin& w) {
    LottState& s = w.state();
    if (!rondHarPartier(s.turnnr, s.valdrond)) {
        FDemoWin::stangKommando();
        ui::TEnkel(&w, 21).Execute();
        return;
    }
    oppnaRapport(w);
}
