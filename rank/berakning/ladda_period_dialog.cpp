#include "rank/berakning/ladda_period_dialog.h"

#include "rank/berakning/periodval.h"
#include "rank/berakning/rankingberakna.h"
#include "rank/berakning/verkstallda_perioder.h"
#include "rank/kommando.h"
#include "rank/rating/period.h"
#include "resources/rank/dialoger.h"
#include "resources/rank/messages.h"
#include "store/clock.h"
#include "ui/message_box.h"

using namespace rankres;

namespace rank {

namespace {

constexpr int kSsfOmgangar = 100;

// The message with which each mode hands over to the main window (mode 1 finishes on its own).
int nastaSteg(int vv) {
    switch (vv) {
    case 2:
        return MSG_SSFLISTA;
    case 3:
        return MSG_RAPPORT;
    case 4:
        return MSG_ALLA_RAPPORTER;
    default:
        return MSG_RESULTAT;
    }
}

} // namespace

LaddaPeriodDialog::LaddaPeriodDialog(ui::Window* parent, RankState& state)
    : Dialog(parent, rankres::valjPeriod()), state_(state) {
    onButton(IDC_HJALP, [this] { hjalp(); });
}

LaddaPeriodDialog* LaddaPeriodDialog::oppna(ui::Window* parent, RankState& state, int vv) {
    auto* d = new LaddaPeriodDialog(parent, state);
    d->show();
    d->lasspelare(vv);
    return d;
}

void LaddaPeriodDialog::lasspelare(int vv) {
    vv_ = vv;
    clearList(IDC_LISTA);
    if (vv == 2) {
        for (int i = 0; i < kSsfOmgangar; ++i)
            addRow(IDC_LISTA, rating::ssfPeriodText(i));
        return;
    }
    for (int p = 0; p < rating::kAntalPerioder; ++p)
        addRow(IDC_LISTA, rating::periodText(p));
    const int index = forvaldPeriod(store::localNow(), state_.visaforegoendeperiod == 1);
    state_.visaforegoendeperiod = 0;
    if (index >= 0) select(IDC_LISTA, index);
}

void LaddaPeriodDialog::CmOk() {
    const int vald = selection(IDC_LISTA);
    if (vald < 0) {
        close();
        return;
    }
    state_.globperiod = vald;
    if (vv_ == 1) {
        rankingberakna();
        close();
        return;
    }
    if (vv_ >= 2) state_.globindex = vald;
    vidare_ = true;
    close();
    post(nastaSteg(vv_));
}

void LaddaPeriodDialog::rankingberakna() {
    rankingberaknaFiler(state_.globperiod);
    if (ui::TEnkel(this, RUTA_ERSATT_RANKING).Execute() != 1) return;
    if (periodenVerkstalld(state_.globperiod) && ui::TEnkel(this, RUTA_REDAN_VERKSTALLD).Execute() != 1)
        return;
    verkstallRankingberakning(state_.globperiod);
}

void LaddaPeriodDialog::hjalp() {
    ui::TEnkel(this, RUTA_HJALP_PERIOD).Execute();
}

void LaddaPeriodDialog::onDestroy() {
    if (!vidare_) kommando::stang();
}

} // namespace rank
