// Colour allocation and the bye board, applied to a finished pairing list. Every routine keeps
// each pair together and only exchanges the two players of a pair, except frirondsvart, which
// moves the bye pair to the last board.
#pragma once
#include "lott/pairing/parlista.h"
#include "lott/pairing/partiindex.h"

namespace parning {

// Nordic Swiss rounds paired by the Monrad engine. On equal white counts the better player
// (higher colour score, then lower start number) gets black in odd rounds, white in even ones.
void nordiskafarger(Parlista& lista, const PartiIndex& partier, int valdrondglob);

// Swiss later rounds: equal white counts are settled by the latest round in which exactly one of
// the two had white, else by the white count of the lower start number against the last round.
void schweizerfargerb(Parlista& lista, const PartiIndex& partier);

// Puts the bye pair last, with "Frirond" second (black). A list without a bye is unchanged.
void frirondsvart(Parlista& lista);

// Colour score of a player: as white codes 1, 5, 7 give 1 and 3, 4 give a half; as black codes
// 2, 5, 8 give 1 and 3, 4 a half (adjourned counts as won, postponed as drawn for both).
double fargpoang(const PartiIndex& partier, int nr);

} // namespace parning
