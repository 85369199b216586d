#include "rank/results/ranking_dialog.h"

#include <algorithm>

#include "rank/kommando.h"
#include "rank/register/namn.h"
#include "rank/results/partiresultat.h"
#include "rank/results/resultatinmatning.h"
#include "resources/rank/dialoger.h"
#include "resources/rank/messages.h"
#include "ui/message_box.h"

using namespace rankres;

namespace rank {

namespace {
constexpr int kTimer = 1;
constexpr int kTimerMs = 300;
} // namespace

RankingDialog::RankingDialog(ui::Window* parent, RankState& state)
    : Dialog(parent, rankres::nyaResultat()), state_(state) {
    setCaption("Nya rankingberäknande resultat för " + state_.globnamn + ".");
    onDoubleClick(IDC_MOTSTANDARLISTA, [this] { vald(); });
    onDoubleClick(IDC_TURNERINGSLISTA, [this] { valdb(); });
    onButton(IDC_BEKRAFTA_PARTI, [this] { bekraftaa(); });
    onButton(IDC_BEKRAFTA_TURNERING, [this] { bekraftab(); });
}

RankingDialog* RankingDialog::oppna(ui::Window* parent, RankState& state) {
    auto* d = new RankingDialog(parent, state);
    d->lasranking();
    d->show();
    d->SetupWindow();
    d->setFocus(IDC_MOTSTANDARE);
    return d;
}

void RankingDialog::lasranking() {
    Inmatningslistor l = oppnaInmatning();
    motstandare_ = std::move(l.motstandare);
    turneringar_ = std::move(l.turneringar);
    for (const auto& namn : motstandare_)
        addRow(IDC_MOTSTANDARLISTA, namn);
    for (const auto& namn : turneringar_)
        addRow(IDC_TURNERINGSLISTA, namn);
}

void RankingDialog::SetupWindow() {
    startTimer(kTimer, kTimerMs, [this] { timefunk(); });
}

void RankingDialog::timefunk() {
    const std::string typat = text(IDC_RESULTAT);
    const std::string klart = foradlaResultat(typat);
    if (klart != typat) setText(IDC_RESULTAT, klart);
}

void RankingDialog::laggTill(int id, std::vector<std::string>& rader, const std::string& namn) {
    if (std::find(rader.begin(), rader.end(), namn) != rader.end()) return;
    const std::size_t plats = sorteradPlats(rader, namn);
    rader.insert(rader.begin() + static_cast<std::ptrdiff_t>(plats), namn);
    insertRow(id, static_cast<int>(plats), namn);
}

void RankingDialog::vald() {
    const int rad = selection(IDC_MOTSTANDARLISTA);
    if (rad < 0) return;
    const auto parti = senastePartiMot(rowText(IDC_MOTSTANDARLISTA, rad));
    if (!parti) return;
    setText(IDC_MOTSTANDARE, parti->namn);
    setText(IDC_MOTKLUBB, parti->klubb);
    setText(IDC_MOTRANKING, std::to_string(parti->ranking));
}

void RankingDialog::valdb() {
    const int rad = selection(IDC_TURNERINGSLISTA);
    if (rad >= 0) setText(IDC_AKTUELLTURNERING, rowText(IDC_TURNERINGSLISTA, rad));
}

void RankingDialog::bekraftaa() {
    // A result typed since the last tick counts as completed.
    timefunk();
    const Partifalt f{text(IDC_MOTSTANDARE), text(IDC_MOTKLUBB),  text(IDC_MOTRANKING),
                      text(IDC_RESULTAT),    text(IDC_TURNERING), text(IDC_DATUM)};
    const auto parti = bekraftaParti(state_.globnamn, state_.globperiod, f);
    if (!parti) {
        ui::TEnkel(this, RUTA_PARTI_FEL).Execute();
        return;
    }
    noteraParti(*parti);
    laggTill(IDC_MOTSTANDARLISTA, motstandare_, parti->namn);
    for (int id : {IDC_MOTSTANDARE, IDC_MOTKLUBB, IDC_MOTRANKING, IDC_RESULTAT, IDC_TURNERING, IDC_DATUM})
        setText(id, "");
    setFocus(IDC_MOTSTANDARE);
}

void RankingDialog::bekraftab() {
    const auto andring =
        bekraftaTurnering(state_.globnamn, state_.globperiod, text(IDC_AKTUELLTURNERING), text(IDC_ANDRING));
    if (!andring) {
        ui::TEnkel(this, RUTA_TURNERING_FEL).Execute();
        return;
    }
    noteraTurnering(*andring);
    if (!andring->namn.empty()) laggTill(IDC_TURNERINGSLISTA, turneringar_, andring->namn);
    setText(IDC_AKTUELLTURNERING, "");
    setText(IDC_ANDRING, "");
    setFocus(IDC_AKTUELLTURNERING);
}

void RankingDialog::CmOk() {
    verkstallResultat();
    close();
}

void RankingDialog::onDestroy() {
    stopTimer(kTimer);
    kommando::stang();
}

} // namespace rank
