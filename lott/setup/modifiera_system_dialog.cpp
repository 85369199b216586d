#include "lott/setup/modifiera_system_dialog.h"

#include "resources/lott/spelare_dialogs.h"

using namespace lottres;

namespace {
constexpr int kAndra = ui::IDOK;
constexpr int kAndraInte = ui::IDCANCEL;
constexpr int kStangd = 0; // closed through the frame
} // namespace

ModifieraSystemDialog::ModifieraSystemDialog(ui::Window* parent)
    : ui::Dialog(parent, modifieraSystemResurs()) {
    // The scoring that applies until another is clicked; no system is chosen until one is clicked.
    setChecked(IDC_POANG1, true);
    onButton(IDC_MONRAD, [this] { val_.system = 0; });
    onButton(IDC_NORDISK, [this] { val_.system = 1; });
    onButton(IDC_SCHWEIZER, [this] { val_.system = 2; });
    for (int kod = 1; kod <= 3; ++kod)
        onButton(IDC_POANG1 + kod - 1, [this, kod] { val_.poang = kod; });
    onButton(kAndra, [this] {
        val_.andrad = true;
        if (val_.system == -1) val_.system = 0;
        endDialog(kAndra);
    });
    onButton(kAndraInte, [this] {
        val_ = SystemVal{};
        endDialog(kAndraInte);
    });
}

std::optional<SystemVal> ModifieraSystemDialog::fraga() {
    if (execute() == kStangd) return std::nullopt;
    return val_;
}

void ModifieraSystemDialog::CmCancel() {
    endDialog(kStangd);
}
