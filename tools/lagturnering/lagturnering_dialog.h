// The window of lagturnering: the user picks a directory, one or more of its tournaments and
// the team event's name; "Räkna ut" writes the team standings page into "lottutskrifter".
#pragma once
#include "tools/lagturnering/variant.h"
#include "ui/window.h"

class LagturneringDialog : public ui::Dialog {
  public:
    explicit LagturneringDialog(lagturnering::Variant v);

    // Start: the tournaments of the start directory.
    void FormCreate();
    // The directory list made another directory current: its tournaments, when it has a "TURN".
    void DirectoryListBox1Change();
    // "Räkna ut".
    void Button1Click();

  private:
    void lasTurneringar();

    lagturnering::Variant variant_;
};
