// The colour history that the Swiss colour rule reads, without a copy of every game: per player
// the rounds in which he had white. Answers as PartiIndex does for those questions.
#pragma once
#include <cstdint>
#include <vector>

#include "lott/pairing/nummerfack.h"
#include "store/records.h"

namespace parning {

class Fargindex {
  public:
    explicit Fargindex(const std::vector<partistruct>& partier);

    // Number of games the player had as white (every round and result code, a bye included).
    int antalVita(int nr) const;
    // Whether the player had white in the given round.
    bool vitIRond(int nr, int rond) const;
    // The largest round among the games, 0 without games.
    int sistaRond() const { return sistaRond_; }

  private:
    Nummerfack fack_;                  // over the white players
    std::vector<std::uint32_t> borjan_; // per slot, into ronder_; one more entry at the end
    std::vector<std::int32_t> ronder_;  // the rounds with white, grouped by player
    int sistaRond_ = 0;
};

} // namespace parning
