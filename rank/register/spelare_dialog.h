// "Spelaruppgifter": a new member (mode 0) or the member chosen last (mode 1) with rating, class,
// Elo number, e-mail address, new-player mark and federation-list mark.
#pragma once
#include "rank/state.h"
#include "ui/window.h"

namespace rank {

class SpelareDialog : public ui::Dialog {
  public:
    SpelareDialog(ui::Window* parent, RankState& state);
    // Creates and shows the dialog and fills it for `mode`.
    static SpelareDialog* oppna(ui::Window* parent, RankState& state, int mode);

    // Mode 0: empty fields, focus on "&Namn". Mode 1: the chosen member's data, focus on
    // "&Ranking".
    void lasspelare(int mode);
    // Stores what the fields hold (see sparaMedlem) and closes; a refused entry is explained first.
    void CmOk() override;

  protected:
    void onDestroy() override;

  private:
    RankState& state_;
    int mode_ = 0;
};

} // namespace rank
