// "Ångra resultat för <member>": the member's games, one line each; a double-clicked line's game is
// taken out of the working copy "AA", and "&Verkställ" makes the copy the new "ALLA".
#pragma once
#include <memory>

#include "rank/results/angra.h"
#include "rank/state.h"
#include "ui/window.h"

namespace rank {

class AngraDialog : public ui::Dialog {
  public:
    AngraDialog(ui::Window* parent, const RankState& state);
    static AngraDialog* oppna(ui::Window* parent, const RankState& state);

    void vald();          // removes the game of the double-clicked line
    void CmOk() override; // "&Verkställ": "ALLA" replaced by "AA"

  protected:
    void onDestroy() override;

  private:
    std::unique_ptr<Angra> angra_;
};

} // namespace rank
