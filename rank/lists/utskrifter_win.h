// UtskrifterWin: the window in which rank shows a list (the ranking list, the federation list or a
// rating report) and from which it is printed. The lines come computed from the core; this window
// only places them on the screen and describes them for the paper.
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
    // The federation list's next page, or every page of the other lists.
    ui::PaperReport paperReport() override;

    // Rows [rader.fran, rader.till) of `lista` as they go on paper under the list's head (`forts`:
    // the head of a later page): the title, the texts under it, the column headings and the rows
    // in their columns; the date stamp in the corner; a PDF named after the list in
    // "rankingutskrifter".
    static ui::PaperReport pappersrapport(const Listinnehall& lista, Listslag slag, Sidintervall rader,
                                          bool forts);

    // "&Skriv ut": the federation list prints its next page (and the window closes after the last
    // one); the other lists print every page in one job.
    void CmFilePrint();
    void CmFilePrintPreview();
    void CmFilePageSetup();

    // The federation list's paging: the first row of the next page (`poster`).
    std::size_t poster() const;

  private:
    void utskriven(); // after a print job of the window: the federation list's next page
    Listslag slag_;
    Listinnehall lista_;
    Typsnitt skarm_;
    std::vector<Sidintervall> ssfSidor_; // federation list: its pages
    std::size_t nastaSsfSida_ = 0;       // federation list: the page the next print prints
};

} // namespace rank
