#include "lott/pairing/motestabell.h"

#include <algorithm>
#include <unordered_map>

namespace parning {

namespace {

// Pool index by start number: a slot per number when the numbers lie close together, as start
// numbers do, a hash map otherwise (a damaged file).
class PoolIndex {
  public:
    explicit PoolIndex(const std::vector<std::int32_t>& nummer) {
        if (nummer.empty()) return;
        const auto [lag, hog] = std::minmax_element(nummer.begin(), nummer.end());
        bas_ = *lag;
        if (static_cast<std::int64_t>(*hog) - *lag <= 4 * static_cast<std::int64_t>(nummer.size()) + 64) {
            platser_.assign(static_cast<std::size_t>(static_cast<std::int64_t>(*hog) - *lag + 1), -1);
            for (std::size_t i = nummer.size(); i-- > 0;) // the first of equal numbers wins
                platser_[static_cast<std::size_t>(static_cast<std::int64_t>(nummer[i]) - bas_)] = static_cast<int>(i);
        } else {
            gles_.reserve(nummer.size());
            for (std::size_t i = 0; i < nummer.size(); ++i)
                gles_.emplace(nummer[i], static_cast<int>(i));
        }
    }
    int operator()(std::int32_t nr) const {
        if (platser_.empty()) {
            const auto it = gles_.find(nr);
            return it == gles_.end() ? -1 : it->second;
        }
        const std::int64_t i = static_cast<std::int64_t>(nr) - bas_;
        return i >= 0 && i < static_cast<std::int64_t>(platser_.size()) ? platser_[static_cast<std::size_t>(i)] : -1;
    }

  private:
    std::int64_t bas_ = 0;
    std::vector<int> platser_;
    std::unordered_map<std::int32_t, int> gles_;
};

} // namespace

// Only games between two players of the pool are kept: a withdrawn opponent is never paired.
Motestabell::Motestabell(const std::vector<std::int32_t>& nummer, const PartiIndex& partier) {
    const PoolIndex index(nummer);
    borjan_.reserve(nummer.size() + 1);
    for (std::int32_t nr : nummer) {
        borjan_.push_back(static_cast<std::uint32_t>(motstand_.size()));
        for (const partistruct& p : partier.partier(nr)) {
            const bool vit = p.vit == nr;
            const int motstandare = index(vit ? p.svart : p.vit);
            if (motstandare < 0) continue;
            motstand_.push_back(static_cast<std::uint32_t>(motstandare) << 2 | (vit ? kSomVit : 0) |
                                (p.svart == nr ? kSomSvart : 0));
        }
    }
    borjan_.push_back(static_cast<std::uint32_t>(motstand_.size()));
}

} // namespace parning
