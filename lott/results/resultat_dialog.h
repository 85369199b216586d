// "Resultat": the organiser types the results of the round paired last, ten boards a page.
// Shorthand is completed every 300 ms; OK appends the whole round to the tournament's games.
#pragma once
#include <memory>

#include "lott/results/resultatinmatning.h"
#include "ui/window.h"

class ResultatDialog : public ui::Dialog {
  public:
    // Builds the pairing and board lists from "LSKICKA"; reads no games.
    explicit ResultatDialog(ui::Window* parent);
    ~ResultatDialog() override;

    // The tournament, and with it the scoring code ("Valfritt" takes custom scores).
    void skickaturnnr(int turnnr);
    // Shows the page that starts with board `forsta`.
    void lasbnamn(int forsta);
    // Starts the completion timer.
    void SetupWindow();

    void framat();
    void bakat();
    void hjalp();
    void CmOk() override;
    void CmCancel() override;

  protected:
    void onDestroy() override;

  private:
    void timefunk();
    void gorlista();
    int forstaBord() const;
    bool valfritt() const { return poangvald_ == 4; }

    int turnnrd_ = 0;
    int poangvald_ = 0;
    std::unique_ptr<Resultatinmatning> lista_;
};

// Opens result entry for tournament `turnnr` on the pairing list just written, first page shown.
ResultatDialog* oppnaResultatDialog(ui::Window* parent, int turnnr);
