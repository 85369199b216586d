// The pairing list the engine hands back: records 2k and 2k+1 (from 0) form board k+1, the first
// of the two plays white. When a bye is needed the last pair is (player, "Frirond").
#pragma once
#include <cstddef>
#include <vector>

#include "store/records.h"

namespace parning {

using Parlista = std::vector<spelarstructtva>;

// Position (0-based) of the bye pseudo-player in the list, or -1 when there is none.
int frirondPosition(const Parlista& lista);

// The record as the engine writes it back: elo and egenkategori are never carried over.
spelarstructtva utanElo(const spelarstructtva& s);

} // namespace parning
