// The per-player form of the player-data editor, dialog 2339, captioned "Uppgifter för
// startnummer " and the number: name, club and ranking of one player. Shown modally.
#pragma once
#include "lott/setup/spelaruppgifter.h"
#include "ui/window.h"

class ModifieraSpelarUppgifterDialog : public ui::Dialog {
  public:
    // Edits `spelare` in place on "&Verkställ"; club and ranking are read-only when the
    // tournament has none; `valfri`: ranking fields hold team sizes under "Valfritt".
    ModifieraSpelarUppgifterDialog(ui::Window* parent, spelarstructtva& spelare, Uppgiftsflaggor flaggor,
                                   bool valfri);

    void hjalp();
    void CmOk() override;

  private:
    spelarstructtva& spelare_;
    bool valfri_;
};
