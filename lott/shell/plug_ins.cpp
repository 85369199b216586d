#include "lott/shell/plug_ins.h"

#include "lott/pairing/slumpa.h"
#include "lott/reports/report_content.h"
#include "lott/reports/utskrifter_win.h"
#include "lott/results/egen_kategori_dialog.h"
#include "lott/results/elo_titel_dialog.h"
#include "lott/results/penning_dialog.h"
#include "lott/results/ranking_grupper_dialog.h"
#include "lott/results/tillval.h"
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
        // The option dialogs: in the chain after registration, and on their own from
        // "Ändra penningpriser" and "Ändra rankinggrupper" (nothing to do without a tournament).
        q.penningpriser = [](FDemoWin& w) { (new PenningDialog(&w, TillvalDialog::Lage::Kedja))->show(); };
        q.rankinggrupper = [](FDemoWin& w) {
            (new RankingGrupperDialog(&w, TillvalDialog::Lage::Kedja))->show();
        };
        q.elotitel = [](FDemoWin& w) { (new EloTitelDialog(&w, TillvalDialog::Lage::Kedja))->show(); };
        q.egenkategori = [](FDemoWin& w) {
            (new EgenKategoriDialog(&w, TillvalDialog::Lage::Kedja))->show();
        };
        q.andraPenningpriser = [](FDemoWin& w) {
            if (tillval::turnering() > 0) (new PenningDialog(&w, TillvalDialog::Lage::Meny))->show();
        };
        q.andraRankinggrupper = [](FDemoWin& w) {
            if (tillval::turnering() > 0) (new RankingGrupperDialog(&w, TillvalDialog::Lage::Meny))->show();
        };
        // Steps after the choose-tournament dialog, by action code. Codes not listed here
        // (7/71 adjourned games, 8 take back, 10 late entry, 11 withdrawal,
        // 13 start list, 14 player data, 101 sorting) end the command.
        q.rapport = [](FDemoWin& w, const std::string& caption) {
            UtskrifterWin::open(&w, w.state(), caption);
        };
        q.efterVal[1] = &visaDeltagarlista;
        q.efterVal[2] = &visaRondlista;
        q.efterVal[3] = &lottaForResultat;
        q.efterVal[4] = &visaStallning;
        q.efterVal[5] = &visaTidigareResultat;
        q.efterVal[6] = &visaRankinggrupper;
        q.efterVal[9] = &valjEgenKategori;
        q.efterVal[12] = &visaSlutrapport;
        q.efterVal[15] = &laggTillEgnaKategorier;
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
