#include "lott/pairing/motestabell.h"

#include <algorithm>
#include <utility>

#include "lott/pairing/nummerfack.h"

namespace parning {

namespace {

// Pool index by start number (the first of equal numbers), and whether a number repeats.
class PoolIndex {
  public:
    explicit PoolIndex(const std::vector<std::int32_t>& nummer)
        : fack_(
              [&](const auto& f) {
                  for (std::int32_t nr : nummer)
                      f(nr);
              },
              nummer.size()),
          platser_(fack_.antal(), -1) {
        for (std::size_t i = nummer.size(); i-- > 0;) {
            int& plats = platser_[static_cast<std::size_t>(fack_.fack(nummer[i]))];
            dubbletter_ = dubbletter_ || plats >= 0;
            plats = static_cast<int>(i);
        }
    }
    bool dubbletter() const { return dubbletter_; }
    int operator()(std::int32_t nr) const {
        const std::int64_t i = fack_.fack(nr);
        return i < 0 ? -1 : platser_[static_cast<std::size_t>(i)];
    }

  private:
    Nummerfack fack_;
    std::vector<int> platser_;
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
