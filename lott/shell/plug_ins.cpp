#include "lott/shell/plug_ins.h"

#include "lott/reports/utskrifter_win.h"
#include "lott/shell/actions.h"
#include "lott/shell/fdemo_win.h"

const PlugIns& plugIns() {
    static const PlugIns p = [] {
        PlugIns q;
        // Steps after the choose-tournament dialog, by action code. Codes not listed here
        // (6 ranking groups, 7/71 adjourned games,
        // 8 take back, 9 own category, 10 late entry, 11 withdrawal,
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
        q.resultat = &oppnaResultat;
        return q;
    }();
    return p;
}
