#include "lott/results/elo_titel_dialog.h"

#include <unordered_map>

#include "lott/results/elotitel.h"
#include "resources/lott/tillval.h"
#include "store/files.h"
#include "store/tournament.h"
#include "ui/message_box.h"

using namespace lottres;

namespace {
constexpr int kHjalpElo = 42;
} // namespace

EloTitelDialog::EloTitelDialog(ui::Window* parent, Lage lage)
    : TillvalDialog(parent, elotitelResurs(), tillval::Flagga::Elotitel, lage) {
    std::unordered_map<int, elostructab> lagrade;
    for (const auto& e : tillval::lasOmFinns<elostructab>(turnnr(), 'E'))
        lagrade[e.nr] = e;
    for (const auto& s : tillval::startlista(turnnr())) {
        addRow(IDC_ELOSPELARE, elotitel::spelarRad(s));
        const auto it = lagrade.find(s.nr);
        poster_.push_back(it == lagrade.end() ? elostructab{s.nr, 0, ""} : it->second);
    }
    onSelectionChange(IDC_ELOSPELARE, [this] { visaSpelare(); });
    onButton(IDC_ELOBEKRAFTA, [this] { bekrafta(); });
    onButton(IDC_ELOHJALP, [this] { hjalp(); });
}

void EloTitelDialog::visaSpelare() {
    const int rad = selection(IDC_ELOSPELARE);
    if (rad < 0) return;
    setText(IDC_ELOVALD, rowText(IDC_ELOSPELARE, rad));
    setText(IDC_ELOTAL, std::to_string(poster_[rad].elo));
    setText(IDC_TITEL, poster_[rad].titel);
}

void EloTitelDialog::bekrafta() {
    const int rad = selection(IDC_ELOSPELARE);
    if (rad < 0) return;
    poster_[rad].elo = elotitel::eloAvText(text(IDC_ELOTAL));
    poster_[rad].titel = elotitel::titelAvText(text(IDC_TITEL));
}

void EloTitelDialog::hjalp() {
    ui::TEnkel(this, kHjalpElo).Execute();
}

void EloTitelDialog::CmOk() {
    store::writeAll(store::tournamentFile(turnnr(), 'E'), poster_);
    close();
}
