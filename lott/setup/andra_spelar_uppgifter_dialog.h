// The player-data editor, dialog 2348, "Ändra spelaruppgifter" (action 14): a double-click opens
// the per-player form; "&Verkställ" stores every correction in the ".T" file, "&Avbryt" none.
#pragma once
#include <string>
#include <vector>

#include "lott/setup/spelaruppgifter.h"
#include "lott/state.h"
#include "ui/window.h"

class AndraSpelarUppgifterDialog : public ui::Dialog {
  public:
    // Works on a copy of the chosen tournament's player list (`state.slistab`).
    AndraSpelarUppgifterDialog(ui::Window* parent, const LottState& state);

    // "nr. name" for every player but the bye. The rows are not refreshed after a correction.
    void laslistbox();
    void vald(); // double-click: the per-player form
    void hjalp();
    void CmOk() override;

  private:
    std::string fnamn_;
    bool valfri_;
    std::vector<spelarstructtva> laddade_; // as filled
    std::vector<spelarstructtva> lista_;   // with the corrections
    std::vector<std::size_t> rader_;       // the player (index into lista_) of each row
    Uppgiftsflaggor flaggor_;
};

// Creates, shows and fills the editor on the chosen tournament; the command ends at once.
void oppnaAndraSpelarUppgifter(ui::Window* parent, LottState& state);
