// The games of earlier rounds, indexed by player, so that the engine never rescans the game list
// inside a loop over players. The games are stored once per player in one array (each player's
// in file order), found through the player's slot (nummerfack.h).
#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "lott/pairing/nummerfack.h"
#include "store/records.h"

namespace parning {

class PartiIndex {
  public:
    explicit PartiIndex(const std::vector<partistruct>& partier);

    // Whether a and b have met, in either colour order.
    bool harMotts(int a, int b) const;
    // Number of games the player had as white: every round and every result code counts
    // (a bye, in which the player is white, included).
    int antalVita(int nr) const;
    // Whether the player had white in the given round.
    bool vitIRond(int nr, int rond) const;
    // The player's games (white or black), in file order.
    std::span<const partistruct> partier(int nr) const;
    // The largest round among the games, 0 without games.
    int sistaRond() const { return sistaRond_; }

  private:
    Nummerfack fack_;
    std::vector<partistruct> ordnade_; // grouped by player
    std::vector<std::size_t> borjan_;  // per slot, into ordnade_; one more entry at the end
    int sistaRond_ = 0;
};

} // namespace parning
