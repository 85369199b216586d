#include "lott/pairing/monrad.h"

#include <algorithm>

#include "lott/pairing/farger.h"
#include "lott/pairing/frirondnummer.h"
#include "lott/pairing/monrad_ordning.h"
#include "lott/pairing/reservparning.h"
#include "store/tournament.h"

namespace parning {

namespace {

// The players whose start numbers are plausible: a damaged number takes no part, so that the bye
// number (the largest plus one) always exists.
std::vector<spelarstructtva> rimliga(const std::vector<spelarstructtva>& spelare) {
    std::vector<spelarstructtva> ut;
    ut.reserve(spelare.size());
    std::copy_if(spelare.begin(), spelare.end(), std::back_inserter(ut),
                 [](const spelarstructtva& s) { return s.plausible(); });
    return ut;
}

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

// The fallback's pairs in the placing order of the search: each pair's better-placed player
// first, the pairs by that player's place.
std::optional<std::vector<MonradSpelare>> reservplacering(const std::vector<MonradSpelare>& ordning,
                                                          const PartiIndex& partier) {
    const auto par = reservparning(static_cast<int>(ordning.size()), [&](int i, int j) {
        return partier.harMotts(ordning[static_cast<std::size_t>(i)].spelare.nr,
                                ordning[static_cast<std::size_t>(j)].spelare.nr);
    });
    if (!par) return std::nullopt;
    std::vector<MonradSpelare> ut;
    ut.reserve(ordning.size());
    for (const auto& [i, j] : *par) {
        ut.push_back(ordning[static_cast<std::size_t>(i)]);
        ut.push_back(ordning[static_cast<std::size_t>(j)]);
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

Parlista monrada(const std::vector<spelarstructtva>& allaSpelare) {
    const auto spelare = rimliga(allaSpelare);
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
    const auto spelare = rimliga(in.spelare);
    int storstaNr = 0;
    for (const auto& s : spelare)
        storstaNr = std::max(storstaNr, s.nr);
    const auto registrerad = std::find_if(spelare.begin(), spelare.end(),
                                          [](const spelarstructtva& s) { return store::isBye(s.namn); });
    const int frirondNr = registrerad != spelare.end() ? registrerad->nr : storstaNr + 1;

    const PartiIndex partier(frironderSom(in.partier, spelare, frirondNr));
    auto lista = poangOchVita(spelare, partier, in.valfritt ? &in.valfri : nullptr);
    lankabortutgadda(lista, in.utgatt, frirondNr);

    Lottningsutfall utfall;
    const auto ordning = ordna(lista, partier, in.valdrond);
    auto placerade = monradSok(ordning, partier, &utfall.rakning);
    if (!placerade && in.reserv) {
        placerade = reservplacering(ordning, partier);
        utfall.reserv = placerade.has_value();
    }
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
