#include "lott/shell/plug_ins.h"

#include "lott/pairing/slumpa.h"
#include "lott/reports/report_content.h"
#include "lott/reports/utskrifter_win.h"
#include "lott/setup/med_ranking_dialog.h"
#include "lott/setup/ny_turnering_dialog.h"
#include "lott/shell/actions.h"
#include "lott/shell/fdemo_win.h"

const PlugIns& plugIns() {
    static const PlugIns p = [] {
        PlugIns q;
        q.nyTurnering = [](FDemoWin& w) { (new NyTurneringDialog(&w, w.state()))->show(); };
        q.registrering = [](FDemoWin& w) { (new MedRankingDialog(&w, w.state().turnkatb))->show(); };
        q.slumpa = [](FDemoWin&) { SlumpaKlass().slumpa(); };
        // Steps after the choose-tournament dialog, by action code. Codes not listed here
        // (6 ranking groups, 9 own category,
        // 13 start list, 14 player data, 15 own categories, 101 sorting) end the command.
        q.rapport = [](FDemoWin& w, const std::string& caption) {
            UtskrifterWin::open(&w, w.state(), caption);
        };
        q.efterVal[1] = &visaDeltagarlista;
        q.efterVal[2] = &visaRondlista;
        q.efterVal[3] = &lottaForResultat;
        q.efterVal[4] = &visaStallning;
        q.efterVal[5] = &visaTidigareResultat;
        q.efterVal[12] = &visaSlutrapport;
        q.efterVal[7] = &oppnaAvbrott;
        q.efterVal[71] = &oppnaAngra;
        q.efterVal[8] = &taTillbakaRond;
        q.efterVal[10] = &oppnaSpelareIn;
        q.efterVal[11] = &oppnaSpelareUt;
        q.resultat = &oppnaResultat;
        return q;
    }();
    return p;
}

void oppnaRapport(FDemoWin& w) {
    if (auto oppna = plugIns().rapport)
        oppna(w, reports::reportCaption(w.state().vilkpaint));
    else
        FDemoWin::stangKommando();
}
