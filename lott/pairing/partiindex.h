// The games of earlier rounds, indexed by player, so that the engine never rescans the game list
// inside a loop over players. The games are stored once per player in one array (each player's
// in file order), found by start number directly when the numbers are close together, as start
// numbers are, and by binary search otherwise.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

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
    // The slot of a start number in borjan_, -1 when the player has no games.
    std::int64_t plats(int nr) const;

    std::vector<partistruct> ordnade_;  // grouped by player
    std::vector<std::size_t> borjan_;   // per slot, into ordnade_; one more entry at the end
    std::vector<std::int32_t> nummer_;  // slot -> start number when not indexed directly
    std::int64_t bas_ = 0;              // the lowest start number when indexed directly
    bool direkt_ = true;
    int sistaRond_ = 0;
};

} // namespace parning
