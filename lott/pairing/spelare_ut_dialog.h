// "Spelare som utgår": a withdrawal from the tournament recorded in "TILLB".
#pragma once
#include "ui/window.h"

class SpelareUtDialog : public ui::Dialog {
  public:
    explicit SpelareUtDialog(ui::Window* parent);

    // Lists the players still in the tournament (`valfri` 4 under custom scores, else 0), then
    // warns against withdrawing between pairing and results.
    void lasspelareut(int valfri);
    // "&Verkställ": withdraws the selected player and closes; without a selection nothing happens.
    void CmOk() override;

  protected:
    void onDestroy() override;

  private:
    int turnnr_ = 0;
    bool valfri_ = false;
};

// Opens the withdrawal dialog and fills it.
SpelareUtDialog* oppnaSpelareUtDialog(ui::Window* parent, int valfri);
