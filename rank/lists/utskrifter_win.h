// UtskrifterWin: the window in which rank shows a list (the ranking list, the federation list or a
// rating report) and from which it is printed. The lines come computed from the core; this window
// only places them on the screen and on paper.
#pragma once
#include <vector>

#include "rank/lists/listinnehall.h"
#include "rank/lists/utskrifter.h"
#include "ui/report_window.h"

namespace rank {

class UtskrifterWin : public ui::ReportWindow {
  public:
    // A list window of kind `slag` ("Rankinglista", "SSF:lista" or "Rankingrapport") on `lista`,
    // placed at 1/20 of the screen from the top left, 19/20 of the screen wide and 17/20 high.
    UtskrifterWin(ui::Window* parent, Listslag slag, Listinnehall lista);
    static UtskrifterWin* oppna(ui::Window* parent, Listslag slag, Listinnehall lista);

    void paint(ui::Canvas& canvas) override;

    // "&Skriv ut": the federation list prints its next page (and the window closes after the last
    // one); the other lists print every page in one job.
    void CmFilePrint();
    void CmFilePageSetup();

    // The federation list's paging: the first row of the next page (`poster`).
    std::size_t poster() const;

  private:
    void rita(ui::Canvas& canvas, const Sida& sida);

    Listslag slag_;
    Listinnehall lista_;
    Typsnitt skarm_;
    std::vector<Sidintervall> ssfSidor_; // federation list: its pages
    std::size_t nastaSsfSida_ = 0;       // federation list: the page the next print prints
    std::vector<Sidintervall> utskrift_; // the pages of the print job in progress
};

} // namespace rank
