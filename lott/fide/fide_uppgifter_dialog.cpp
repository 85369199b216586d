#include "lott/fide/fide_uppgifter_dialog.h"

#include <algorithm>

#include "lott/kommando.h"
#include "resources/lott/fide_resurs.h"
#include "store/whole_number.h"

using namespace lottres;

namespace {

std::string gemener(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string rad(const fide::SpelarUppgift& u) {
    return std::to_string(u.nr) + ". " + u.namn + "  |  " + u.rapportnamn + "  |  " + u.kon + "  |  " + u.titel +
           "  |  " + (u.elo ? std::to_string(u.elo) : "") + "  |  " + u.federation + "  |  " + u.fideid + "  |  " +
           u.fodd;
}

// The round dates as typed: "2024-03-01 2024-03-02 ..." for rounds 1, 2, ...
std::string ronderText(const std::map<int, std::string>& ronder) {
    std::string s;
    int storsta = ronder.empty() ? 0 : ronder.rbegin()->first;
    for (int r = 1; r <= storsta; ++r) {
        const auto it = ronder.find(r);
        if (!s.empty()) s += ' ';
        s += it == ronder.end() || it->second.empty() ? "-" : it->second;
    }
    return s;
}

std::map<int, std::string> tolkaRonder(const std::string& text) {
    std::map<int, std::string> ronder;
    int r = 0;
    std::size_t from = 0;
    while (from < text.size()) {
        const auto a = text.find_first_not_of(' ', from);
        if (a == std::string::npos) break;
        auto b = text.find(' ', a);
        if (b == std::string::npos) b = text.size();
        const std::string d = text.substr(a, b - a);
        ++r;
        if (d != "-") ronder[r] = d;
        from = b;
    }
    return ronder;
}

} // namespace

FideUppgifterDialog::FideUppgifterDialog(ui::Window* parent, LottState& state)
    : ui::Dialog(parent, fideUppgifterResurs()), state_(state) {
    spelare_ = fide::uppgifterForTurnering(state_.turnnr);
    const fide::TurneringsUppgift t = fide::lasTurneringsuppgift(state_.turnnr);
    setText(IDC_FU_STAD, t.stad);
    setText(IDC_FU_TFED, t.federation);
    setText(IDC_FU_START, t.startdatum);
    setText(IDC_FU_SLUT, t.slutdatum);
    setText(IDC_FU_DOMARE, t.huvuddomare);
    setText(IDC_FU_DOMARE_ID, t.huvuddomareId);
    setText(IDC_FU_BIDOMARE, t.biddomare);
    setText(IDC_FU_BIDOMARE_ID, t.biddomareId);
    setText(IDC_FU_TID, t.betanketid);
    setText(IDC_FU_TYP, t.typ.empty() ? (state_.systemc == 0 ? "Monrad" : "Schweizer") : t.typ);
    setText(IDC_FU_RONDER, ronderText(t.ronddatum));
    setChecked(IDC_FU_SORT_NR, true);
    onTextChange(IDC_FU_SOK, [this] { fyllLista(); });
    onButton(IDC_FU_SORT_NR, [this] { sortering_ = 0, fyllLista(); });
    onButton(IDC_FU_SORT_NAMN, [this] { sortering_ = 1, fyllLista(); });
    onButton(IDC_FU_SORT_ELO, [this] { sortering_ = 2, fyllLista(); });
    onSelectionChange(IDC_FU_LISTA, [this] { visaVald(); });
    onButton(IDC_FU_ANDRA, [this] { andraSpelaren(); });
    for (int id : {IDC_FU_KON, IDC_FU_TITEL, IDC_FU_ELO, IDC_FU_FED, IDC_FU_ID, IDC_FU_FODD, IDC_FU_TFED,
                   IDC_FU_START, IDC_FU_SLUT, IDC_FU_DOMARE_ID, IDC_FU_RONDER})
        onTextChange(id, [this] { kontrollera(); });
    fyllLista();
}

void FideUppgifterDialog::fyllLista() {
    const std::string sok = gemener(text(IDC_FU_SOK));
    rader_.clear();
    for (std::size_t i = 0; i < spelare_.size(); ++i) {
        const auto& u = spelare_[i];
        if (sok.empty() || gemener(u.namn + " " + u.rapportnamn + " " + u.fideid).find(sok) != std::string::npos)
            rader_.push_back(i);
    }
    std::stable_sort(rader_.begin(), rader_.end(), [this](std::size_t a, std::size_t b) {
        const auto &x = spelare_[a], &y = spelare_[b];
        if (sortering_ == 1) return gemener(x.rapportnamn) < gemener(y.rapportnamn);
        if (sortering_ == 2) return x.elo > y.elo;
        return x.nr < y.nr;
    });
    clearList(IDC_FU_LISTA);
    int markerad = -1;
    for (std::size_t r = 0; r < rader_.size(); ++r) {
        addRow(IDC_FU_LISTA, rad(spelare_[rader_[r]]));
        if (rader_[r] == vald_) markerad = static_cast<int>(r);
    }
    select(IDC_FU_LISTA, markerad);
}

void FideUppgifterDialog::visaVald() {
    const int r = selection(IDC_FU_LISTA);
    if (r < 0 || static_cast<std::size_t>(r) >= rader_.size()) return;
    vald_ = rader_[static_cast<std::size_t>(r)];
    const auto& u = spelare_[vald_];
    setText(IDC_FU_RAPPORTNAMN, u.rapportnamn);
    setText(IDC_FU_KON, u.kon);
    setText(IDC_FU_TITEL, u.titel);
    setText(IDC_FU_ELO, u.elo ? std::to_string(u.elo) : "");
    setText(IDC_FU_FED, u.federation);
    setText(IDC_FU_ID, u.fideid);
    setText(IDC_FU_FODD, u.fodd);
    kontrollera();
}

std::vector<std::string> FideUppgifterDialog::felIFalten() const {
    std::vector<std::string> fel;
    for (const std::string& f :
         {fide::felIKon(text(IDC_FU_KON)), fide::felITitel(text(IDC_FU_TITEL)), fide::felIElo(text(IDC_FU_ELO)),
          fide::felIFederation(text(IDC_FU_FED)), fide::felIFideId(text(IDC_FU_ID)), fide::felIFodd(text(IDC_FU_FODD)),
          fide::felIFederation(text(IDC_FU_TFED)), fide::felIDatum(text(IDC_FU_START)),
          fide::felIDatum(text(IDC_FU_SLUT)), fide::felIFideId(text(IDC_FU_DOMARE_ID))})
        if (!f.empty()) fel.push_back(f);
    for (const auto& [r, d] : tolkaRonder(text(IDC_FU_RONDER)))
        if (!fide::felIDatum(d).empty()) fel.push_back("Rond " + std::to_string(r) + ": " + fide::felIDatum(d));
    return fel;
}

void FideUppgifterDialog::kontrollera() {
    const auto fel = felIFalten();
    setText(IDC_FU_FEL, fel.empty() ? std::string() : fel.front());
}

bool FideUppgifterDialog::andraSpelaren() {
    if (vald_ >= spelare_.size()) {
        setText(IDC_FU_FEL, "Markera först en spelare i listan.");
        return false;
    }
    const auto fel = felIFalten();
    if (!fel.empty()) {
        setText(IDC_FU_FEL, fel.front());
        return false;
    }
    auto& u = spelare_[vald_];
    u.rapportnamn = text(IDC_FU_RAPPORTNAMN);
    u.kon = text(IDC_FU_KON);
    u.titel = text(IDC_FU_TITEL);
    u.elo = store::wholeNumber(text(IDC_FU_ELO)).value_or(0);
    u.federation = text(IDC_FU_FED);
    u.fideid = text(IDC_FU_ID);
    u.fodd = text(IDC_FU_FODD);
    fyllLista();
    return true;
}

void FideUppgifterDialog::CmOk() {
    const auto fel = felIFalten();
    if (!fel.empty()) {
        setText(IDC_FU_FEL, fel.front());
        return;
    }
    if (vald_ < spelare_.size() && !andraSpelaren()) return;
    fide::TurneringsUppgift t = fide::lasTurneringsuppgift(state_.turnnr);
    t.stad = text(IDC_FU_STAD);
    t.federation = text(IDC_FU_TFED);
    t.startdatum = text(IDC_FU_START);
    t.slutdatum = text(IDC_FU_SLUT);
    t.huvuddomare = text(IDC_FU_DOMARE);
    t.huvuddomareId = text(IDC_FU_DOMARE_ID);
    t.biddomare = text(IDC_FU_BIDOMARE);
    t.biddomareId = text(IDC_FU_BIDOMARE_ID);
    t.betanketid = text(IDC_FU_TID);
    t.typ = text(IDC_FU_TYP);
    t.ronddatum = tolkaRonder(text(IDC_FU_RONDER));
    fide::skrivSpelaruppgifter(state_.turnnr, spelare_);
    fide::skrivTurneringsuppgift(state_.turnnr, t);
    close();
}

void FideUppgifterDialog::onDestroy() {
    kommando::stang();
}

void oppnaFideUppgifter(ui::Window* parent, LottState& state) {
    (new FideUppgifterDialog(parent, state))->show();
}
