// Dialog 1029, "Spelare med egen kategori": the organiser names categories with a prize each
// and puts players into them by double-clicking. Starts from the tournament's ".K" file; every
// pick is appended to it at once, in the order made, so that closing the dialog in any way keeps
// the picks. "&Börja om" empties ".K" and starts again from no categories at all.
#pragma once
#include <vector>

#include "lott/results/egenkategori.h"
#include "lott/results/tillval_dialog.h"
#include "store/records.h"

class EgenKategoriDialog : public TillvalDialog {
  public:
    EgenKategoriDialog(ui::Window* parent, Lage lage);

    void nyKategori();  // "&Bekräfta ny kategori"
    void valjSpelare(); // a double-clicked player into the selected category
    void borjaOm();     // "&Börja om"
    void hjalp();
    void CmOk() override; // "&Verkställ"

  private:
    void visaKategorier();

    std::vector<egenkat::Kategori> kategorier_; // as listed in "&Aktuell egen kategori"
    std::vector<egenkategoriastruct> poster_;   // the ".K" records as they stand
};
