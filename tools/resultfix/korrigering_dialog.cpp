#include "tools/resultfix/korrigering_dialog.h"

#include "resources/resultfix/resultfix_fonster.h"
#include "store/tournament.h"
#include "tools/resultfix/korrigering.h"
#include "tools/resultfix/resultatord.h"

using namespace resultfixres;
using resultfix::Status;

namespace {

constexpr int kTimer = 1;
constexpr int kTimerMs = 1000;

const char* statustext(Status s) {
    switch (s) {
    case Status::IngenTurneringVald:
        return kIngenTurnering;
    case Status::FyllIAllaFalt:
        return kFyllIAllaFalt;
    case Status::InteHeltal:
        return kInteHeltal;
    case Status::TurneringenSaknas:
        return kTurneringenSaknas;
    case Status::PartiSaknas:
        return kPartiSaknas;
    case Status::VitSaknas:
        return kVitSaknas;
    case Status::SvartSaknas:
        return kSvartSaknas;
    case Status::NyVitFinnsEj:
        return kNyVitFinnsEj;
    case Status::NySvartFinnsEj:
        return kNySvartFinnsEj;
    case Status::RedanMotts:
        return kRedanMotts;
    case Status::MotSigSjalv:
        return kMotSigSjalv;
    case Status::ResultatFel:
        return kResultatFel;
    case Status::Andrad:
        return kAndrad;
    }
    return "";
}

} // namespace

KorrigeringDialog::KorrigeringDialog(resultfix::Variant v)
    : ui::Dialog(nullptr, resultfixFonster(resultfix::caption(v))), variant_(v) {
    onButton(IDC_BEKRAFTA, [this] { Button1Click(); });
    FormCreate();
}

void KorrigeringDialog::FormCreate() {
    for (const auto& t : store::readTurn())
        addRow(IDC_TURNERINGAR, t.tnamn);
    if (variant_ == resultfix::Variant::Vanlig) startTimer(kTimer, kTimerMs, [this] { Timer1Timer(); });
}

void KorrigeringDialog::Timer1Timer() {
    const std::string typat = text(IDC_RESULTAT);
    const std::string klart = resultfix::komplettera(typat);
    if (klart != typat) setText(IDC_RESULTAT, klart);
}

void KorrigeringDialog::Button1Click() {
    const int vald = selection(IDC_TURNERINGAR);
    const resultfix::Falt falt{text(IDC_GAMMAL_VIT), text(IDC_GAMMAL_SVART), text(IDC_NY_VIT),
                               text(IDC_NY_SVART), text(IDC_RESULTAT)};
    const Status s =
        resultfix::bekrafta(variant_, vald, vald < 0 ? "" : rowText(IDC_TURNERINGAR, vald), falt);
    setText(IDC_STATUS, statustext(s));
}
