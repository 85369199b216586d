// Dialog 1601, "Ny turnering": name, rounds, pairing system, scoring, kvalitet method, player
// data and options of a new tournament. "&Kör" writes the set-up records and posts 1001.
#pragma once
#include "lott/state.h"
#include "ui/window.h"

class NyTurneringDialog : public ui::Dialog {
  public:
    NyTurneringDialog(ui::Window* parent, LottState& state);

    void CmOk() override;
    void hjalp();

  protected:
    void onDestroy() override;

  private:
    LottState& state_;
    int vilken_ = 0;   // 0 Nordisk schweizer, 1 Schweizer; "&Monrad" leaves it
    int kvalitet_ = 0; // 0 "Vanlig", 1 "Progressiv"
    int poang_ = 1;    // scoring code
    bool committed_ = false;
};
