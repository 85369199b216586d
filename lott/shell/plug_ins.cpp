#include "lott/shell/plug_ins.h"

#include "lott/fide/fide_uppgifter_dialog.h"
#include "lott/fide/trf_export_dialog.h"
#include "lott/pairing/slumpa.h"
#include "lott/reports/report_content.h"
#include "lott/reports/utskrifter_win.h"
#include "lott/setup/andra_sortering_dialog.h"
#include "lott/setup/andra_spelar_uppgifter_dialog.h"
#include "lott/setup/andra_start_dialog.h"
#include "lott/setup/ladda_turnering_dialog.h"
#include "lott/setup/med_ranking_dialog.h"
#include "lott/setup/modifiera_turnering_dialog.h"
#include "lott/setup/ny_turnering_dialog.h"
#include "lott/shell/actions.h"
#include "lott/shell/fdemo_win.h"

const PlugIns& plugIns() {
    static const PlugIns p = [] {
        PlugIns q;
        q.nyTurnering = [](FDemoWin& w) { (new NyTurneringDialog(&w, w.state()))->show(); };
        q.registrering = [](FDemoWin& w) { (new MedRankingDialog(&w, w.state().turnkatb))->show(); };
        q.slumpa = [](FDemoWin&) { SlumpaKlass().slumpa(); };
        q.penningpriser = &oppnaPenningpriser;
        q.rankinggrupper = &oppnaRankinggrupper;
        q.elotitel = &oppnaElotitel;
        q.egenkategori = &oppnaEgenKategori;
        q.andraPenningpriser = &andraPenningpriser;
        q.andraRankinggrupper = &andraRankinggrupper;
        q.laddaTurnering = [](FDemoWin& w) { oppnaLaddaTurnering(&w, w.state()); };
        q.modifiera = [](FDemoWin& w) { oppnaModifieraTurnering(&w, w.state()); };
        // Steps after the choose-tournament dialog, by action code; a code not listed here ends
        // the command.
        q.rapport = [](FDemoWin& w, const std::string& caption) {
            UtskrifterWin::open(&w, w.state(), caption);
        };
        q.efterVal[1] = &visaDeltagarlista;
        q.efterVal[2] = &visaRondlista;
        q.efterVal[3] = &lottaForResultat;
        q.efterVal[4] = &visaStallning;
        q.efterVal[5] = &visaTidigareResultat;
        q.efterVal[6] = &visaRankinggrupper;
        q.efterVal[7] = &oppnaAvbrott;
        q.efterVal[8] = &taTillbakaRond;
        q.efterVal[9] = &valjEgenKategori;
        q.efterVal[10] = &oppnaSpelareIn;
        q.efterVal[11] = &oppnaSpelareUt;
        q.efterVal[12] = &visaSlutrapport;
        q.efterVal[13] = [](FDemoWin& w) { oppnaAndraStart(&w, w.state()); };
        q.efterVal[14] = [](FDemoWin& w) { oppnaAndraSpelarUppgifter(&w, w.state()); };
        q.efterVal[15] = &oppnaEgenKategori;
        q.efterVal[71] = &oppnaAngra;
        q.efterVal[101] = [](FDemoWin& w) { oppnaAndraSortering(&w, w.state()); };
        q.efterVal[9300] = [](FDemoWin& w) { oppnaTrfExport(&w, w.state()); };
        q.efterVal[9301] = [](FDemoWin& w) { oppnaFideUppgifter(&w, w.state()); };
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
