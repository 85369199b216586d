#include <algorithm>

#include "lott/shell/actions.h"
#include "lott/shell/fdemo_win.h"
#include "lott/shell/plug_ins.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"
#include "ui/message_box.h"

namespace {

// Whether round `rond` of the tournament has any game: in its ".R" file, or, for a tournament
// with a freely chosen score per game, among its records of "VALFRI.DAT".
bool rondHarPartier(int turnnr, int rond) {
    if (store::poangvalfunk(turnnr) != 4) {
        const auto partier = store::touchAndReadAll<partistruct>(store::tournamentFile(turnnr, 'R'));
        if (std::any_of(partier.begin(), partier.end(), [&](const partistruct& p) { return p.rond == rond; }))
            return true;
    }
    const auto valfria = store::touchAndReadAll<valfristruct>(store::fil::VALFRI);
    return std::any_of(valfria.begin(), valfria.end(),
                       [&](const valfristruct& v) { return v.turnnr == turnnr && v.rond == rond; });
}

} // namespace

void visaTidigareResultat(FDemoWin& w) {
    LottState& s = w.state();
    s.sidposter = 90;
    if (!rondHarPartier(s.turnnr, s.valdrond)) {
        FDemoWin::stangKommando();
        ui::TEnkel(&w, 21).Execute();
        return;
    }
    if (auto oppna = plugIns().rapport)
        oppna(w, "Utskrift av Resultat");
    else
        FDemoWin::stangKommando();
}
