// The Monrad ordering of a later round: points and white counts, withdrawn players and the bye,
// the order by points with the latest-round tie-break, and the reordering after a failed search.
#pragma once
#include <vector>

#include "lott/pairing/partiindex.h"
#include "store/records.h"

namespace parning {

struct MonradSpelare {
    spelarstructtva spelare; // nr, namn, klubb, ranking
    double poang = 0;
    int antalvita = 0;
};

// Points and white counts of every player, in reverse start-list order (each player put in
// front). Points follow the result codes: as white 1, 4, 7 win and 3 draws; as black 2, 4, 8 win
// and 3 draws. With `valfri` (custom scores) the points are the stored per-game scores instead.
std::vector<MonradSpelare> poangOchVita(const std::vector<spelarstructtva>& spelare,
                                        const PartiIndex& partier, const std::vector<valfristruct>* valfri);

// Removes the withdrawn start numbers (order kept) and settles the bye: with an odd count a
// registered "Frirond" leaves, or, when there is none, a bye numbered `frirondNr` is put in front.
void lankabortutgadda(std::vector<MonradSpelare>& lista, const std::vector<int>& utgatt, int frirondNr);

// The order of the round, top first: by points, players level on points separated round by
// round from the latest (the one who scored less in the latest differing round goes higher),
// fully level players by lower start number. `lista` is in the order the selection walks it.
std::vector<MonradSpelare> ordna(const std::vector<MonradSpelare>& lista, const PartiIndex& partier,
                                 int valdrond);

// Reordering after a failed search: the last player goes back in at position n - n/2 (1-based)
// and loses the fraction of his points.
void kastaomm(std::vector<MonradSpelare>& ordning);

} // namespace parning
