#include "rank/register/spelare_dialog.h"

#include "rank/kommando.h"
#include "rank/register/medlem.h"
#include "rank/register/register.h"
#include "resources/rank/dialoger.h"
#include "resources/rank/messages.h"
#include "ui/message_box.h"

using namespace rankres;

namespace rank {

SpelareDialog::SpelareDialog(ui::Window* parent, RankState& state)
    : Dialog(parent, rankres::spelaruppgifter()), state_(state) {}

SpelareDialog* SpelareDialog::oppna(ui::Window* parent, RankState& state, int mode) {
    auto* d = new SpelareDialog(parent, state);
    d->show();
    d->lasspelare(mode);
    return d;
}

void SpelareDialog::lasspelare(int mode) {
    mode_ = mode;
    if (mode != 1) {
        setFocus(IDC_NAMN);
        return;
    }
    setText(IDC_NAMN, state_.globnamn);
    setText(IDC_FODELSEDATUM, state_.globfodelsedata);
    setText(IDC_RANKING, std::to_string(state_.globranking));
    setText(IDC_KLASS, state_.globklass);
    if (state_.globnyspelare == 1) {
        setChecked(IDC_NYSPELARE, true);
        setText(IDC_TIDIGAREKLUBB, state_.globgammalklubb);
    }
    const Medlemstillagg t = lasTillagg(state_.globnamn);
    setText(IDC_ELO, t.elo);
    setText(IDC_EPOST, t.mail);
    setChecked(IDC_PALISTA, t.palista);
    setFocus(IDC_RANKING);
}

void SpelareDialog::CmOk() {
    Medlemsfalt f;
    f.namn = text(IDC_NAMN);
    f.fodelsedata = text(IDC_FODELSEDATUM);
    f.ranking = text(IDC_RANKING);
    f.klass = text(IDC_KLASS);
    f.elo = text(IDC_ELO);
    f.epost = text(IDC_EPOST);
    f.nySpelare = checked(IDC_NYSPELARE);
    f.tidigareKlubb = text(IDC_TIDIGAREKLUBB);
    f.palista = checked(IDC_PALISTA);

    int meddelande = 0;
    switch (sparaMedlem(mode_ == 1, state_.globnamn, f)) {
    case Medlemsutfall::Sparad:
        break;
    case Medlemsutfall::TomtNamn:
        meddelande = RUTA_INGET_NAMN;
        break;
    case Medlemsutfall::SammaNamn:
        meddelande = RUTA_SAMMA_NAMN;
        break;
    case Medlemsutfall::OgiltigRanking:
        meddelande = RUTA_INGEN_RANKING;
        break;
    case Medlemsutfall::NamnetAndrat:
        meddelande = RUTA_NAMNET_ANDRAT;
        break;
    }
    if (meddelande) ui::TEnkel(this, meddelande).Execute();
    close();
}

void SpelareDialog::onDestroy() {
    kommando::stang();
}

} // namespace rank
