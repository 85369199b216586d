// The window of resultfix: the tournament, the game to replace (white's and black's start
// numbers), the new players and the result; "Bekräfta" makes the correction or says why not.
#pragma once
#include "tools/resultfix/variant.h"
#include "ui/window.h"

class KorrigeringDialog : public ui::Dialog {
  public:
    explicit KorrigeringDialog(resultfix::Variant v);

    // Start: the tournaments of the current directory ("TURN" created when missing); the plain
    // variant starts the once-a-second completion of the result word.
    void FormCreate();
    // The completion timer.
    void Timer1Timer();
    // "Bekräfta".
    void Button1Click();

  private:
    resultfix::Variant variant_;
};
