#include "lott/setup/andra_spelar_uppgifter_dialog.h"

#include "lott/kommando.h"
#include "lott/setup/modifiera_spelar_uppgifter_dialog.h"
#include "resources/lott/spelare_dialogs.h"
#include "store/files.h"
#include "store/tournament.h"
#include "ui/message_box.h"

using namespace lottres;

namespace {
constexpr int kHjalpText = 2337;
} // namespace

AndraSpelarUppgifterDialog::AndraSpelarUppgifterDialog(ui::Window* parent, const LottState& state)
    : ui::Dialog(parent, andraSpelarUppgifterResurs()), fnamn_(store::tournamentFile(state.turnnr, 'T')),
      valfri_(store::poangvalfunk(state.turnnr) == 4), laddade_(state.slistab), lista_(state.slistab) {
    onDoubleClick(IDC_UPPGIFTER, [this] { vald(); });
    onButton(IDC_UPPGIFTER_HJALP, [this] { hjalp(); });
}

void AndraSpelarUppgifterDialog::laslistbox() {
    flaggor_ = uppgiftsflaggor(lista_);
    // Rows name their players, so a start list with a gap in its numbers lists everyone too.
    for (std::size_t i = 0; i < lista_.size(); ++i) {
        if (store::isBye(lista_[i].namn)) continue;
        addRow(IDC_UPPGIFTER, std::to_string(lista_[i].nr) + ". " + lista_[i].namn);
        rader_.push_back(i);
    }
}

void AndraSpelarUppgifterDialog::vald() {
    const int rad = selection(IDC_UPPGIFTER);
    if (rad < 0 || rad >= static_cast<int>(rader_.size())) return;
    ModifieraSpelarUppgifterDialog form(this, lista_[rader_[rad]], flaggor_, valfri_);
    form.execute();
}

void AndraSpelarUppgifterDialog::hjalp() {
    ui::TEnkel(this, kHjalpText).Execute();
}

void AndraSpelarUppgifterDialog::CmOk() {
    const auto nuvarande = store::readAll<spelarstructtva>(fnamn_);
    store::writeAll(fnamn_, sparaUppgifter(nuvarande, laddade_, lista_));
    close();
}

void oppnaAndraSpelarUppgifter(ui::Window* parent, LottState& state) {
    auto* dialog = new AndraSpelarUppgifterDialog(parent, state);
    dialog->show();
    dialog->laslistbox();
    kommando::stang();
}
