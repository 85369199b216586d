#include "lott/pairing/fargindex.h"

#include <algorithm>

#include "store/tournament.h"

namespace parning {

Fargindex::Fargindex(const std::vector<partistruct>& partier)
    : fack_(
          [&](const auto& f) {
              for (const auto& p : partier)
                  f(p.vit);
          },
          partier.size()) {
    sistaRond_ = store::largestRound(partier);
    if (partier.empty()) return;
    borjan_.assign(fack_.antal() + 1, 0);
    for (const auto& p : partier)
        ++borjan_[static_cast<std::size_t>(fack_.fack(p.vit)) + 1];
    for (std::size_t i = 1; i < borjan_.size(); ++i)
        borjan_[i] += borjan_[i - 1];
    ronder_.resize(borjan_.back());
    std::vector<std::uint32_t> nasta(borjan_.begin(), borjan_.end() - 1);
    for (const auto& p : partier)
        ronder_[nasta[static_cast<std::size_t>(fack_.fack(p.vit))]++] = p.rond;
}

int Fargindex::antalVita(int nr) const {
    const std::int64_t i = borjan_.empty() ? -1 : fack_.fack(nr);
    return i < 0 ? 0 : static_cast<int>(borjan_[static_cast<std::size_t>(i) + 1] - borjan_[static_cast<std::size_t>(i)]);
}

bool Fargindex::vitIRond(int nr, int rond) const {
    const std::int64_t i = borjan_.empty() ? -1 : fack_.fack(nr);
    if (i < 0) return false;
    const auto fran = ronder_.begin() + borjan_[static_cast<std::size_t>(i)];
    const auto till = ronder_.begin() + borjan_[static_cast<std::size_t>(i) + 1];
    return std::find(fran, till, rond) != till;
}

} // namespace parning
