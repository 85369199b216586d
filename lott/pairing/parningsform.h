// The standings in the form the Swiss engine pairs from: the 88-byte "LSKICKA" records, last
// place first, each with the player's white count over every game.
#pragma once
#include <vector>

#include "lott/pairing/partiindex.h"
#include "lott/results/spelarstructc.h"
#include "store/records.h"

namespace parning {

std::vector<spelarstructtvac> parningsform(const std::vector<spelarstructc>& parslistac,
                                           const PartiIndex& partier);

} // namespace parning
