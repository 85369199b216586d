// Points and kvalitet of a "Valfritt" tournament, from its custom-score games.
#pragma once
#include <vector>

#include "lott/results/spelarstructc.h"
#include "store/records.h"

namespace stallning {

// Fills `poang` and `kvalitet` of every row from `valfria` (one tournament's records, file order).
// Between two players only the last game with the same colours counts: a player's points are,
// over every player in the list, the score as white against him plus the score as black against
// him, plus the score as white against every bye number that no record of the list has (the
// number after the highest start number, or a bye whose record a late entry removed).
// Kvalitet gives 2 for every player outscored in their games and 1 for every player scored
// level with (when above 0), and 2 more for each such bye scored above 0. "Frirond" keeps kvalitet 0.
void valfriPoangOchKvalitet(const std::vector<valfristruct>& valfria, std::vector<spelarstructc>& rader);

} // namespace stallning
