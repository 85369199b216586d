// The games of earlier rounds, indexed by player and by pair of players, so that the engine
// never rescans the game list inside a loop over players.
#pragma once
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "store/records.h"

namespace parning {

class PartiIndex {
  public:
    explicit PartiIndex(const std::vector<partistruct>& partier);

    // Whether a and b have met, in either colour order.
    bool harMotts(int a, int b) const { return mott_.count(parNyckel(a, b)) != 0; }
    // Number of games the player had as white: every round and every result code counts
    // (a bye, in which the player is white, included).
    int antalVita(int nr) const;
    // Whether the player had white in the given round.
    bool vitIRond(int nr, int rond) const;
    // The player's games (white or black), in file order.
    const std::vector<partistruct>& partier(int nr) const;
    // The largest round among the games, 0 without games.
    int sistaRond() const { return sistaRond_; }

  private:
    static std::uint64_t parNyckel(int a, int b);

    std::unordered_map<int, std::vector<partistruct>> perSpelare_;
    std::unordered_set<std::uint64_t> mott_;
    int sistaRond_ = 0;
};

} // namespace parning
