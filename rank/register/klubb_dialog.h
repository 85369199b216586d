// "Namn på föreningen ": the club name of every list. Closing the dialog, however, stores the
// field in "AKLUBB".
#pragma once
#include "ui/window.h"

namespace rank {

class KlubbDialog : public ui::Dialog {
  public:
    explicit KlubbDialog(ui::Window* parent);
    static KlubbDialog* oppna(ui::Window* parent);

  protected:
    void onDestroy() override;
};

} // namespace rank
