#include "lott/results/avbryt_dialog.h"

#include "lott/kommando.h"
#include "resources/lott/andringar.h"
#include "store/text.h"
#include "store/tournament.h"
#include "ui/message_box.h"

using namespace lottres;

namespace {
constexpr int kTimer = 2;
constexpr int kTimerMs = 300;
constexpr std::size_t kLasbaraTecken = 4; // the completion reads at most this much of the field
constexpr int kVarningAngra = 2335;
constexpr int kHjalp = 39;
constexpr int kValfritt = 4;
} // namespace

AvbrytDialog::AvbrytDialog(ui::Window* parent) : ui::Dialog(parent, avbrytResurs()) {
    onSelectionChange(IDC_PARTIER, [this] { EvLBNSelChangec(); });
    onButton(IDC_BEKRAFTA, [this] { nyttres(); });
    onButton(IDC_AVBRYT_HJALP, [this] { hjalp(); });
}

AvbrytDialog::~AvbrytDialog() = default;

void AvbrytDialog::lasavbryt(int lage) {
    if (lage == Avbrottslista::kAllaPartier) {
        setCaption("Ångra enskilda resultat");
        ui::TEnkel(this, kVarningAngra).Execute();
    }
    const int turnnr = store::readTillb().filnamnint;
    const bool valfri = store::poangvalfunk(turnnr, 0) == kValfritt;
    lista_ = std::make_unique<Avbrottslista>(turnnr, lage, valfri);
    for (const auto& rad : lista_->rader())
        addRow(IDC_PARTIER, rad);
    if (!valfri) startTimer(kTimer, kTimerMs, [this] { timefunk(); });
}

void AvbrytDialog::EvLBNSelChangec() {
    const int vald = selection(IDC_PARTIER);
    if (vald < 0 || !lista_) return;
    const auto m = lista_->markera(rowText(IDC_PARTIER, vald));
    if (!m) return;
    setText(IDC_VIT, m->vit);
    setText(IDC_SVART, m->svart);
    setText(IDC_RESULTAT, m->resultat);
}

void AvbrytDialog::timefunk() {
    const auto klart = avbrott::fullborda(store::firstChars(text(IDC_RESULTAT), kLasbaraTecken));
    kod_ = klart.kod;
    if (klart.text != text(IDC_RESULTAT)) setText(IDC_RESULTAT, klart.text);
}

void AvbrytDialog::nyttres() {
    const int vald = selection(IDC_PARTIER);
    if (vald < 0 || !lista_) return;
    const std::string rad = rowText(IDC_PARTIER, vald);
    if (lista_->valfritt()) {
        lista_->bekraftaValfritt(rad, text(IDC_RESULTAT));
        return;
    }
    timefunk();
    lista_->bekrafta(rad, kod_);
}

void AvbrytDialog::hjalp() {
    ui::TEnkel(this, kHjalp).Execute();
}

void AvbrytDialog::CmOk() {
    if (lista_) lista_->verkstall();
    close();
}

void AvbrytDialog::CmCancel() {
    close();
}

void AvbrytDialog::onDestroy() {
    stopTimer(kTimer);
    kommando::stang();
}

AvbrytDialog* oppnaAvbrytDialog(ui::Window* parent, int lage) {
    auto* d = new AvbrytDialog(parent);
    d->show();
    d->lasavbryt(lage);
    return d;
}
