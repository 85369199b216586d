// Building blocks of standings tests: a start list, games (custom-score ones too) and a lookup
// by start number.
#pragma once
#include <stdexcept>
#include <string>
#include <vector>

#include "lott/results/stallning.h"

namespace stallningtest {

inline spelarstructtva spelare(int nr, std::string namn, int ranking = 0, std::string klubb = "nej") {
    spelarstructtva s;
    s.nr = nr;
    s.namn = std::move(namn);
    s.klubb = std::move(klubb);
    s.ranking = ranking;
    return s;
}

// Players 1..n named "S1".."Sn" without rating.
inline std::vector<spelarstructtva> startlista(int n) {
    std::vector<spelarstructtva> lista;
    for (int i = 1; i <= n; ++i)
        lista.push_back(spelare(i, "S" + std::to_string(i)));
    return lista;
}

inline partistruct parti(int rond, int vit, int svart, int resultat, int bord = 1) {
    return partistruct{vit, svart, bord, resultat, rond};
}

// A custom-score game of tournament 1.
inline valfristruct valfri(int rond, int vit, int svart, double v, double s) {
    valfristruct r;
    r.turnnr = 1;
    r.vit = vit;
    r.svart = svart;
    r.rond = rond;
    r.vitresultat = v;
    r.svartresultat = s;
    return r;
}

inline const spelarstructc& rad(const stallning::Resultat& r, int nr) {
    for (const auto& s : r.parslistac)
        if (s.nr == nr) return s;
    throw std::runtime_error("no row for start number " + std::to_string(nr));
}

inline std::vector<int> ordning(const stallning::Resultat& r) {
    std::vector<int> nr;
    for (const auto& s : r.parslistac)
        nr.push_back(s.nr);
    return nr;
}

} // namespace stallningtest
