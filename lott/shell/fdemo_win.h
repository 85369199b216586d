// lott's main window: the menu "COMMANDS", the one-command-at-a-time rule, the choose-tournament
// step and the four private messages through which dialogs hand over to the next step.
#pragma once
#include <string>

#include "lott/kommando.h"
#include "lott/state.h"
#include "lott/webb/webbplats.h"
#include "ui/main_window.h"

class FDemoWin : public ui::MainWindow {
  public:
    FDemoWin();
    ~FDemoWin() override;

    LottState& state() { return state_; }

    // Command admission: with a command open ("STANGT" holds "1") shows message 36 and returns
    // false; otherwise marks a command open and returns true.
    bool oppnaKommando();
    // Ends the command in progress: "0" to "STANGT".
    static void stangKommando();

    // Starts a command that goes through the choose-tournament step with action code `code`.
    void valjturn(int code);

    // Menu commands.
    void NyTurnering();
    void LaddaTurnering();
    void kommando(int code, int pstallningval = -1);
    void andrarank();
    void andrapris();
    void Cmfont();
    void CmHjalp();
    void CmAbout();
    void CmDemoExit();
    void CmFilePrinterSetup();
    void Publicera();

    // The overview of the folder's tournaments in the client area, read afresh from the files;
    // the ui layer runs it after every command, message and closed window.
    void visaOversikt();
    // The tournament web site brought up to date with the files; run with the overview.
    void uppdateraWebb();

    // Private messages.
    void EvDialogClosed();
    void EvDialogClosedb();
    void EvDialogClosedc();
    void EvDialogClosedd();

  private:
    webb::Lottad lottad() const; // the round paired last, for the site
    LottState state_;
    webb::Webbplats webb_;
};
