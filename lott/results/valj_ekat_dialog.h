// Dialog 28, "Välj egen kategori": lists the own categories of the chosen tournament;
// double-clicking one opens the standings of that category ("Ställning egenkategorier"). The
// dialog stays open for the next category; "&Stäng" ends the command.
#pragma once
#include <vector>

#include "lott/results/egenkategori.h"
#include "lott/state.h"
#include "store/records.h"
#include "ui/window.h"

class ValjEkatDialog : public ui::Dialog {
  public:
    ValjEkatDialog(ui::Window* parent, LottState& state);

    void fyll();         // the categories of the tournament's ".K" file
    void valjKategori(); // the double-clicked category's standings

  protected:
    void onDestroy() override;

  private:
    LottState& state_;
    std::vector<egenkategoriastruct> poster_;
    std::vector<egenkat::Kategori> kategorier_;
};
