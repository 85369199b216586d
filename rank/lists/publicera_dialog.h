// "Publicera webbsida": writes the ranking list into the web site's folder webb/, with the
// members' e-mail addresses only when "Visa e-postadresser" is ticked, and shows the folder.
#pragma once
#include "ui/window.h"

namespace rank {

class PubliceraDialog : public ui::Dialog {
  public:
    explicit PubliceraDialog(ui::Window* parent);
    static PubliceraDialog* oppna(ui::Window* parent);

    void CmOk() override;

  protected:
    void onDestroy() override;
};

} // namespace rank
