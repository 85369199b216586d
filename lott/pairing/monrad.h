// Monrad pairing of one round, as pure computations on values: round 1 pairs neighbours in the
// start list, later rounds pair by points (the ordering and search of monrad_ordning.h and
// monrad_sokning.h), then colours by white counts and the bye on the last board.
#pragma once
#include <vector>

#include "lott/pairing/monrad_sokning.h"
#include "lott/pairing/parlista.h"
#include "store/records.h"

namespace parning {

// Round 1: board k is start number 2k (white) against 2k-1, the bye last with "Frirond" black.
// A list with unequal counts of odd and even start numbers (a gap in the numbering) is paired
// as neighbours in list order instead: 2nd against 1st, 4th against 3rd, and so on.
Parlista monrada(const std::vector<spelarstructtva>& spelare);

struct MonradIndata {
    std::vector<spelarstructtva> spelare; // the player file, in start-list order (a bye included)
    std::vector<partistruct> partier;     // every game of earlier rounds
    std::vector<int> utgatt;              // start numbers of withdrawn players
    int valdrond = 0;                     // the round being paired
    char vilksy = '0';                    // '1' Nordic Swiss colours, '2' Swiss colours, else none
    bool valfritt = false;                // custom scores: points come from `valfri`
    std::vector<valfristruct> valfri;     // the tournament's custom-score games
    bool reserv = true;                   // fall back to any rematch-free pairing when the search gives up
};

struct Lottningsutfall {
    bool klar = false;   // false: no pairing exists; `lista` is then empty
    bool reserv = false; // the documented search gave up and the fallback (reservparning.h) paired
    Parlista lista;
    Sokrakning rakning;
};

// Later rounds. A bye the engine adds takes the largest start number of the player file plus
// one, a number no player has. When the documented search gives up, the fallback pairs the
// ordering without rematches where that is possible, with the same colours and bye board.
Lottningsutfall monradb(const MonradIndata& in);

} // namespace parning
