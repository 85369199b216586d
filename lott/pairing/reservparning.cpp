#include "lott/pairing/reservparning.h"

#include <lemon/list_graph.h>
#include <lemon/matching.h>

#include <algorithm>

namespace parning {

namespace {

using Graf = lemon::ListGraph;
using Vikter = Graf::EdgeMap<long long>;

// The best pairing among the pairs at most `fonster` places apart; nullopt when those pairs hold
// no perfect pairing. Weights are positive, larger for closer pairs, so that the heaviest perfect
// pairing is the one with the smallest sum of squared distances.
std::optional<std::vector<std::pair<int, int>>> inomFonster(int antal, int fonster,
                                                            const std::function<bool(int, int)>& harMotts) {
    Graf g;
    std::vector<Graf::Node> noder;
    noder.reserve(static_cast<std::size_t>(antal));
    for (int i = 0; i < antal; ++i)
        noder.push_back(g.addNode());
    Vikter vikt(g);
    const long long storst = static_cast<long long>(antal) * antal + 1;
    for (int i = 0; i < antal; ++i) {
        const int sista = std::min(antal - 1, i + fonster);
        for (int j = i + 1; j <= sista; ++j) {
            if (harMotts(i, j)) continue;
            const long long d = j - i;
            vikt[g.addEdge(noder[static_cast<std::size_t>(i)], noder[static_cast<std::size_t>(j)])] =
                storst - d * d;
        }
    }
    lemon::MaxWeightedPerfectMatching<Graf, Vikter> matchning(g, vikt);
    if (!matchning.run()) return std::nullopt;
    std::vector<std::pair<int, int>> par;
    par.reserve(static_cast<std::size_t>(antal / 2));
    for (int i = 0; i < antal; ++i) {
        const int j = g.id(matchning.mate(noder[static_cast<std::size_t>(i)]));
        if (i < j) par.emplace_back(i, j);
    }
    return par;
}

} // namespace

std::optional<std::vector<std::pair<int, int>>> reservparning(int antal,
                                                              const std::function<bool(int, int)>& harMotts) {
    if (antal <= 0 || antal % 2 != 0 || antal > kReservparningMax) return std::nullopt;
    // Neighbours first: a late round of a large field can almost always be paired among players
    // close in the order, and a small graph is quick. The window doubles until it spans the
    // whole field, where a failure means that no pairing exists.
    for (int fonster = 16;; fonster *= 2) {
        if (fonster >= antal - 1) return inomFonster(antal, antal - 1, harMotts);
        if (auto par = inomFonster(antal, fonster, harMotts)) return par;
    }
}

} // namespace parning
