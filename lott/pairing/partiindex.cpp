#include "lott/pairing/partiindex.h"

#include <algorithm>

#include "store/tournament.h"

namespace parning {

PartiIndex::PartiIndex(const std::vector<partistruct>& partier)
    : fack_(
          [&](const auto& f) {
              for (const auto& p : partier) {
                  f(p.vit);
                  f(p.svart);
              }
          },
          partier.size()) {
    sistaRond_ = store::largestRound(partier);
    if (partier.empty()) return;
    // Counting sort: the size of every player's run, then each game into the runs of its players.
    const std::size_t platser = fack_.antal();
    borjan_.assign(platser + 1, 0);
    for (const auto& p : partier) {
        ++borjan_[static_cast<std::size_t>(fack_.fack(p.vit)) + 1];
        if (p.svart != p.vit) ++borjan_[static_cast<std::size_t>(fack_.fack(p.svart)) + 1];
    }
    for (std::size_t i = 1; i <= platser; ++i)
        borjan_[i] += borjan_[i - 1];
    ordnade_.resize(borjan_[platser]);
    std::vector<std::size_t> nasta(borjan_.begin(), borjan_.end() - 1);
    for (const auto& p : partier) {
        ordnade_[nasta[static_cast<std::size_t>(fack_.fack(p.vit))]++] = p;
        if (p.svart != p.vit) ordnade_[nasta[static_cast<std::size_t>(fack_.fack(p.svart))]++] = p;
    }
}

std::span<const partistruct> PartiIndex::partier(int nr) const {
    const std::int64_t i = borjan_.empty() ? -1 : fack_.fack(nr);
    if (i < 0) return {};
    const std::size_t fran = borjan_[static_cast<std::size_t>(i)];
    return {ordnade_.data() + fran, borjan_[static_cast<std::size_t>(i) + 1] - fran};
}

bool PartiIndex::harMotts(int a, int b) const {
    auto egna = partier(a);
    const auto andras = partier(b);
    if (andras.size() < egna.size()) egna = andras;
    return std::any_of(egna.begin(), egna.end(), [&](const partistruct& p) {
        return (p.vit == a && p.svart == b) || (p.vit == b && p.svart == a);
    });
}

int PartiIndex::antalVita(int nr) const {
    const auto egna = partier(nr);
    return static_cast<int>(
        std::count_if(egna.begin(), egna.end(), [&](const partistruct& p) { return p.vit == nr; }));
}

bool PartiIndex::vitIRond(int nr, int rond) const {
    const auto egna = partier(nr);
    return std::any_of(egna.begin(), egna.end(),
                       [&](const partistruct& p) { return p.vit == nr && p.rond == rond; });
}

} // namespace parning
