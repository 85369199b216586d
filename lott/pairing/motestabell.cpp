#include "lott/pairing/motestabell.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

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
            for (std::size_t i = nummer.size(); i-- > 0;) { // the first of equal numbers wins
                int& plats = platser_[static_cast<std::size_t>(static_cast<std::int64_t>(nummer[i]) - bas_)];
                dubbletter_ = dubbletter_ || plats >= 0;
                plats = static_cast<int>(i);
            }
        } else {
            gles_.reserve(nummer.size());
            for (std::size_t i = 0; i < nummer.size(); ++i)
                dubbletter_ = !gles_.emplace(nummer[i], static_cast<int>(i)).second || dubbletter_;
        }
    }
    bool dubbletter() const { return dubbletter_; }
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
    bool dubbletter_ = false;
};

} // namespace

// Only games between two players of the pool are kept: a withdrawn opponent is never paired.
// Each player's games are gathered by a counting sort over the pool, in file order.
Motestabell::Motestabell(const std::vector<std::int32_t>& nummer, const std::vector<partistruct>& partier) {
    const PoolIndex index(nummer);
    dubbletter_ = index.dubbletter();
    std::vector<std::pair<int, int>> spelare; // pool indices of white and black, per game kept
    spelare.reserve(partier.size());
    borjan_.assign(nummer.size() + 1, 0);
    for (const partistruct& p : partier) {
        const int vit = index(p.vit);
        const int svart = index(p.svart);
        if (vit < 0 || svart < 0) continue;
        spelare.emplace_back(vit, svart);
        ++borjan_[static_cast<std::size_t>(vit) + 1];
        if (svart != vit) ++borjan_[static_cast<std::size_t>(svart) + 1];
    }
    for (std::size_t i = 1; i < borjan_.size(); ++i)
        borjan_[i] += borjan_[i - 1];
    motstand_.resize(borjan_.back());
    std::vector<std::uint32_t> nasta(borjan_.begin(), borjan_.end() - 1);
    for (const auto& [vit, svart] : spelare) {
        const auto v = static_cast<std::uint32_t>(vit);
        const auto s = static_cast<std::uint32_t>(svart);
        if (vit == svart) {
            motstand_[nasta[v]++] = v << 2 | kSomVit | kSomSvart;
            continue;
        }
        motstand_[nasta[v]++] = s << 2 | kSomVit;
        motstand_[nasta[s]++] = v << 2 | kSomSvart;
    }
}

} // namespace parning
