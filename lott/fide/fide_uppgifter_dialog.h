// "FIDE-uppgifter": the players' and the event's details for the federation report, as a list
// (one row per player, sorted by start number, name or rating, narrowed by a search text) with
// the selected player's fields below and the event's fields under them. Typed values are checked
// as they are typed and the dialog says what is wrong; "S&para" writes both files.
#pragma once
#include <vector>

#include "lott/fide/uppgifter.h"
#include "lott/state.h"
#include "ui/window.h"

class FideUppgifterDialog : public ui::Dialog {
  public:
    FideUppgifterDialog(ui::Window* parent, LottState& state);
    void CmOk() override;

  protected:
    void onDestroy() override;

  private:
    void fyllLista();
    void visaVald();
    bool andraSpelaren(); // the fields into the selected player; false when something is wrong
    void kontrollera();   // says what is wrong with the fields as typed
    std::vector<std::string> felIFalten() const;

    LottState& state_;
    std::vector<fide::SpelarUppgift> spelare_;
    std::vector<std::size_t> rader_; // the player of each row, in the order shown
    int sortering_ = 0;              // 0 start number, 1 name, 2 rating
    std::size_t vald_ = static_cast<std::size_t>(-1);
};

void oppnaFideUppgifter(ui::Window* parent, LottState& state);
