// "Välj spelare": the member a command works on (update, new results, undo, rating report).
// Committing fills the current-member state and posts the command's next step to the main window.
#pragma once
#include "rank/state.h"
#include "ui/window.h"

namespace rank {

class LaddaSpelareDialog : public ui::Dialog {
  public:
    LaddaSpelareDialog(ui::Window* parent, RankState& state);
    // Creates and shows the dialog with every member of "SPEL" in alphabetical order.
    static LaddaSpelareDialog* oppna(ui::Window* parent, RankState& state);

    void CmOk() override;

  protected:
    // Closed without a member chosen: the command ends.
    void onDestroy() override;

  private:
    RankState& state_;
    bool vald_ = false; // a member was chosen: the next step takes over the command
};

} // namespace rank
