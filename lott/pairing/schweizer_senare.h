// Later rounds of a Swiss-type tournament: score groups from the top down, each paired upper half
// against lower half, repaired by shifts and reorderings, enlarged by players moved up from
// below, and as a last resort merged with the pairs made last into one group.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "store/records.h"

namespace parning {

// Bound on the work of one pairing, counted in players checked over all tries of all groups; far
// above what any field within the size rule needs, low enough that no input makes the search hang.
inline constexpr long long kSchweizerArbetsgrans = 60'000'000;

// Pairs one later round. `lskicka` is the standings in pairing form as the driver writes it
// ("LSKICKA", last place first, an even count with "Frirond" when needed); `partier` the games of
// earlier rounds; `valdrond` the round being paired (its parity decides colours on equal white
// counts). The answer lists the pairs in the order they were made, white first, the top group's
// first pair on board 1 and a reserved bye pair (player, "Frirond") last. The colour rules of the
// variant and the move of the bye to the last board are applied afterwards by the caller.
// When that search gives up (every pair dissolved and the whole field still unpaired, or the
// search bound `arbetsgrans` reached), the fallback of reservparning.h pairs the pool without a
// rematch where that is possible (unless `reserv` is false). nullopt when no pairing exists, or
// for an odd or duplicated field.
std::optional<std::vector<spelarstructtva>> schweizerb(const std::vector<spelarstructtvac>& lskicka,
                                                       const std::vector<partistruct>& partier, int valdrond,
                                                       long long arbetsgrans = kSchweizerArbetsgrans,
                                                       bool reserv = true);

} // namespace parning
