// "Nya rankingberäknande resultat för <member>.": the chosen member's games and tournament rating
// changes of the chosen period, confirmed one by one into the pending files and committed together.
// The result field is completed every 300 ms.
#pragma once
#include <string>
#include <vector>

#include "rank/state.h"
#include "ui/window.h"

namespace rank {

class RankingDialog : public ui::Dialog {
  public:
    RankingDialog(ui::Window* parent, RankState& state);
    // Creates and shows the dialog for state.globnamn and state.globperiod, with its timer running.
    static RankingDialog* oppna(ui::Window* parent, RankState& state);

    // Fills the opponent and tournament lists and empties the pending files.
    void lasranking();
    // Starts the completion timer (id 1, every 300 ms).
    void SetupWindow();

    void vald();          // an opponent double-clicked: the latest game against them fills the fields
    void valdb();         // a tournament double-clicked: its name into "&Aktuell turnering"
    void bekraftaa();     // "&Bekräfta" of a game
    void bekraftab();     // "&Bekräfta" of a tournament change
    void CmOk() override; // "&Verkställ": the pending games and changes to "ALLA" and "TALLA"

  protected:
    void onDestroy() override;

  private:
    void timefunk();
    // Adds `namn` to list `id` (mirrored by `rader`) at its alphabetical place unless it is there.
    void laggTill(int id, std::vector<std::string>& rader, const std::string& namn);

    RankState& state_;
    std::vector<std::string> motstandare_; // rows of the opponent list
    std::vector<std::string> turneringar_; // rows of the tournament list
};

} // namespace rank
