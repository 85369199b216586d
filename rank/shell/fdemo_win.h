// rank's main window "Rankingverktyg": the menu "COMMANDS", the one-window-at-a-time rule through
// "STANGT", and the private messages through which a dialog hands over to the next step.
#pragma once
#include "rank/state.h"
#include "ui/main_window.h"

namespace rank {

class FDemoWin : public ui::MainWindow {
  public:
    FDemoWin();
    ~FDemoWin() override;

    RankState& state() { return state_; }

    // Admission of a command that opens a dialog: with a dialog open ("STANGT" holds "1") shows
    // "Stäng först det fönster som du redan har öppet!" and returns false; otherwise marks a dialog
    // open and returns true.
    bool oppnaKommando();

    // Menu commands.
    void Cmfont();
    void gorlista();
    void flytlista();
    void ssflista();
    void rankingrapporter();
    void rankingrapporterAlla();
    void klubbnamn();
    void CmDemoExit();
    void nySpelare();
    void uppdateraSpelare();
    void taBortSpelare();
    void nyaResultat();
    void angraResultat();
    void rankingberakna();
    void CmAbout();

  private:
    // The member choice for the command `vilken` (rankingellerspelare).
    void valjSpelare(int vilken);
    // The period dialog in mode `vv`.
    void valjPeriod(int vv);

    RankState state_;
};

} // namespace rank
