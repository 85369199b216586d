#include "lott/pairing/monrad.h"

#include <algorithm>

#include "lott/pairing/farger.h"
#include "lott/pairing/frirondnummer.h"
#include "lott/pairing/monrad_ordning.h"
#include "store/tournament.h"

namespace parning {

namespace {

Parlista grannarIListordning(const std::vector<spelarstructtva>& spelare) {
    std::vector<spelarstructtva> riktiga;
    const spelarstructtva* frirond = nullptr;
    int storsta = 0;
    for (const auto& s : spelare) {
        storsta = std::max(storsta, s.nr);
        if (store::isBye(s.namn))
            frirond = frirond ? frirond : &s;
        else
            riktiga.push_back(s);
    }
    Parlista ut;
    ut.reserve(riktiga.size() + 1);
    for (std::size_t k = 0; k + 1 < riktiga.size(); k += 2) {
        ut.push_back(utanElo(riktiga[k + 1]));
        ut.push_back(utanElo(riktiga[k]));
    }
    if (riktiga.size() % 2 == 1) {
        ut.push_back(utanElo(riktiga.back()));
        ut.push_back(frirond ? utanElo(*frirond) : store::byeRecord(storsta + 1, store::ByeClub::Nej));
    }
    return ut;
}

// Pairs in placing order, each (Q, T) with the one who had fewer whites first; on equal counts
// Q, the lower-placed player, gets white.
Parlista parOchFarger(const std::vector<MonradSpelare>& placerade) {
    Parlista ut;
    ut.reserve(placerade.size());
    for (std::size_t k = 0; k + 1 < placerade.size(); k += 2) {
        const auto& t = placerade[k];
        const auto& q = placerade[k + 1];
        const bool tVit = t.antalvita < q.antalvita;
        ut.push_back(utanElo(tVit ? t.spelare : q.spelare));
        ut.push_back(utanElo(tVit ? q.spelare : t.spelare));
    }
    return ut;
}

// Moves the pair holding "Frirond" to the end, the pair's own order kept.
void frirondTillSistaBordet(Parlista& lista) {
    const int p = frirondPosition(lista);
    if (p < 0) return;
    const int forst = p - p % 2;
    if (forst + 1 >= static_cast<int>(lista.size())) return;
    const spelarstructtva a = lista[forst];
    const spelarstructtva b = lista[forst + 1];
    lista.erase(lista.begin() + forst, lista.begin() + forst + 2);
    lista.push_back(a);
    lista.push_back(b);
}

} // namespace

Parlista monrada(const std::vector<spelarstructtva>& spelare) {
    std::vector<spelarstructtva> udda, jamna;
    for (const auto& s : spelare)
        (s.nr % 2 == 0 ? jamna : udda).push_back(s);
    if (udda.size() != jamna.size()) return grannarIListordning(spelare);

    Parlista ut;
    ut.reserve(spelare.size());
    for (std::size_t k = 0; k < udda.size(); ++k) {
        ut.push_back(utanElo(jamna[k]));
        ut.push_back(utanElo(udda[k]));
    }
    const int p = frirondPosition(ut);
    if (p >= 0 && p % 2 == 0) {
        // "Frirond" would play white: it goes to the end, so its neighbour in the list gets the bye.
        const spelarstructtva frirond = ut[p];
        ut.erase(ut.begin() + p);
        ut.push_back(frirond);
    }
    // A bye registered elsewhere than last in the start list would otherwise stay mid-list.
    frirondsvart(ut);
    return ut;
}

Lottningsutfall monradb(const MonradIndata& in) {
    int storstaNr = 0;
    for (const auto& s : in.spelare)
        storstaNr = std::max(storstaNr, s.nr);
    const auto registrerad = std::find_if(in.spelare.begin(), in.spelare.end(),
                                          [](const spelarstructtva& s) { return store::isBye(s.namn); });
    const int frirondNr = registrerad != in.spelare.end() ? registrerad->nr : storstaNr + 1;

    const PartiIndex partier(frironderSom(in.partier, in.spelare, frirondNr));
    auto lista = poangOchVita(in.spelare, partier, in.valfritt ? &in.valfri : nullptr);
    lankabortutgadda(lista, in.utgatt, frirondNr);

    Lottningsutfall utfall;
    auto placerade = monradSok(ordna(lista, partier, in.valdrond), partier, &utfall.rakning);
    if (!placerade) return utfall;

    utfall.lista = parOchFarger(*placerade);
    frirondTillSistaBordet(utfall.lista);
    if (in.vilksy == '1') nordiskafarger(utfall.lista, partier, in.valdrond);
    if (in.vilksy == '2') schweizerfargerb(utfall.lista, partier);
    frirondsvart(utfall.lista);
    utfall.klar = true;
    return utfall;
}

} // namespace parning
