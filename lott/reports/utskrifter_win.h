// UtskrifterWin: the window in which every report of lott is shown and from which it is printed.
// "&Skriv ut" prints the whole report as one job, laid out for the paper, and the window closes
// once it is printed; "Förhandsgranska" shows the printed sheets first. Closing it writes the
// report's HTML page (and the final report's text file) into "lottutskrifter".
#pragma once
#include <optional>
#include <string>

#include "lott/reports/report_content.h"
#include "lott/reports/report_input.h"
#include "lott/state.h"
#include "ui/report_window.h"

class UtskrifterWin : public ui::ReportWindow {
  public:
    // Menu command ids of "&Alternativ".
    static constexpr int CM_SKRIVUT = 2213;
    static constexpr int CM_SIDINSTALLNINGAR = 2214;
    static constexpr int CM_STANG = 2215;
    static constexpr int CM_FORHANDSGRANSKA = 2216;

    // A report window titled `caption` on the report described by `input`. Placed at 1/20 of the
    // screen from the top left, 19/20 of the screen wide and 17/20 high.
    UtskrifterWin(ui::Window* parent, const std::string& caption, reports::ReportInput input);

    // Opens and shows the report of kind `state.vilkpaint` titled `caption`, on the lists the
    // main window has prepared; `kategori` names the own category of kind 9.
    static UtskrifterWin* open(ui::Window* parent, const LottState& state, const std::string& caption,
                               const std::string& kategori = {});

    void paint(ui::Canvas& canvas) override;
    // Every page of the report, as the printer sets it on paper.
    ui::PaperReport paperReport() override;

    void CmFilePrint();        // prints the whole report; closes the window once it is printed
    void CmFilePrintPreview(); // the printed sheets on screen, printable from there
    void CmFilePageSetup();    // the printer's page set-up dialog

    // Pages of the report: `sidposter` rows each (ranking groups: whole groups).
    int pageCount();

  protected:
    void onDestroy() override; // writes the report files

  private:
    const reports::ReportContent& content(reports::Band band);
    void draw(ui::Canvas& canvas, reports::Band band);

    reports::ReportInput input_;
    reports::Band screenBand_ = reports::Band::Small;
    std::optional<reports::ReportContent> contents_[3]; // by band, built when first drawn
    std::string stamp_;                                 // the date stamp `docht`, taken when the window opens
};
