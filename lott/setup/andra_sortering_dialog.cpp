#include "lott/setup/andra_sortering_dialog.h"

#include "lott/kommando.h"
#include "lott/reports/report_input.h"
#include "resources/lott/spelare_dialogs.h"
#include "store/tournament.h"

using namespace lottres;

AndraSorteringDialog::AndraSorteringDialog(ui::Window* parent, LottState& state)
    : ui::Dialog(parent, andraSorteringResurs()), state_(state) {
    onButton(IDC_SORT_NAMN, [this] { namnsort(); });
    onButton(IDC_SORT_RANKING, [this] { rankingsort(); });
    onButton(IDC_SORT_KLUBB, [this] { klubbsort(); });
    onButton(IDC_SKRIVUT, [this] { skrivut(); });
}

void AndraSorteringDialog::laslistbox() {
    for (const auto& s : state_.slistab)
        if (!store::isBye(s.namn)) spelare_.push_back(s);
    setChecked(IDC_SORT_NAMN, true);
    fyll(Sorteringslage::Namn);
}

void AndraSorteringDialog::fyll(Sorteringslage lage) {
    clearList(IDC_SORTERAD);
    rader_.clear();
    // The list box sorts each entry into place; the player of each row moves along with it.
    for (const auto& s : spelare_) {
        const int at = addRow(IDC_SORTERAD, sorteringsrad(s, lage));
        rader_.insert(rader_.begin() + at, s);
    }
    if (lage != Sorteringslage::Ranking) return;
    // Rankings compare as numbers, not as text: 1850 above 950.
    rader_ = rankingordning(std::move(rader_));
    clearList(IDC_SORTERAD);
    for (const auto& s : rader_)
        insertRow(IDC_SORTERAD, -1, sorteringsrad(s, lage));
}

void AndraSorteringDialog::namnsort() {
    fyll(Sorteringslage::Namn);
}

void AndraSorteringDialog::rankingsort() {
    fyll(Sorteringslage::Ranking);
}

void AndraSorteringDialog::klubbsort() {
    fyll(Sorteringslage::Klubb);
}

void AndraSorteringDialog::skrivut() {
    state_.slistab = rader_;
    state_.vilkpaint = reports::kDeltagare;
    committed_ = true;
    close();
    post(MSG_UTFOR);
}

void AndraSorteringDialog::CmOk() {
    close();
}

void AndraSorteringDialog::onDestroy() {
    if (!committed_) kommando::stang();
}

void oppnaAndraSortering(ui::Window* parent, LottState& state) {
    auto* dialog = new AndraSorteringDialog(parent, state);
    dialog->show();
    dialog->laslistbox();
}
