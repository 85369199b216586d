#include "lott/pairing/motestabell.h"

#include <unordered_map>

namespace parning {

// Only games between two players of the pool are kept: a withdrawn opponent is never paired.
Motestabell::Motestabell(const std::vector<std::int32_t>& nummer, const PartiIndex& partier) {
    std::unordered_map<std::int32_t, std::uint32_t> index;
    index.reserve(nummer.size());
    for (std::size_t i = 0; i < nummer.size(); ++i)
        index.emplace(nummer[i], static_cast<std::uint32_t>(i));
    borjan_.reserve(nummer.size() + 1);
    for (std::int32_t nr : nummer) {
        borjan_.push_back(static_cast<std::uint32_t>(motstand_.size()));
        for (const partistruct& p : partier.partier(nr)) {
            const bool vit = p.vit == nr;
            const auto it = index.find(vit ? p.svart : p.vit);
            if (it == index.end()) continue;
            motstand_.push_back(it->second << 2 | (vit ? kSomVit : 0) | (p.svart == nr ? kSomSvart : 0));
        }
    }
    borjan_.push_back(static_cast<std::uint32_t>(motstand_.size()));
}

} // namespace parning
