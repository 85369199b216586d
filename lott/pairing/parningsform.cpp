#include "lott/pairing/parningsform.h"

namespace parning {

std::vector<spelarstructtvac> parningsform(const std::vector<spelarstructc>& parslistac,
                                           const PartiIndex& partier) {
    std::vector<spelarstructtvac> ut;
    ut.reserve(parslistac.size());
    for (auto it = parslistac.rbegin(); it != parslistac.rend(); ++it) {
        spelarstructtvac c;
        c.nr = it->nr;
        c.namn = it->namn;
        c.klubb = it->klubb;
        c.ranking = it->ranking;
        c.poang = it->poang;
        c.kvalitet = it->kvalitet;
        c.antalvita = partier.antalVita(it->nr);
        ut.push_back(c);
    }
    return ut;
}

} // namespace parning
