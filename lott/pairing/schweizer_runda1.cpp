#include "lott/pairing/schweizer_runda1.h"

#include <cstddef>
#include <utility>

#include "lott/pairing/parlista.h"
#include "store/tournament.h"

namespace parning {

std::optional<std::vector<spelarstructtva>> schweizera(const std::vector<spelarstructtva>& startlista) {
    if (startlista.size() % 2 != 0) return std::nullopt;

    std::size_t frirond = startlista.size(); // index of "Frirond", size() when absent
    for (std::size_t i = 0; i < startlista.size(); ++i)
        if (store::isBye(startlista[i].namn)) {
            frirond = i;
            break;
        }
    const bool medFrirond = frirond < startlista.size();
    if (medFrirond && frirond == 0) return std::nullopt;

    // The players who take part in the halves: everybody but the bye pair, in list order.
    std::vector<const spelarstructtva*> halvor;
    for (std::size_t i = 0; i < startlista.size(); ++i) {
        if (medFrirond && (i == frirond || i + 1 == frirond)) continue;
        halvor.push_back(&startlista[i]);
    }

    std::vector<spelarstructtva> lista;
    lista.reserve(startlista.size());
    const std::size_t h = halvor.size() / 2;
    for (std::size_t i = 0; i < h; ++i) {
        lista.push_back(utanElo(*halvor[h + i]));
        lista.push_back(utanElo(*halvor[i]));
    }
    if (medFrirond) {
        lista.push_back(utanElo(startlista[frirond - 1]));
        lista.push_back(utanElo(startlista[frirond]));
    }
    return lista;
}

void schweizerfargera(std::vector<spelarstructtva>& lista, int turnnr) {
    // k is 1-based: the white seat of the first board to turn round.
    for (std::size_t k = (turnnr % 2 == 0) ? 1 : 3; k < lista.size(); k += 4)
        std::swap(lista[k - 1], lista[k]);
}

} // namespace parning
