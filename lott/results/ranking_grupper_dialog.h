// "Rankinggrupper": the organiser divides the field by rating into groups, by their number or
// by their size, from a first rating place on, with a prize per group. "&Verkställ" writes the
// tournament's ".G" file, or refuses input that makes no two groups (message 22) and writes
// nothing.
#pragma once
#include "lott/results/tillval_dialog.h"

class RankingGrupperDialog : public TillvalDialog {
  public:
    RankingGrupperDialog(ui::Window* parent, Lage lage);

    void hjalp();
    void CmOk() override; // "&Verkställ"

  private:
    int antalSpelare_ = 0; // N: the players of the start list, the bye not counted
    int delasellerej_ = 0;
};
