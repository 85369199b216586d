#include "lott/setup/modifiera_spelar_uppgifter_dialog.h"

#include <string>

#include "resources/lott/spelare_dialogs.h"
#include "ui/message_box.h"

using namespace lottres;

namespace {
constexpr int kHjalpText = 2336;
} // namespace

ModifieraSpelarUppgifterDialog::ModifieraSpelarUppgifterDialog(ui::Window* parent, spelarstructtva& spelare,
                                                               Uppgiftsflaggor flaggor, bool valfri)
    : ui::Dialog(parent, modifieraSpelarUppgifterResurs()), spelare_(spelare), valfri_(valfri) {
    setCaption(modifieraSpelarUppgifterResurs().title + std::to_string(spelare.nr));
    setText(IDC_FORM_NAMN, spelare.namn);
    setText(IDC_FORM_KLUBB, spelare.klubb);
    setText(IDC_FORM_RANKING, std::to_string(spelare.ranking));
    setReadOnly(IDC_FORM_KLUBB, !flaggor.klubbar);
    setReadOnly(IDC_FORM_RANKING, !flaggor.rankingar);
    onButton(IDC_FORM_HJALP, [this] { hjalp(); });
}

void ModifieraSpelarUppgifterDialog::hjalp() {
    ui::TEnkel(this, kHjalpText).Execute();
}

void ModifieraSpelarUppgifterDialog::CmOk() {
    spelare_ = formularUppgifter(spelare_, text(IDC_FORM_NAMN), text(IDC_FORM_KLUBB), text(IDC_FORM_RANKING),
                                 valfri_);
    endDialog(ui::IDOK);
}
