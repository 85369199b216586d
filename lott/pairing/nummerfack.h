// Slots for start numbers, so that per-player tables are arrays instead of hash maps: one slot
// per number from the lowest to the highest when they lie close together, as start numbers do;
// one per distinct number, found by binary search, when they lie far apart (a damaged file).
#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

namespace parning {

class Nummerfack {
  public:
    Nummerfack() = default;
    // `varje(f)` calls f(nr) for every number to be given a slot (repeats allowed); `antal` is
    // about how many there are.
    template <class Varje>
    Nummerfack(const Varje& varje, std::size_t antal) {
        bool nagot = false;
        std::int64_t lag = 0, hog = 0;
        varje([&](std::int32_t nr) {
            lag = nagot ? std::min<std::int64_t>(lag, nr) : nr;
            hog = nagot ? std::max<std::int64_t>(hog, nr) : nr;
            nagot = true;
        });
        if (!nagot) return;
        bas_ = lag;
        if (hog - lag <= 4 * static_cast<std::int64_t>(antal) + 64) {
            antal_ = static_cast<std::size_t>(hog - lag + 1);
            return;
        }
        direkt_ = false;
        varje([&](std::int32_t nr) { nummer_.push_back(nr); });
        std::sort(nummer_.begin(), nummer_.end());
        nummer_.erase(std::unique(nummer_.begin(), nummer_.end()), nummer_.end());
        antal_ = nummer_.size();
    }

    std::size_t antal() const { return antal_; }
    // The slot of a number, -1 when it has none.
    std::int64_t fack(std::int32_t nr) const {
        if (direkt_) {
            const std::int64_t i = static_cast<std::int64_t>(nr) - bas_;
            return i >= 0 && i < static_cast<std::int64_t>(antal_) ? i : -1;
        }
        const auto it = std::lower_bound(nummer_.begin(), nummer_.end(), nr);
        return it != nummer_.end() && *it == nr ? it - nummer_.begin() : -1;
    }

  private:
    bool direkt_ = true;
    std::int64_t bas_ = 0;
    std::size_t antal_ = 0;
    std::vector<std::int32_t> nummer_; // only when the numbers lie far apart
};

} // namespace parning
