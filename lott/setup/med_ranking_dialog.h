// The player-registration form "Inskrivning av spelare", in the layout of the tournament's
// player-data category (dialogs 1, 428, 1528, 228). Players are typed page by page; "&Klar"
// and a confirmation write the start list, enter the tournament in "TURN" and post 1002.
#pragma once
#include <vector>

#include "lott/setup/inskrivning.h"
#include "store/records.h"
#include "ui/window.h"

class MedRankingDialog : public ui::Dialog {
  public:
    // Shows the first page at once.
    MedRankingDialog(ui::Window* parent, int turnkat);

    void lasbnamn(int forsta); // shows the page starting at start number `forsta`
    void gorlista();           // takes the visible page into the entry list
    void framat();             // ">> >>"
    void bakat();              // "<< <<"
    void CmOk() override;

  protected:
    void onDestroy() override;

  private:
    std::vector<InskrivenRad> synligaRader() const;

    const InskrivningLayout& layout_;
    lottcstruct skicka_;  // the tournament being set up, re-read with every page
    bool valfri_ = false; // custom scores: ranking fields hold team sizes 1..99
    int forsta_ = 1;      // first start number of the visible page
    std::vector<spelarstruct> lista_;
    bool committed_ = false;
};
