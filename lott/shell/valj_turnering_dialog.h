// The choose-tournament step: which tournament (and, for earlier results, which round) a
// command works on. Committing fills the shared state and posts 1003 to the main window.
#pragma once
#include "lott/state.h"
#include "ui/window.h"

class ValjTurneringDialog : public ui::Dialog {
  public:
    // Dialog 795 (tournament and round) for action code 5, dialog 3 for every other code.
    ValjTurneringDialog(ui::Window* parent, LottState& state, int code);

    // Lists the tournaments of "TURN", the newest selected; for code 5 also the rounds of the
    // newest tournament: the played ones, then the rest up to 18 in parentheses.
    void fyll();
    void CmOk() override;

  protected:
    // Closed without a commit: the command ends.
    void onDestroy() override;

  private:
    LottState& state_;
    int code_;
    bool vald_ = false; // committed: the next step takes over the command
};
