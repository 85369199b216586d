// The standings working record: one player's line in the standings list `parslistac`.
// Never stored in a file.
#pragma once
#include <cstdint>
#include <string>

struct spelarstructc {
    std::int32_t nr = 0;
    std::string namn;
    std::string klubb;
    std::int32_t ranking = 0;
    double rankingandring = 0; // rating change over the tournament
    std::int32_t elo = 0;      // set by the prize merge (Elo and title)
    std::string titel;         // at most 4 characters
    std::int32_t egenkategori = 0;
    std::int32_t utgatt = 0; // 1 when the player has withdrawn
    double poang = 0;
    std::int32_t antalvita = 0; // games still postponed or adjourned, not scored
    double kvalitet = 0;
    std::int32_t rankinggrupp = 0;
    std::int32_t rankingplacering = 0;
    std::int32_t pris = 0;
};
