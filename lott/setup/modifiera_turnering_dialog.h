// Dialog 4, "Modifiera uppgifter": the players loaded from an earlier tournament ("LADDAS"), to
// which players are added and from which they are removed. "&Verkställ" asks for the system
// (dialog 47) and creates the new tournament.
#pragma once
#include "lott/setup/mallturnering.h"
#include "lott/state.h"
#include "ui/window.h"

class ModifieraTurneringDialog : public ui::Dialog {
  public:
    ModifieraTurneringDialog(ui::Window* parent, LottState& state);

    // Lists the names of "LADDAS" and takes the counters from them.
    void laslistbox();
    void laggtill(); // "Lägg till spelare"
    void tabort();   // "Ta bort spelare"
    void hjalp();
    void CmOk() override; // "&Verkställ"

  protected:
    void onDestroy() override;

  private:
    LottState& state_;
    MallRaknare raknare_;
};

// Creates, shows and fills the dialog on the players just loaded (message 1004).
void oppnaModifieraTurnering(ui::Window* parent, LottState& state);
