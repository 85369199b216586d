#include "tools/ratingbridge/export_dialog.h"

#include <filesystem>

#include "rank/rating/period.h"
#include "resources/ratingbridge/ratingbridge_fonster.h"
#include "store/clock.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/journal.h"
#include "tools/ratingbridge/periodlista.h"
#include "tools/ratingbridge/rankingexport.h"

using namespace ratingbridgeres;

ExportDialog::ExportDialog() : ui::Dialog(nullptr, ratingbridgeFonster()) {
    onSelectionChange(IDC_KATALOGER, [this] { DirectoryListBox1Change(); });
    onButton(IDC_EXPORTERA, [this] { Button1Click(); });
    FormCreate();
}

void ExportDialog::FormCreate() {
    // A result entry that rank did not finish is finished before "TALLA" is read.
    store::finishJournal();
    // "TALLA" stays the start directory's, wherever the directory list goes.
    filer_ = ratingbridge::Ratingfiler::i(std::filesystem::current_path().string());
    lasTurneringar();
    for (int p = 0; p < rating::kAntalPerioder; ++p)
        addRow(IDC_PERIODER, ratingbridge::periodRad(p));
    const std::tm idag = store::localNow();
    const int aktuell = rating::periodIndex(idag.tm_year + 1900, idag.tm_mon + 1);
    if (aktuell >= 0 && aktuell < rating::kAntalPerioder) select(IDC_PERIODER, aktuell);
}

void ExportDialog::lasTurneringar() {
    // A directory without "TURN" leaves the list as it was.
    if (!store::exists(store::fil::TURN)) return;
    clearList(IDC_TURNERINGAR);
    for (const auto& t : store::readAll<turneringsstruct>(store::fil::TURN))
        addRow(IDC_TURNERINGAR, t.tnamn);
}

void ExportDialog::DirectoryListBox1Change() {
    lasTurneringar();
}

void ExportDialog::visa(const std::string& utfall) {
    setText(IDC_STATUS, utfall);
    setText(IDC_NOT, "");
}

void ExportDialog::Button1Click() {
    const auto rond = ratingbridge::forstaRond(text(IDC_ROND));
    if (!rond) return visa(kOgiltigRond);
    const int turnering = selection(IDC_TURNERINGAR);
    if (turnering < 0) return visa(kIngenTurnering);
    const int period = selection(IDC_PERIODER);
    if (period < 0) return visa(kIngenPeriod);
    switch (ratingbridge::exportera(filer_, turnering, period, *rond)) {
    case ratingbridge::Exportutfall::Klart:
        return visa(kKlart);
    case ratingbridge::Exportutfall::TurneringenFinnsEj:
        return visa(kTurneringenFinnsEj);
    }
}
