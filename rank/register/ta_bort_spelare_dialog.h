// "Ta bort spelare ur registret": removes the chosen member from "SPEL".
#pragma once
#include "ui/window.h"

namespace rank {

class TaBortSpelareDialog : public ui::Dialog {
  public:
    explicit TaBortSpelareDialog(ui::Window* parent);
    static TaBortSpelareDialog* oppna(ui::Window* parent);

    // With a member chosen, removes it from "SPEL" (see taBortSpelare); closes.
    void CmOk() override;

  protected:
    void onDestroy() override;
};

} // namespace rank
