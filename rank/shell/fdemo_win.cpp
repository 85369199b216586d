#include "rank/shell/fdemo_win.h"

#include "rank/kommando.h"
#include "rank/lists/publicera_dialog.h"
#include "rank/rating/rank_records.h"
#include "rank/shell/plug_ins.h"
#include "resources/rank/menu.h"
#include "resources/rank/messages.h"
#include "store/files.h"
#include "store/journal.h"
#include "ui/help.h"
#include "ui/message_box.h"

using namespace rankres;

namespace rank {

FDemoWin::FDemoWin() : ui::MainWindow("Rankingverktyg", commandsMenu()) {
    // A command stopped in the middle of its journal is finished before anything is read.
    store::finishJournal();
    // A program that ended while a dialog was open starts free again.
    kommando::stang();

    onCommand(CM_FONT, [this] { Cmfont(); });
    onCommand(CM_RANKINGLISTA, [this] { gorlista(); });
    onCommand(CM_FLYTANDE, [this] { flytlista(); });
    onCommand(CM_SSFLISTA, [this] { ssflista(); });
    onCommand(CM_RAPPORTER, [this] { rankingrapporter(); });
    onCommand(CM_RAPPORTER_ALLA, [this] { rankingrapporterAlla(); });
    onCommand(CM_KLUBB, [this] { klubbnamn(); });
    onCommand(CM_AVSLUTA, [this] { CmDemoExit(); });
    onCommand(CM_NYSPELARE, [this] { nySpelare(); });
    onCommand(CM_UPPDATERA, [this] { uppdateraSpelare(); });
    onCommand(CM_TABORT, [this] { taBortSpelare(); });
    onCommand(CM_NYARESULTAT, [this] { nyaResultat(); });
    onCommand(CM_ANGRA, [this] { angraResultat(); });
    onCommand(CM_RANKINGBERAKNA, [this] { rankingberakna(); });
    onCommand(CM_OM, [this] { CmAbout(); });
    onCommand(CM_HANDBOK, [] { ui::showGuide(); });
    onCommand(CM_PUBLICERA, [this] {
        if (oppnaKommando()) PubliceraDialog::oppna(this);
    });

    const PlugIns& p = plugIns();
    onMessage(MSG_UPPDATERA, [this, &p] { p.spelare(*this, 1); });
    onMessage(MSG_PERIOD_RESULTAT, [this] { valjPeriod(0); });
    onMessage(MSG_RESULTAT, [this, &p] { p.resultat(*this); });
    onMessage(MSG_ANGRA, [this, &p] { p.angra(*this); });
    onMessage(MSG_SSFLISTA, [this, &p] { p.ssflista(*this); });
    onMessage(MSG_PERIOD_RAPPORT, [this] { valjPeriod(3); });
    onMessage(MSG_RAPPORT, [this, &p] { p.rapport(*this); });
    onMessage(MSG_ALLA_RAPPORTER, [this, &p] { p.allaRapporter(*this); });
}

// "STANGT" is left as it is: the next start resets it.
FDemoWin::~FDemoWin() = default;

bool FDemoWin::oppnaKommando() {
    if (kommando::upptagen()) {
        ui::TEnkel(this, RUTA_FONSTER_OPPET).Execute();
        return false;
    }
    kommando::oppna();
    return true;
}

void FDemoWin::valjSpelare(int vilken) {
    state_.rankingellerspelare = vilken;
    plugIns().valjSpelare(*this);
}

void FDemoWin::valjPeriod(int vv) {
    plugIns().valjPeriod(*this, vv);
}

void FDemoWin::Cmfont() {
    // "Standard" keeps every list at the small sizes; "Större", or closing the box, lets wider
    // screens use their larger ones.
    const int svar = ui::TEnkel(this, RUTA_FONT).Execute();
    store::writeText(fil::FONT, svar == 1 ? "0" : "1");
}

void FDemoWin::gorlista() {
    plugIns().rankinglista(*this, 0);
}

void FDemoWin::flytlista() {
    plugIns().rankinglista(*this, 1);
}

void FDemoWin::ssflista() {
    if (!oppnaKommando()) return;
    state_.visaforegoendeperiod = 0;
    valjPeriod(2);
}

void FDemoWin::rankingrapporter() {
    if (!oppnaKommando()) return;
    state_.visaforegoendeperiod = 1;
    valjSpelare(kRapport);
}

void FDemoWin::rankingrapporterAlla() {
    if (!oppnaKommando()) return;
    state_.visaforegoendeperiod = 1;
    valjPeriod(4);
}

void FDemoWin::klubbnamn() {
    if (!oppnaKommando()) return;
    plugIns().klubb(*this);
}

void FDemoWin::CmDemoExit() {
    close();
}

void FDemoWin::nySpelare() {
    if (!oppnaKommando()) return;
    plugIns().spelare(*this, 0);
}

void FDemoWin::uppdateraSpelare() {
    if (!oppnaKommando()) return;
    valjSpelare(kUppdatera);
}

void FDemoWin::taBortSpelare() {
    if (!oppnaKommando()) return;
    plugIns().taBortSpelare(*this);
}

void FDemoWin::nyaResultat() {
    if (!oppnaKommando()) return;
    // Results go to the current period unless the user picks another.
    state_.visaforegoendeperiod = 0;
    valjSpelare(kNyaResultat);
}

void FDemoWin::angraResultat() {
    if (!oppnaKommando()) return;
    valjSpelare(kAngra);
}

void FDemoWin::rankingberakna() {
    if (!oppnaKommando()) return;
    state_.visaforegoendeperiod = 1;
    valjPeriod(1);
}

void FDemoWin::CmAbout() {
    ui::TEnkel(this, RUTA_OM).Execute();
}

} // namespace rank
