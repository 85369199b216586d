#include "lott/pairing/parlista.h"

#include "store/tournament.h"

namespace parning {

int frirondPosition(const Parlista& lista) {
    for (std::size_t i = 0; i < lista.size(); ++i)
        if (store::isBye(lista[i].namn)) return static_cast<int>(i);
    return -1;
}

spelarstructtva utanElo(const spelarstructtva& s) {
    spelarstructtva ut = s;
    ut.elo = 0;
    ut.egenkategori = 0;
    return ut;
}

} // namespace parning
