// The common part of the four option dialogs (money prizes, ranking groups, Elo and titles, own
// categories). Opened in the chain after a new tournament's registration (or, for own
// categories, by "Lägg till egna kategorier") each clears its own flag in "TILLB" when it closes,
// committed or not, and posts 1002 so that the main window opens the next pending dialog or ends
// the command. Opened from "Ändra penningpriser" or "Ändra rankinggrupper", which start no
// command, it leaves "TILLB" and the command state alone.
#pragma once
#include "lott/results/tillval.h"
#include "ui/window.h"

class TillvalDialog : public ui::Dialog {
  public:
    enum class Lage { Kedja, Meny };

  protected:
    TillvalDialog(ui::Window* parent, const ui::DialogResource& resurs, tillval::Flagga flagga, Lage lage);
    void onDestroy() override;

    // The tournament the dialog works on (see tillval::turnering).
    int turnnr() const { return turnnr_; }
    // Makes edit `id` keep digits only, whatever is typed or pasted into it.
    void baraSiffrorI(int id);

  private:
    tillval::Flagga flagga_;
    Lage lage_;
    int turnnr_;
};
