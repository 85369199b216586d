// The start-list editor, dialog 2347, "Ändra i startlistan och i lottningen i första ronden"
// (action 13): players move between start numbers before the first round of a Monrad
// tournament, which changes the first round's pairs. It leaves the command free as soon as it
// is shown, so it judges from the files again when it is committed.
#pragma once
#include <string>

#include "lott/setup/startlista.h"
#include "lott/state.h"
#include "ui/window.h"

class AndraStartDialog : public ui::Dialog {
  public:
    // Works on a copy of the chosen tournament's player list (`state.slistab`).
    AndraStartDialog(ui::Window* parent, const LottState& state);

    // Fills both lists, or explains (message 2341 after the first round, 2340 for a Swiss-type
    // tournament) and leaves them empty.
    void laslistbox();
    void valdb(); // double-click in the left list (start numbers 2, 4, 6...)
    void vald();  // double-click in the right list (start numbers 1, 3, 5...)
    void hjalp();
    void CmOk() override;

  private:
    void dubbelklick(bool hoger);
    void visa(int nr); // refreshes the row of start number `nr`

    int turnnr_;
    int systemc_;
    std::string fnamn_;
    Startlista lista_;
    bool ifylld_ = false; // the lists were filled: the tournament could be changed then
};

// Creates, shows and fills the editor on the chosen tournament; the command ends at once ("0" to
// "STANGT"), so closing the editor later leaves the flag to whatever command holds it then.
void oppnaAndraStart(ui::Window* parent, LottState& state);
