#include "rank/register/ladda_spelare_dialog.h"

#include "rank/kommando.h"
#include "rank/register/register.h"
#include "resources/rank/dialoger.h"

using namespace rankres;

namespace rank {

namespace {
// The message each command's member choice posts.
int nastaSteg(int rankingellerspelare) {
    switch (rankingellerspelare) {
    case kNyaResultat:
        return MSG_PERIOD_RESULTAT;
    case kAngra:
        return MSG_ANGRA;
    case kRapport:
        return MSG_PERIOD_RAPPORT;
    default:
        return MSG_UPPDATERA;
    }
}
} // namespace

LaddaSpelareDialog::LaddaSpelareDialog(ui::Window* parent, RankState& state)
    : Dialog(parent, rankres::valjSpelare()), state_(state) {
    for (const auto& namn : spelarnamn())
        addRow(IDC_LISTA, namn);
}

LaddaSpelareDialog* LaddaSpelareDialog::oppna(ui::Window* parent, RankState& state) {
    auto* d = new LaddaSpelareDialog(parent, state);
    d->show();
    return d;
}

void LaddaSpelareDialog::CmOk() {
    const int vald = selection(IDC_LISTA);
    if (vald >= 0) {
        const std::string namn = rowText(IDC_LISTA, vald);
        if (auto s = hittaSpelare(namn)) {
            state_.valjSpelare(*s, finnsissflista(namn) == 1);
            vald_ = true;
        }
    }
    close();
    if (vald_) post(nastaSteg(state_.rankingellerspelare));
}

void LaddaSpelareDialog::onDestroy() {
    if (!vald_) kommando::stang();
}

} // namespace rank
