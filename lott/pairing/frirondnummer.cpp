#include "lott/pairing/frirondnummer.h"

#include <unordered_set>

#include "store/tournament.h"

namespace parning {

std::vector<partistruct> frironderSom(std::vector<partistruct> partier,
                                      const std::vector<spelarstructtva>& spelare, int frirondNr) {
    std::unordered_set<int> riktiga;
    for (const auto& s : spelare)
        if (!store::isBye(s.namn)) riktiga.insert(s.nr);
    for (auto& p : partier) {
        if (!riktiga.count(p.vit)) p.vit = frirondNr;
        if (!riktiga.count(p.svart)) p.svart = frirondNr;
    }
    return partier;
}

} // namespace parning
