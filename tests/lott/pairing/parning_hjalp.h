// Small builders shared by the pairing tests.
#pragma once
#include <string>
#include <vector>

#include "lott/pairing/parlista.h"
#include "store/records.h"
#include "store/tournament.h"

namespace parning::test {

inline spelarstructtva spelare(int nr) {
    spelarstructtva s;
    s.nr = nr;
    s.namn = "Spelare " + std::to_string(nr);
    s.klubb = "SK";
    s.ranking = 1500 + nr;
    return s;
}

// Start list 1..n; when `frirond`, a bye record numbered n+1 follows.
inline std::vector<spelarstructtva> startlista(int n, bool frirond = false) {
    std::vector<spelarstructtva> ut;
    for (int nr = 1; nr <= n; ++nr)
        ut.push_back(spelare(nr));
    if (frirond) ut.push_back(store::byeRecord(n + 1, store::ByeClub::Tom));
    return ut;
}

inline partistruct parti(int vit, int svart, int resultat, int rond) {
    partistruct p;
    p.vit = vit;
    p.svart = svart;
    p.resultat = resultat;
    p.rond = rond;
    return p;
}

// The start numbers of a pairing list, in list order.
inline std::vector<int> nummer(const Parlista& lista) {
    std::vector<int> ut;
    for (const auto& s : lista)
        ut.push_back(s.nr);
    return ut;
}

} // namespace parning::test
