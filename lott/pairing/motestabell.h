// The earlier games of the players of one round's pool, by pool index, so that checking whether
// two players of a score group have met, and in which colours, is a scan of one player's few games
// instead of a hash lookup per check.
#pragma once
#include <cstdint>
#include <vector>

#include "lott/pairing/partiindex.h"

namespace parning {

// How two players of a pair have met before: not at all, with the upper-half player as white, or
// only with the lower-half player as white.
enum class Mote : std::int8_t { Nytt = 0, OvreVit = 1, UndreVit = 2 };

class Motestabell {
  public:
    // `nummer` holds the start numbers of the pool, by pool index.
    Motestabell(const std::vector<std::int32_t>& nummer, const PartiIndex& partier);

    // How the lower-half player (pool index `undre`, start number `undreNr`) has met the
    // upper-half player (pool index `ovre`).
    Mote mote(std::int32_t undreNr, int ovre) const;

  private:
    struct Motstand {
        std::int32_t nr;
        bool somVit;   // the indexed player had white
        bool somSvart; // the indexed player had black
    };
    std::vector<std::size_t> borjan_; // per pool index, into motstand_; one more entry at the end
    std::vector<Motstand> motstand_;
};

} // namespace parning
