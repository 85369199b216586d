// "Uppskjutna och avbrutna partier": the open games of the tournament recorded in "TILLB" get
// their results (mode 1); in mode 2, "Ångra enskilda resultat", any stored result is corrected.
#pragma once
#include <memory>

#include "lott/results/avbrott.h"
#include "ui/window.h"

class AvbrytDialog : public ui::Dialog {
  public:
    explicit AvbrytDialog(ui::Window* parent);
    ~AvbrytDialog() override;

    // Fills the list: mode 1 the postponed and adjourned games, mode 2 every game (after a
    // warning). Starts the completion timer unless the tournament uses custom scores.
    void lasavbryt(int lage);

    void EvLBNSelChangec(); // a line was selected: its players and stored result
    void nyttres();         // "&Bekräfta": the typed result for the selected game, kept until "&Verkställ"
    void hjalp();
    void CmOk() override;     // "&Verkställ": writes every confirmed result and closes
    void CmCancel() override; // "&Avbryt": closes, nothing written

  protected:
    void onDestroy() override;

  private:
    void timefunk();

    std::unique_ptr<Avbrottslista> lista_;
    int kod_ = resUppskjutet; // the code of the result field as last completed
};

// Opens the dialog in mode `lage` (1 open games, 2 single-result correction) and fills it.
AvbrytDialog* oppnaAvbrytDialog(ui::Window* parent, int lage);
