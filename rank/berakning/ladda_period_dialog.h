// "Välj rankingperiod": the rating period (or, for the federation list, the round) a command works
// on. The mode `vv` says which command opened it and what committing does:
// 0 new results, 1 the recalculation with its commit, 2 the federation list, 3 one member's report,
// 4 the reports of every member.
#pragma once
#include "rank/state.h"
#include "ui/window.h"

namespace rank {

class LaddaPeriodDialog : public ui::Dialog {
  public:
    LaddaPeriodDialog(ui::Window* parent, RankState& state);
    // Creates and shows the dialog, filled for mode `vv`.
    static LaddaPeriodDialog* oppna(ui::Window* parent, RankState& state, int vv);

    // Fills the list for mode `vv` and preselects today's period (the one just ended when
    // `visaforegoendeperiod` is set, which is then cleared); mode 2 lists the rounds, unselected.
    void lasspelare(int vv);
    void CmOk() override;
    void hjalp();

  protected:
    void onDestroy() override;

  private:
    // Mode 1: recalculates into "STEMP", asks, and commits to "SPEL" when the user agrees (asking
    // once more when the period was committed before).
    void rankingberakna();

    RankState& state_;
    int vv_ = 0;
    bool vidare_ = false; // the next step takes over the command
};

} // namespace rank
