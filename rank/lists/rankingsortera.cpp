#include "rank/lists/rankingsortera.h"

#include <algorithm>

namespace rank {

std::vector<spelarstruct> rankingsortera(const std::vector<spelarstruct>& spel) {
    // The members are taken from a list built by putting each one in front, so the register in
    // reverse order; a stable sort then keeps later members first among equal ratings.
    std::vector<spelarstruct> lista;
    lista.reserve(spel.size());
    for (auto it = spel.rbegin(); it != spel.rend(); ++it)
        if (it->ranking > 0 && it->ranking <= kHogstaRanking) lista.push_back(*it);
    std::stable_sort(lista.begin(), lista.end(),
                     [](const spelarstruct& a, const spelarstruct& b) { return a.ranking > b.ranking; });
    return lista;
}

} // namespace rank
