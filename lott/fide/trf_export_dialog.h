// "Exportera FIDE-rapport (TRF)" on the chosen tournament: the round to report up to (the last
// complete round unless changed), names without accents (on by default), and "&Exportera", which
// writes the report or lists what to fix.
#pragma once
#include "lott/state.h"
#include "ui/window.h"

class TrfExportDialog : public ui::Dialog {
  public:
    TrfExportDialog(ui::Window* parent, LottState& state);
    void CmOk() override; // "&Exportera": the dialog stays open to show what happened

  protected:
    void onDestroy() override;

  private:
    LottState& state_;
};

void oppnaTrfExport(ui::Window* parent, LottState& state);
