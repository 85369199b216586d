// Colour allocation and the bye board, applied to a finished pairing list. Every routine keeps
// each pair together and only exchanges the two players of a pair, except frirondsvart, which
// moves the bye pair to the last board.
#pragma once
#include <cstddef>
#include <utility>

#include "lott/pairing/parlista.h"
#include "lott/pairing/partiindex.h"

namespace parning {

// Nordic Swiss rounds paired by the Monrad engine. On equal white counts the better player
// (higher colour score, then lower start number) gets black in odd rounds, white in even ones.
void nordiskafarger(Parlista& lista, const PartiIndex& partier, int valdrondglob);

// Swiss later rounds: equal white counts are settled by the latest round in which exactly one of
// the two had white, else by the white count of the lower start number against the last round.
// `Index` answers antalVita, vitIRond and sistaRond: a PartiIndex or a Fargindex.
template <class Index>
void schweizerfargerb(Parlista& lista, const Index& partier);

// Puts the bye pair last, with "Frirond" second (black). A list without a bye is unchanged.
void frirondsvart(Parlista& lista);

// Colour score of a player: as white codes 1, 5, 7 give 1 and 3, 4 give a half; as black codes
// 2, 5, 8 give 1 and 3, 4 a half (adjourned counts as won, postponed as drawn for both).
double fargpoang(const PartiIndex& partier, int nr);

namespace detail {

// Whether the lower start number of the pair should have white when their colour histories
// never differed: w whites against the last played round m.
template <class Index>
bool lagreNummerFarVit(const Index& partier, int nr, int m) {
    const int w = partier.antalVita(nr);
    if (2 * w < m) return true;
    if (2 * w > m) return false;
    return !partier.vitIRond(nr, m);
}

} // namespace detail

template <class Index>
void schweizerfargerb(Parlista& lista, const Index& partier) {
    const int m = partier.sistaRond();
    for (std::size_t k = 0; k + 1 < lista.size(); k += 2) {
        const int a = lista[k].nr;
        const int b = lista[k + 1].nr;
        if (partier.antalVita(a) != partier.antalVita(b)) continue;
        bool avgjort = false;
        for (int r = m; r >= 1 && !avgjort; --r) {
            const bool aVit = partier.vitIRond(a, r);
            if (aVit == partier.vitIRond(b, r)) continue;
            // The one who had white in the latest differing round gets black now.
            if (aVit) std::swap(lista[k], lista[k + 1]);
            avgjort = true;
        }
        if (avgjort) continue;
        const int lagre = a < b ? a : b;
        const bool lagreVit = detail::lagreNummerFarVit(partier, lagre, m);
        if ((lagre == a) != lagreVit) std::swap(lista[k], lista[k + 1]);
    }
}

} // namespace parning
