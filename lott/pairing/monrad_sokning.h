// The Monrad search: each pair's top player, from the top of the ordering down, takes the next
// player below him that he has not met. When the list cannot be completed, later attempts skip
// acceptable partners for the last few pairs, and after 105 failed attempts the ordering is
// changed by kastaomm and the search starts again.
#pragma once
#include <optional>
#include <vector>

#include "lott/pairing/monrad_ordning.h"
#include "lott/pairing/partiindex.h"

namespace parning {

// Passes (each places at most one pair) allowed between two reorderings.
inline constexpr int kPassgrans = 20000;

struct Sokrakning {
    long pass = 0;       // passes over all reorderings
    int forsok = 0;      // attempts started
    int omordningar = 0; // reorderings by kastaomm
};

// The players in order of placing (top, partner, top, partner, ...), or nothing when no pairing
// was found within the bounds: the pass limit, or every distinct ordering that kastaomm can reach
// having been tried once (the next one would repeat the first).
std::optional<std::vector<MonradSpelare>> monradSok(std::vector<MonradSpelare> ordning,
                                                    const PartiIndex& partier, Sokrakning* rakning = nullptr);

} // namespace parning
