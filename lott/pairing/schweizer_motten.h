// Who has met whom, and with which colours, over the games of earlier rounds. Built once per
// pairing so that the score-group search asks in constant time instead of scanning every game.
#pragma once
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "store/records.h"

namespace lotta {

class Motten {
  public:
    explicit Motten(const std::vector<partistruct>& partier) {
        vitSvart_.reserve(partier.size() * 2);
        for (const partistruct& p : partier)
            vitSvart_.insert(nyckel(p.vit, p.svart));
    }
    // `vit` had white against `svart` in some game (any result code, a pending one included).
    bool harMottSomVit(std::int32_t vit, std::int32_t svart) const {
        return vitSvart_.count(nyckel(vit, svart)) != 0;
    }
    bool harMotts(std::int32_t a, std::int32_t b) const { return harMottSomVit(a, b) || harMottSomVit(b, a); }

  private:
    static std::uint64_t nyckel(std::int32_t vit, std::int32_t svart) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(vit)) << 32) |
               static_cast<std::uint32_t>(svart);
    }
    std::unordered_set<std::uint64_t> vitSvart_;
};

} // namespace lotta
