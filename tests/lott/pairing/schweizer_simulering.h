// Generated Swiss-type tournaments for the property tests: a seeded field, random results, and
// the checks every pairing list must pass.
#pragma once
#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "lott/pairing/parlista.h"
#include "lott/pairing/partiindex.h"
#include "store/records.h"
#include "store/tournament.h"

namespace schweizertest {

// The start list as registration stores it: players 1..n, "Frirond" n+1 when n is odd.
inline std::vector<spelarstructtva> genereradStartlista(int n, std::mt19937& slump) {
    std::vector<spelarstructtva> spelare;
    std::uniform_int_distribution<int> rating(0, 2300);
    for (int i = 1; i <= n; ++i) {
        spelarstructtva s;
        s.namn = "Spelare " + std::to_string(i);
        s.klubb = i % 3 == 0 ? "nej" : "SK Lund";
        s.ranking = rating(slump);
        spelare.push_back(s);
    }
    return store::startListWithBye(spelare, store::ByeClub::Nej);
}

// Results of one round on board order; the bye board is always "1-0".
inline void spelaRond(const parning::Parlista& lista, int rond, std::vector<partistruct>& partier,
                      std::mt19937& slump) {
    std::uniform_int_distribution<int> utfall(0, 99);
    for (std::size_t i = 0; i + 1 < lista.size(); i += 2) {
        partistruct p;
        p.vit = lista[i].nr;
        p.svart = lista[i + 1].nr;
        p.bord = static_cast<int>(i / 2 + 1);
        p.rond = rond;
        const int u = utfall(slump);
        if (store::isBye(lista[i + 1].namn))
            p.resultat = resVitVinst;
        else if (u < 38)
            p.resultat = resVitVinst;
        else if (u < 70)
            p.resultat = resSvartVinst;
        else if (u < 94)
            p.resultat = resRemi;
        else if (u < 96)
            p.resultat = resUppskjutet;
        else if (u < 98)
            p.resultat = resAvbrutet;
        else
            p.resultat = resVitWo;
        partier.push_back(p);
    }
}

// What is wrong with a pairing list for the real players `aktiva` (withdrawn players left out),
// or an empty text. A "Frirond" must join exactly when their count is odd, on the last board as
// black. With `utanOmmote` no pair may repeat a game.
inline std::string felILista(const parning::Parlista& lista, const std::set<int>& aktiva,
                             const parning::PartiIndex& partier, bool utanOmmote) {
    const std::size_t vantat = aktiva.size() + aktiva.size() % 2;
    if (lista.size() != vantat)
        return "list has " + std::to_string(lista.size()) + " entries, expected " + std::to_string(vantat);
    std::set<int> sedda;
    int frirondar = 0;
    for (const auto& s : lista) {
        if (store::isBye(s.namn)) {
            ++frirondar;
            continue;
        }
        if (!aktiva.count(s.nr)) return "start number " + std::to_string(s.nr) + " should not play";
        if (!sedda.insert(s.nr).second) return "start number " + std::to_string(s.nr) + " on two boards";
    }
    if (frirondar != static_cast<int>(aktiva.size() % 2)) return "wrong number of byes";
    const int frirond = parning::frirondPosition(lista);
    if (frirond >= 0 && frirond != static_cast<int>(lista.size()) - 1) return "the bye is not the last board";
    if (utanOmmote)
        for (std::size_t i = 0; i + 1 < lista.size(); i += 2)
            if (partier.harMotts(lista[i].nr, lista[i + 1].nr))
                return "rematch " + std::to_string(lista[i].nr) + "-" + std::to_string(lista[i + 1].nr);
    return {};
}

} // namespace schweizertest

namespace schweizertest {

// Whether the players can be paired at all without a rematch ("Frirond", -1, meets anybody).
// Exhaustive; for small fields only.
inline bool finnsParning(std::vector<int> spelare, const parning::PartiIndex& partier) {
    if (spelare.empty()) return true;
    const int a = spelare.back();
    spelare.pop_back();
    for (std::size_t j = 0; j < spelare.size(); ++j) {
        const int b = spelare[j];
        if (a > 0 && b > 0 && partier.harMotts(a, b)) continue;
        std::vector<int> rest = spelare;
        rest.erase(rest.begin() + static_cast<long>(j));
        if (finnsParning(rest, partier)) return true;
    }
    return false;
}

} // namespace schweizertest
