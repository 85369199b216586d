#include "lott/results/valfri_stallning.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "store/tournament.h"

namespace stallning {

namespace {

std::uint64_t nyckel(int vit, int svart) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(vit)) << 32) |
           static_cast<std::uint32_t>(svart);
}

// The last game of every ordered pair (white, black), and each player's opponents.
class Parindex {
  public:
    explicit Parindex(const std::vector<valfristruct>& valfria) {
        for (const auto& v : valfria) {
            const bool ny = sista_.insert_or_assign(nyckel(v.vit, v.svart), &v).second;
            if (ny) {
                motstandare_[v.vit].push_back(v.svart);
                if (v.svart != v.vit) motstandare_[v.svart].push_back(v.vit);
            }
        }
        for (auto& [nr, lista] : motstandare_) {
            std::sort(lista.begin(), lista.end());
            lista.erase(std::unique(lista.begin(), lista.end()), lista.end());
        }
    }
    // P's score as white against Q, and as black against Q (0 without a game).
    double somVit(int p, int q) const {
        const auto it = sista_.find(nyckel(p, q));
        return it == sista_.end() ? 0.0 : it->second->vitresultat;
    }
    double somSvart(int p, int q) const {
        const auto it = sista_.find(nyckel(q, p));
        return it == sista_.end() ? 0.0 : it->second->svartresultat;
    }
    double totalt(int p, int q) const { return somVit(p, q) + somSvart(p, q); }
    const std::vector<int>& motstandare(int p) const {
        static const std::vector<int> inga;
        const auto it = motstandare_.find(p);
        return it == motstandare_.end() ? inga : it->second;
    }

  private:
    std::unordered_map<std::uint64_t, const valfristruct*> sista_;
    std::unordered_map<int, std::vector<int>> motstandare_;
};

} // namespace

void valfriPoangOchKvalitet(const std::vector<valfristruct>& valfria, std::vector<spelarstructc>& rader) {
    if (rader.empty()) return;
    const Parindex par(valfria);
    std::unordered_map<int, int> antal; // how often each start number stands in the list
    for (const auto& r : rader)
        ++antal[r.nr];
    auto iListan = [&](int nr) {
        const auto it = antal.find(nr);
        return it == antal.end() ? 0 : it->second;
    };

    for (auto& p : rader) {
        double poang = 0;
        double kvalitet = 0;
        for (int q : par.motstandare(p.nr)) {
            const int ggr = iListan(q);
            if (ggr == 0) {
                // A number no player has is a bye's (the one after the highest start number, or
                // an earlier bye whose record has left the list): its white score counts.
                const double fri = par.somVit(p.nr, q);
                poang += fri;
                if (fri > 0) kvalitet += 2.0;
                continue;
            }
            const double egen = par.totalt(p.nr, q);
            const double hans = par.totalt(q, p.nr);
            poang += egen * ggr;
            if (egen > hans)
                kvalitet += 2.0 * ggr;
            else if (egen == hans && egen > 0)
                kvalitet += 1.0 * ggr;
        }
        p.poang = poang;
        p.kvalitet = store::isBye(p.namn) ? 0.0 : kvalitet;
    }
}

} // namespace stallning
