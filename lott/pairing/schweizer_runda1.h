// Round 1 of a Swiss-type tournament: the start list split into an upper and a lower half.
#pragma once
#include <optional>
#include <vector>

#include "store/records.h"

namespace parning {

// The round-1 pairs of `startlista` (the start list in file order, a registered "Frirond" last):
// with h = half the players, the (h+i)-th player meets the i-th, the lower-half player listed
// first; with "Frirond" the player just above it gets the bye, as the last pair. Nothing is
// paired (nullopt) when the list cannot be split so that everybody plays exactly once: an odd
// number of entries, or "Frirond" with nobody above it.
std::optional<std::vector<spelarstructtva>> schweizera(const std::vector<spelarstructtva>& startlista);

// Colours of round 1 in the Swiss variant: the lower-half player of every other board gets black
// instead, boards 1, 3, 5, ... turned round for an even tournament number and boards 2, 4, 6, ...
// for an odd one. The bye pair is not moved here.
void schweizerfargera(std::vector<spelarstructtva>& lista, int turnnr);

} // namespace parning
