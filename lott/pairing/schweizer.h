// The Swiss-type rounds as the driver asks for them: the pairing of schweizer_runda1.h or
// schweizer_senare.h, then the colours of the variant and the bye on the last board.
#pragma once
#include <optional>
#include <vector>

#include "lott/pairing/parlista.h"
#include "store/records.h"

namespace parning {

// The marker that selects the Swiss variant ("Schweizer"); any other value means Nordic Swiss.
inline constexpr int kSchweizerMarkering = 330;

// Round 1. Nordic Swiss keeps the lower-half player white on every board; Swiss turns every
// other board round by the tournament number's parity. nullopt when the start list cannot be
// split (see schweizera).
std::optional<Parlista> schweizerRunda1(const std::vector<spelarstructtva>& startlista, bool riktigschweizer,
                                        int turnnr);

// A later round from the standings in pairing form ("LSKICKA", last place first) and the games
// of earlier rounds. `valdrond` is the round being paired. The Swiss variant settles equal white
// counts by colour history (schweizerfargerb); both put the bye pair last, "Frirond" black.
// nullopt when no pairing was found.
std::optional<Parlista> schweizerSenare(const std::vector<spelarstructtvac>& lskicka,
                                        const std::vector<partistruct>& partier, int valdrond,
                                        bool riktigschweizer);

} // namespace parning
