// Dialog 5, "Välj turnering": the first step of "&Hämta spelare". Committing loads the chosen
// tournament's players into the working files and posts 1004: the modify-tournament dialog follows.
#pragma once
#include "lott/state.h"
#include "ui/window.h"

class LaddaTurneringDialog : public ui::Dialog {
  public:
    LaddaTurneringDialog(ui::Window* parent, LottState& state);

    // Lists every tournament of "TURN" (touched first) in file order, the newest selected.
    void laslistbox();
    void CmOk() override;

  protected:
    void onDestroy() override;

  private:
    LottState& state_;
    bool committed_ = false;
};

// Creates, shows and fills the dialog (the command has been admitted).
void oppnaLaddaTurnering(ui::Window* parent, LottState& state);
