#include "rank/register/medlem.h"

#include <algorithm>

#include "rank/register/namn.h"
#include "rank/register/register.h"
#include "store/files.h"

namespace rank {

bool giltigRanking(const std::string& typed) {
    if (typed.empty()) return false;
    const int r = heltal(typed);
    return r > 700 && r < 3200;
}

namespace {

// The member's records in "ELO", "MAIL" and "ILISTA" replaced by what the dialog holds: the Elo
// number unless the field is empty or "0", the address unless it is empty, the list mark when set.
void skrivTillagg(const std::string& namn, const Medlemsfalt& f) {
    auto elo = store::touchAndReadAll<elostruct>(fil::ELO);
    std::erase_if(elo, [&](const elostruct& e) { return e.namn == namn; });
    std::vector<elostruct> nyElo;
    if (!f.elo.empty() && f.elo != "0") nyElo.push_back({namn, heltal(f.elo)});
    ersattMed(fil::ELO, fil::ELOTEMP, elo, nyElo);

    auto mail = store::touchAndReadAll<mailstruct>(fil::MAIL);
    std::erase_if(mail, [&](const mailstruct& m) { return m.namn == namn; });
    std::vector<mailstruct> nyMail;
    if (!f.epost.empty()) nyMail.push_back({namn, f.epost});
    ersattMed(fil::MAIL, fil::TMAIL, mail, nyMail);

    auto lista = store::touchAndReadAll<medpalistastruct>(fil::ILISTA);
    std::erase_if(lista, [&](const medpalistastruct& m) { return m.namn == namn; });
    std::vector<medpalistastruct> nyLista;
    if (f.palista) nyLista.push_back({namn});
    ersattMed(fil::ILISTA, fil::TILISTA, lista, nyLista);
}

spelarstruct posten(const std::string& namn, const Medlemsfalt& f) {
    spelarstruct s;
    s.namn = namn;
    s.fodelsedata = f.fodelsedata;
    s.ranking = heltal(f.ranking);
    s.klass = f.klass;
    s.nyspelare = f.nySpelare ? 1 : 0;
    s.gammalklubb = f.nySpelare ? f.tidigareKlubb : "";
    return s;
}

} // namespace

Medlemsutfall sparaMedlem(bool uppdatering, const std::string& globnamn, const Medlemsfalt& falt) {
    const std::string namn = lagratNamn(falt.namn);
    if (namn.empty()) return Medlemsutfall::TomtNamn;
    auto spel = store::touchAndReadAll<spelarstruct>(fil::SPEL);
    const bool giltig = giltigRanking(falt.ranking);

    if (!uppdatering) {
        const bool finns =
            std::any_of(spel.begin(), spel.end(), [&](const spelarstruct& s) { return s.namn == namn; });
        if (finns) return Medlemsutfall::SammaNamn;
        if (!giltig) return Medlemsutfall::OgiltigRanking;
        skrivTillagg(namn, falt);
        store::appendOne(fil::SPEL, posten(namn, falt));
        return Medlemsutfall::Sparad;
    }

    if (namn != globnamn) return Medlemsutfall::NamnetAndrat;
    skrivTillagg(namn, falt);
    if (!giltig) return Medlemsutfall::OgiltigRanking;
    std::erase_if(spel, [&](const spelarstruct& s) { return s.namn == namn; });
    ersattMed(fil::SPEL, fil::TSPEL, spel, {posten(namn, falt)});
    return Medlemsutfall::Sparad;
}

} // namespace rank
