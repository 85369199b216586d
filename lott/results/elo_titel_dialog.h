// "Spelare med titel och elotal": the Elo rating and title of each player of the start list.
// Starts from what the tournament's ".E" file holds; "&Verkställ" writes one record per listed
// player.
#pragma once
#include <vector>

#include "lott/results/tillval_dialog.h"
#include "store/records.h"

class EloTitelDialog : public TillvalDialog {
  public:
    EloTitelDialog(ui::Window* parent, Lage lage);

    void visaSpelare(); // the selected player, his Elo and title into the fields
    void bekrafta();    // "&Bekräfta": the typed Elo and title for the selected player
    void hjalp();
    void CmOk() override; // "&Verkställ"

  private:
    std::vector<elostructab> poster_; // one per listed player, in list order
};
