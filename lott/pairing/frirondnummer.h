// Games against the bye under this round's number. The bye's number can change during a
// tournament: a late entry after the start removes the registered "Frirond" and the pairing adds
// a bye numbered after the largest start number. A game against an earlier bye number is still a
// game against the bye, so that a player who has had the bye is not given it again.
#pragma once
#include <vector>

#include "store/records.h"

namespace parning {

// The games with every bye number (the number of a "Frirond" record in `spelare`, the player
// file, or a number no record there has) replaced by `frirondNr`.
std::vector<partistruct> frironderSom(std::vector<partistruct> partier,
                                      const std::vector<spelarstructtva>& spelare, int frirondNr);

} // namespace parning
