// "Ny spelare in i turneringen": a late entry into the tournament recorded in "TILLB".
#pragma once
#include "lott/pairing/inlankning.h"
#include "ui/window.h"

class SpelareInDialog : public ui::Dialog {
  public:
    explicit SpelareInDialog(ui::Window* parent);

    // Reads the tournament (`valfri` 4 under custom scores, else 0) and shows the number the new
    // player will get; warns when the tournament has started.
    void lasspelarein(int valfri);
    // "&Verkställ": stores the player and closes, or tells what is missing and stays open.
    void CmOk() override;

  protected:
    void onDestroy() override;

  private:
    // The ranking field takes digits and blanks only.
    void bararSiffror();

    int turnnr_ = 0;
    Inlankningslage lage_;
};

// Opens the late-entry dialog and fills it.
SpelareInDialog* oppnaSpelareInDialog(ui::Window* parent, int valfri);
