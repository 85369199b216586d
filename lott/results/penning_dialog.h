// "Penningpriser": the money prizes of the places 1 to 50 and whether players level on points
// share them. Starts from the prizes stored in the tournament's ".P" file; "&Verkställ" writes the
// edited whole back.
#pragma once
#include "lott/results/penningpriser.h"
#include "lott/results/tillval_dialog.h"

class PenningDialog : public TillvalDialog {
  public:
    PenningDialog(ui::Window* parent, Lage lage);

    void visaPlats();    // the selected place and its amount into "Pris &nr" and "Pris &kr"
    void bekraftaPris(); // "&Bekräfta pris": the typed amount for the selected place
    void hjalp();
    void CmOk() override; // "&Verkställ"

  private:
    penning::Priser priser_;
};
