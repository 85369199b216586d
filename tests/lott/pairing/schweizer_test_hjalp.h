// Small builders for the Swiss-engine tests: pools in the driver's "LSKICKA" order and games.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "store/records.h"

namespace schweizertest {

struct Rad {
    std::int32_t nr;
    double poang;
    std::int32_t antalvita = 0;
};

// The pool as the driver writes it, last place first: the rows are given best first.
inline std::vector<spelarstructtvac> lskicka(const std::vector<Rad>& bastForst, std::int32_t frirondNr = 0) {
    std::vector<spelarstructtvac> ut;
    for (const Rad& r : bastForst) {
        spelarstructtvac s;
        s.nr = r.nr;
        s.namn = r.nr == frirondNr ? std::string("Frirond") : "Spelare " + std::to_string(r.nr);
        s.klubb = r.nr == frirondNr ? "nej" : "SK";
        s.ranking = 1500 + r.nr;
        s.poang = r.poang;
        s.antalvita = r.antalvita;
        ut.insert(ut.begin(), s);
    }
    return ut;
}

inline partistruct parti(std::int32_t vit, std::int32_t svart, std::int32_t rond,
                         std::int32_t resultat = resRemi) {
    partistruct p;
    p.vit = vit;
    p.svart = svart;
    p.resultat = resultat;
    p.rond = rond;
    return p;
}

inline std::vector<std::int32_t> nummer(const std::vector<spelarstructtva>& lista) {
    std::vector<std::int32_t> ut;
    for (const spelarstructtva& s : lista)
        ut.push_back(s.nr);
    return ut;
}

// The pairs as unordered {low, high} start numbers, in board order.
inline std::vector<std::pair<std::int32_t, std::int32_t>> paren(const std::vector<spelarstructtva>& lista) {
    std::vector<std::pair<std::int32_t, std::int32_t>> ut;
    for (std::size_t i = 0; i + 1 < lista.size(); i += 2) {
        const auto a = lista[i].nr, b = lista[i + 1].nr;
        ut.emplace_back(std::min(a, b), std::max(a, b));
    }
    return ut;
}

} // namespace schweizertest
