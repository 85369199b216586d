// Dialog 47, "Modifiera lottningsstystem", shown modally when a tournament built from an earlier
// one's players is committed: keep the earlier tournament's system ("Ändra inte") or choose a
// system and a scoring ("Ändra").
#pragma once
#include <optional>

#include "lott/setup/mallturnering.h"
#include "ui/window.h"

class ModifieraSystemDialog : public ui::Dialog {
  public:
    explicit ModifieraSystemDialog(ui::Window* parent);

    // Runs the dialog. "Ändra" gives the clicked system (Monrad when none was clicked) and
    // scoring; "Ändra inte" keeps the copied system and scores 1, ½, 0, whatever was clicked.
    // Nothing when the dialog was closed through its frame: the commit is called off.
    std::optional<SystemVal> fraga();

    void CmCancel() override;

  private:
    SystemVal val_;
};
