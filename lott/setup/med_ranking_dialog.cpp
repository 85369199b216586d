#include "lott/setup/med_ranking_dialog.h"

#include <string>

#include "lott/kommando.h"
#include "lott/setup/registrering.h"
#include "resources/lott/setup_dialogs.h"
#include "store/filenames.h"
#include "store/files.h"
#include "ui/message_box.h"

namespace {
constexpr int kVarDetAlla = 33;
constexpr const char* kFelRanking = "Fyll alla rankingtal korrekt!!";

lottcstruct lasSkicka() {
    const auto poster = store::readAll<lottcstruct>(store::fil::SKICKA);
    return poster.empty() ? lottcstruct{} : poster.front();
}
} // namespace

MedRankingDialog::MedRankingDialog(ui::Window* parent, int turnkat)
    : ui::Dialog(parent, inskrivningResurs(turnkat)), layout_(inskrivningLayout(turnkat)) {
    skicka_ = lasSkicka();
    valfri_ = lasValfri();
    onButton(layout_.framatId, [this] { framat(); });
    onButton(layout_.bakatId, [this] { bakat(); });
    lasbnamn(1);
}

void MedRankingDialog::lasbnamn(int forsta) {
    forsta_ = forsta;
    const auto rader = sidansRader(lista_, layout_, forsta_);
    for (int i = 0; i < layout_.raderPerSida; ++i) {
        setText(nummerId(i), std::to_string(forsta_ + i));
        setText(namnId(i), rader[i].namn);
        if (layout_.klubb) setText(klubbId(i), rader[i].klubb);
        if (layout_.ranking) setText(rankingId(i), rader[i].ranking);
    }
}

std::vector<InskrivenRad> MedRankingDialog::synligaRader() const {
    std::vector<InskrivenRad> rader(layout_.raderPerSida);
    for (int i = 0; i < layout_.raderPerSida; ++i) {
        rader[i].namn = text(namnId(i));
        if (layout_.klubb) rader[i].klubb = text(klubbId(i));
        if (layout_.ranking) rader[i].ranking = text(rankingId(i));
    }
    return rader;
}

void MedRankingDialog::gorlista() {
    ::gorlista(lista_, layout_, forsta_, synligaRader(), valfri_);
}

void MedRankingDialog::framat() {
    gorlista();
    lasbnamn(nastaSida(layout_, forsta_));
}

void MedRankingDialog::bakat() {
    const int forra = foregaendeSida(layout_, forsta_);
    if (forra == 0) return;
    gorlista();
    lasbnamn(forra);
}

void MedRankingDialog::CmOk() {
    if (ui::TEnkel(this, kVarDetAlla).Execute() != 1) return;
    gorlista();
    const auto utfall = registreraSpelare(lista_, skicka_, valfri_);
    if (utfall.avvisad) {
        setCaption(kFelRanking);
        return;
    }
    lista_.clear();
    committed_ = true;
    ui::Window::post(MSG_TILLBEHOR);
    close();
}

void MedRankingDialog::onDestroy() {
    if (!committed_) kommando::stang();
    lista_.clear();
}
