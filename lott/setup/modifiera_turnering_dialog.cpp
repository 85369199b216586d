#include "lott/setup/modifiera_turnering_dialog.h"

#include "lott/kommando.h"
#include "lott/setup/modifiera_system_dialog.h"
#include "resources/lott/spelare_dialogs.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/text.h"
#include "ui/message_box.h"

using namespace lottres;

namespace {
constexpr int kOfullstandig = 6;
constexpr int kMarkeraForst = 7;
constexpr int kHjalpText = 8;
} // namespace

ModifieraTurneringDialog::ModifieraTurneringDialog(ui::Window* parent, LottState& state)
    : ui::Dialog(parent, modifieraTurneringResurs()), state_(state) {
    onButton(IDC_MALL_LAGGTILL, [this] { laggtill(); });
    onButton(IDC_MALL_TABORT, [this] { tabort(); });
    onButton(IDC_MALL_HJALP, [this] { hjalp(); });
    onButton(IDC_MALL_VERKSTALL, [this] { CmOk(); });
}

void ModifieraTurneringDialog::laslistbox() {
    store::writeText(store::fil::STANGT, "1");
    const auto laddas = store::readAll<spelarstructtva>(store::fil::LADDAS);
    for (const auto& s : laddas)
        addRow(IDC_MALL_SPELARE, s.namn);
    raknare_ = raknaMall(laddas);
}

void ModifieraTurneringDialog::laggtill() {
    const std::string namn = store::firstChars(text(IDC_MALL_NAMN), kMallNamnMax);
    if (!laggTillMallspelare(raknare_, namn, text(IDC_MALL_KLUBB), text(IDC_MALL_RANKING))) {
        ui::TEnkel(this, kOfullstandig).Execute();
        return;
    }
    addRow(IDC_MALL_SPELARE, namn);
    setText(IDC_MALL_NAMN, "");
    setText(IDC_MALL_KLUBB, "");
    setText(IDC_MALL_RANKING, "");
}

void ModifieraTurneringDialog::tabort() {
    const int vald = selection(IDC_MALL_SPELARE);
    if (vald < 0) {
        ui::TEnkel(this, kMarkeraForst).Execute();
        return;
    }
    taBortMallspelare(raknare_, vald);
    deleteRow(IDC_MALL_SPELARE, vald);
}

void ModifieraTurneringDialog::hjalp() {
    ui::TEnkel(this, kHjalpText).Execute();
}

void ModifieraTurneringDialog::CmOk() {
    ModifieraSystemDialog system(this);
    const auto val = system.fraga();
    if (!val) return; // closed without an answer: nothing is created, the list stays
    verkstallMall(*val, state_.hamtadfran);
    close();
}

void ModifieraTurneringDialog::onDestroy() {
    kommando::stang();
}

void oppnaModifieraTurnering(ui::Window* parent, LottState& state) {
    auto* dialog = new ModifieraTurneringDialog(parent, state);
    dialog->show();
    dialog->laslistbox();
}
