#include "lott/results/resultat_dialog.h"

#include <cstdlib>

#include "lott/kommando.h"
#include "resources/lott/resultat.h"
#include "store/text.h"
#include "store/tournament.h"
#include "ui/message_box.h"

using namespace lottres;

namespace {
constexpr int kTimer = 1;
constexpr int kTimerMs = 300;
constexpr std::size_t kLasbaraTecken = 9; // the dialog reads at most this much of a result field
constexpr int kMeddelandeOfullstandigt = 15;
constexpr int kHjalpResultat = 38;
} // namespace

ResultatDialog::ResultatDialog(ui::Window* parent)
    : ui::Dialog(parent, resultat()),
      lista_(std::make_unique<Resultatinmatning>(Resultatinmatning::franLskicka(false))) {
    onButton(IDC_FRAMAT, [this] { framat(); });
    onButton(IDC_BAKAT, [this] { bakat(); });
    onButton(IDC_HJALP, [this] { hjalp(); });
}

ResultatDialog::~ResultatDialog() = default;

void ResultatDialog::skickaturnnr(int turnnr) {
    turnnrd_ = turnnr;
    poangvald_ = store::poangvalfunk(turnnr, 0);
    lista_->sattValfritt(valfritt());
}

void ResultatDialog::SetupWindow() {
    startTimer(kTimer, kTimerMs, [this] { timefunk(); });
}

int ResultatDialog::forstaBord() const {
    return std::atoi(text(idcBord(0)).c_str());
}

void ResultatDialog::lasbnamn(int forsta) {
    for (int i = 0; i < RESULTAT_RADER; ++i) {
        const int bord = forsta + i;
        setText(idcBord(i), std::to_string(bord));
        setText(idcVit(i), lista_->sattstrang(bord, 0));
        setText(idcSvart(i), lista_->sattstrang(bord, 1));
        setText(idcResultat(i), lista_->resultatfalt(bord));
    }
}

void ResultatDialog::timefunk() {
    if (valfritt()) return; // custom scores are typed in full
    const int forsta = forstaBord();
    for (int i = 0; i < RESULTAT_RADER; ++i) {
        const std::string typat = store::firstChars(text(idcResultat(i)), kLasbaraTecken);
        const std::string klart = lista_->foradla(forsta + i, typat);
        if (klart != text(idcResultat(i))) setText(idcResultat(i), klart);
    }
}

void ResultatDialog::gorlista() {
    Resultatinmatning::Sidtexter texter;
    for (int i = 0; i < RESULTAT_RADER; ++i)
        texter[i] = store::firstChars(text(idcResultat(i)), kLasbaraTecken);
    lista_->gorlista(forstaBord(), texter);
}

void ResultatDialog::framat() {
    gorlista();
    lasbnamn(forstaBord() + RESULTAT_RADER);
}

void ResultatDialog::bakat() {
    gorlista();
    const int forsta = forstaBord();
    if (forsta - RESULTAT_RADER >= 0) lasbnamn(forsta - RESULTAT_RADER);
}

void ResultatDialog::hjalp() {
    ui::TEnkel(this, kHjalpResultat).Execute();
}

void ResultatDialog::CmOk() {
    timefunk();
    gorlista();
    if (!lista_->spara(turnnrd_)) {
        // Everything typed stays: the page's fields and the committed boards.
        ui::TEnkel(this, kMeddelandeOfullstandigt).Execute();
        return;
    }
    close();
}

void ResultatDialog::CmCancel() {
    close();
}

void ResultatDialog::onDestroy() {
    kommando::stang();
    stopTimer(kTimer);
}

ResultatDialog* oppnaResultatDialog(ui::Window* parent, int turnnr) {
    auto* d = new ResultatDialog(parent);
    d->skickaturnnr(turnnr);
    d->show();
    d->SetupWindow();
    d->lasbnamn(1);
    return d;
}
