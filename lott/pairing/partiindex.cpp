#include "lott/pairing/partiindex.h"

#include <algorithm>

namespace parning {

PartiIndex::PartiIndex(const std::vector<partistruct>& partier) {
    perSpelare_.reserve(partier.size());
    mott_.reserve(partier.size() * 2);
    for (const auto& p : partier) {
        perSpelare_[p.vit].push_back(p);
        if (p.svart != p.vit) perSpelare_[p.svart].push_back(p);
        mott_.insert(parNyckel(p.vit, p.svart));
        sistaRond_ = std::max(sistaRond_, p.rond);
    }
}

std::uint64_t PartiIndex::parNyckel(int a, int b) {
    const auto lo = static_cast<std::uint32_t>(std::min(a, b));
    const auto hi = static_cast<std::uint32_t>(std::max(a, b));
    return (static_cast<std::uint64_t>(lo) << 32) | hi;
}

const std::vector<partistruct>& PartiIndex::partier(int nr) const {
    static const std::vector<partistruct> inga;
    const auto it = perSpelare_.find(nr);
    return it == perSpelare_.end() ? inga : it->second;
}

int PartiIndex::antalVita(int nr) const {
    const auto& egna = partier(nr);
    return static_cast<int>(
        std::count_if(egna.begin(), egna.end(), [&](const partistruct& p) { return p.vit == nr; }));
}

bool PartiIndex::vitIRond(int nr, int rond) const {
    const auto& egna = partier(nr);
    return std::any_of(egna.begin(), egna.end(),
                       [&](const partistruct& p) { return p.vit == nr && p.rond == rond; });
}

} // namespace parning
