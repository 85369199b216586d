// "Ranking från LOTT-turnering": the window of ratingbridge. The user picks a tournament
// directory, a tournament, the rating period and the first rated round; "Exportera" writes the
// tournament's rating changes into the "TALLA" of the directory the tool was started in.
#pragma once
#include <string>

#include "tools/ratingbridge/exportera.h"
#include "ui/window.h"

class ExportDialog : public ui::Dialog {
  public:
    ExportDialog();

    // Start: the output files of the start directory, its tournaments, the periods with today's
    // preselected.
    void FormCreate();
    // The directory list made another directory current: its tournaments, when it has a "TURN".
    void DirectoryListBox1Change();
    // "Exportera".
    void Button1Click();

  private:
    void lasTurneringar();
    // Shows an outcome in the first note; the second note is emptied.
    void visa(const std::string& utfall);

    ratingbridge::Ratingfiler filer_;
};
