#include "rank/shell/plug_ins.h"

#include "rank/berakning/ladda_period_dialog.h"
#include "rank/kommando.h"
#include "rank/lists/rankingrapport.h"
#include "rank/lists/utskrifter.h"
#include "rank/lists/utskrifter_win.h"
#include "rank/register/klubb_dialog.h"
#include "rank/register/ladda_spelare_dialog.h"
#include "rank/register/spelare_dialog.h"
#include "rank/register/ta_bort_spelare_dialog.h"
#include "rank/results/angra_dialog.h"
#include "rank/results/ranking_dialog.h"
#include "rank/shell/fdemo_win.h"

namespace rank {

const PlugIns& plugIns() {
    static const PlugIns p = [] {
        PlugIns q;
        q.spelare = [](FDemoWin& w, int mode) { SpelareDialog::oppna(&w, w.state(), mode); };
        q.valjSpelare = [](FDemoWin& w) { LaddaSpelareDialog::oppna(&w, w.state()); };
        q.taBortSpelare = [](FDemoWin& w) { TaBortSpelareDialog::oppna(&w); };
        q.valjPeriod = [](FDemoWin& w, int vv) { LaddaPeriodDialog::oppna(&w, w.state(), vv); };
        q.resultat = [](FDemoWin& w) { RankingDialog::oppna(&w, w.state()); };
        q.angra = [](FDemoWin& w) { AngraDialog::oppna(&w, w.state()); };
        q.klubb = [](FDemoWin& w) { KlubbDialog::oppna(&w); };
        q.rankinglista = [](FDemoWin& w, int flytande) {
            UtskrifterWin::oppna(&w, Listslag::Rankinglista,
                                 flytande ? flytandeRankinglista(w.state()) : rankinglista());
        };
        q.ssflista = [](FDemoWin& w) {
            // The list window is not guarded: the command ends when it opens.
            kommando::stang();
            UtskrifterWin::oppna(&w, Listslag::Ssflista, federationslista(w.state().globindex));
        };
        q.rapport = [](FDemoWin& w) {
            kommando::stang();
            UtskrifterWin::oppna(&w, Listslag::Rapport,
                                 rapportlista(w.state().globnamn, w.state().globperiod));
        };
        q.allaRapporter = [](FDemoWin& w) {
            skrivAllaRapporter(w.state().globperiod);
            kommando::stang();
        };
        return q;
    }();
    return p;
}

} // namespace rank
