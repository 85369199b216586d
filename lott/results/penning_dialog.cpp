#include "lott/results/penning_dialog.h"

#include "resources/lott/tillval.h"
#include "store/files.h"
#include "store/tournament.h"
#include "ui/message_box.h"

using namespace lottres;

namespace {
constexpr int kHjalpPenning = 40;
} // namespace

PenningDialog::PenningDialog(ui::Window* parent, Lage lage)
    : TillvalDialog(parent, penningprisResurs(), tillval::Flagga::Penningpriser, lage),
      priser_(penning::avPoster(tillval::lasOmFinns<penningstruct>(turnnr(), 'P'))) {
    for (int plats = 1; plats <= penning::kPlatser; ++plats)
        addRow(IDC_PRISPLATSER, penning::platsText(plats));
    setChecked(priser_.delasellerej == 1 ? IDC_SARSKILJNING : IDC_DELAS, true);

    onSelectionChange(IDC_PRISPLATSER, [this] { visaPlats(); });
    baraSiffrorI(IDC_PRISKR);
    onButton(IDC_BEKRAFTAPRIS, [this] { bekraftaPris(); });
    onButton(IDC_DELAS, [this] { priser_.delasellerej = 0; });
    onButton(IDC_SARSKILJNING, [this] { priser_.delasellerej = 1; });
    onButton(IDC_PENNINGHJALP, [this] { hjalp(); });
}

void PenningDialog::visaPlats() {
    const int rad = selection(IDC_PRISPLATSER);
    if (rad < 0) return;
    setText(IDC_PRISNR, std::to_string(rad + 1));
    setText(IDC_PRISKR, std::to_string(priser_.belopp[rad]));
}

void PenningDialog::bekraftaPris() {
    const int rad = selection(IDC_PRISPLATSER);
    if (rad < 0) return;
    priser_.belopp[rad] = tillval::talAvText(tillval::baraSiffror(text(IDC_PRISKR)));
}

void PenningDialog::hjalp() {
    ui::TEnkel(this, kHjalpPenning).Execute();
}

void PenningDialog::CmOk() {
    store::writeAll(store::tournamentFile(turnnr(), 'P'), penning::tillPoster(priser_));
    close();
}
