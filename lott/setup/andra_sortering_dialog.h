// The sort dialog, dialog 2344, "Sortera deltarlista" (action 101): the participants sorted by
// name, ranking or club, and "&Skriv ut" for the participants list in the order shown.
#pragma once
#include <vector>

#include "lott/setup/sortering.h"
#include "lott/state.h"
#include "ui/window.h"

class AndraSorteringDialog : public ui::Dialog {
  public:
    AndraSorteringDialog(ui::Window* parent, LottState& state);

    void laslistbox(); // the players of the chosen tournament, bye left out, by name
    void namnsort();
    void rankingsort();
    void klubbsort();
    // The participants list in the order shown: the main window opens it (message 1003, code 1).
    void skrivut();
    void CmOk() override; // "&Stäng"

  protected:
    void onDestroy() override;

  private:
    void fyll(Sorteringslage lage);

    LottState& state_;
    std::vector<spelarstructtva> spelare_; // the players listed
    std::vector<spelarstructtva> rader_;   // the player of each row, in the order shown
    bool committed_ = false;
};

// Creates, shows and fills the sort dialog on the chosen tournament.
void oppnaAndraSortering(ui::Window* parent, LottState& state);
