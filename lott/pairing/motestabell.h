// The earlier games of the players of one round's pool, by pool index, so that checking whether
// two players of a score group have met, and in which colours, is a scan of one player's few games
// in a compact table instead of a hash lookup per check.
#pragma once
#include <cstdint>
#include <vector>

#include "store/records.h"

namespace parning {

// How two players of a pair have met before: not at all, with the upper-half player as white, or
// only with the lower-half player as white.
enum class Mote : std::int8_t { Nytt = 0, OvreVit = 1, UndreVit = 2 };

class Motestabell {
  public:
    // `nummer` holds the start numbers of the pool, by pool index; `partier` the earlier games.
    Motestabell(const std::vector<std::int32_t>& nummer, const std::vector<partistruct>& partier);

    // Whether a start number occurs twice in the pool.
    bool dubbletter() const { return dubbletter_; }

    // Whether the players with pool indices a and b have met, in either colour order.
    bool harMotts(int a, int b) const {
        const auto i = static_cast<std::size_t>(a);
        for (std::size_t m = borjan_[i]; m < borjan_[i + 1]; ++m)
            if (motstand_[m] >> 2 == static_cast<std::uint32_t>(b)) return true;
        return false;
    }

    // How the lower-half player (pool index `undre`) has met the upper-half player (`ovre`): white
    // for the upper player in any game makes OvreVit; otherwise black in any (the lower player
    // white) makes UndreVit.
    Mote mote(int undre, int ovre) const {
        const auto o = static_cast<std::size_t>(ovre);
        const auto motstandare = static_cast<std::uint32_t>(undre);
        bool somSvart = false;
        for (std::size_t m = borjan_[o]; m < borjan_[o + 1]; ++m) {
            const std::uint32_t d = motstand_[m];
            if (d >> 2 != motstandare) continue;
            if (d & kSomVit) return Mote::OvreVit;
            somSvart = somSvart || (d & kSomSvart);
        }
        return somSvart ? Mote::UndreVit : Mote::Nytt;
    }

  private:
    static constexpr std::uint32_t kSomVit = 1;   // the indexed player had white
    static constexpr std::uint32_t kSomSvart = 2; // the indexed player had black
    std::vector<std::uint32_t> borjan_;   // per pool index, into motstand_; one more entry at the end
    std::vector<std::uint32_t> motstand_; // the opponent's pool index shifted left by two, the flags
    bool dubbletter_ = false;
};

} // namespace parning
