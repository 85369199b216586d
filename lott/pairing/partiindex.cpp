#include "lott/pairing/partiindex.h"

#include <algorithm>

namespace parning {

PartiIndex::PartiIndex(const std::vector<partistruct>& partier) {
    if (partier.empty()) return;
    std::int64_t lag = partier.front().vit;
    std::int64_t hog = lag;
    for (const auto& p : partier) {
        lag = std::min({lag, static_cast<std::int64_t>(p.vit), static_cast<std::int64_t>(p.svart)});
        hog = std::max({hog, static_cast<std::int64_t>(p.vit), static_cast<std::int64_t>(p.svart)});
        sistaRond_ = std::max(sistaRond_, p.rond);
    }
    // Start numbers run 1..n: a slot per number. Numbers far apart (a damaged file) get a sorted
    // list of the numbers that occur instead.
    direkt_ = hog - lag <= 4 * static_cast<std::int64_t>(partier.size()) + 64;
    if (direkt_) {
        bas_ = lag;
    } else {
        nummer_.reserve(partier.size() * 2);
        for (const auto& p : partier) {
            nummer_.push_back(p.vit);
            nummer_.push_back(p.svart);
        }
        std::sort(nummer_.begin(), nummer_.end());
        nummer_.erase(std::unique(nummer_.begin(), nummer_.end()), nummer_.end());
    }
    const std::size_t platser = direkt_ ? static_cast<std::size_t>(hog - lag + 1) : nummer_.size();
    // Counting sort: the size of every player's run, then each game into the runs of its players.
    borjan_.assign(platser + 1, 0);
    for (const auto& p : partier) {
        ++borjan_[static_cast<std::size_t>(plats(p.vit)) + 1];
        if (p.svart != p.vit) ++borjan_[static_cast<std::size_t>(plats(p.svart)) + 1];
    }
    for (std::size_t i = 1; i <= platser; ++i)
        borjan_[i] += borjan_[i - 1];
    ordnade_.resize(borjan_[platser]);
    std::vector<std::size_t> nasta(borjan_.begin(), borjan_.end() - 1);
    for (const auto& p : partier) {
        ordnade_[nasta[static_cast<std::size_t>(plats(p.vit))]++] = p;
        if (p.svart != p.vit) ordnade_[nasta[static_cast<std::size_t>(plats(p.svart))]++] = p;
    }
}

std::int64_t PartiIndex::plats(int nr) const {
    if (borjan_.empty()) return -1;
    if (direkt_) {
        const std::int64_t i = static_cast<std::int64_t>(nr) - bas_;
        return i >= 0 && i + 1 < static_cast<std::int64_t>(borjan_.size()) ? i : -1;
    }
    const auto it = std::lower_bound(nummer_.begin(), nummer_.end(), nr);
    return it != nummer_.end() && *it == nr ? it - nummer_.begin() : -1;
}

std::span<const partistruct> PartiIndex::partier(int nr) const {
    const std::int64_t i = plats(nr);
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
