// The pairing driver: pairs the next round of the chosen tournament. It gathers the games into
// "SKICKAP", decides the round and whether a Swiss-type round is paired by the Monrad engine
// ("VILKSY"), writes "VALDR" and the player list "LSKICKA", runs one engine routine and reads the
// pairing list back into st.slistab.
//
// Reads st.turnnr, st.slistab (the player file in file order), st.antalronder, st.systemc and
// st.vilkpaint (2, "&Rondlista": the list in file order; otherwise, for result entry, reversed).
// Sets st.valdrond (the round paired or due), st.ejronditurn (1: no further round may be paired),
// st.grans (kGransLast or more: the engine found no pairing; nothing was paired) and
// st.systemc (0 when the size rule hands a Swiss-type round to the Monrad engine).
#pragma once
#include "lott/pairing/koppling.h"
#include "lott/state.h"

namespace parning {

// Whether a round of a Swiss-type tournament with n entries in its player file (a bye and
// withdrawn players included) is paired by the Monrad engine in round r.
bool monradStorlek(int n, int r);

void lottning(LottState& st, const SchweizerKoppling& koppling = schweizerKoppling());

} // namespace parning
