#include "lott/pairing/farger.h"

#include <algorithm>
#include <utility>

namespace parning {

namespace {

double fargpoangForParti(const partistruct& p, int nr) {
    const int r = p.resultat;
    if (r == resRemi || r == resUppskjutet) return 0.5;
    if (p.vit == nr) return (r == resVitVinst || r == resAvbrutet || r == resVitWo) ? 1.0 : 0.0;
    return (r == resSvartVinst || r == resAvbrutet || r == resSvartWo) ? 1.0 : 0.0;
}

} // namespace

double fargpoang(const PartiIndex& partier, int nr) {
    double summa = 0;
    for (const auto& p : partier.partier(nr))
        summa += fargpoangForParti(p, nr);
    return summa;
}

void nordiskafarger(Parlista& lista, const PartiIndex& partier, int valdrondglob) {
    const bool uddaRond = valdrondglob % 2 != 0;
    for (std::size_t k = 0; k + 1 < lista.size(); k += 2) {
        const auto& a = lista[k];
        const auto& b = lista[k + 1];
        if (partier.antalVita(a.nr) != partier.antalVita(b.nr)) continue;
        const double pa = fargpoang(partier, a.nr);
        const double pb = fargpoang(partier, b.nr);
        const bool aBattre = pa > pb || (pa == pb && a.nr < b.nr);
        // The better player gets black in an odd round and white in an even one.
        const bool aSkaHaVit = uddaRond ? !aBattre : aBattre;
        if (!aSkaHaVit) std::swap(lista[k], lista[k + 1]);
    }
}

void frirondsvart(Parlista& lista) {
    const int n = static_cast<int>(lista.size());
    int p = frirondPosition(lista);
    if (p < 0) return;
    if (p < n - 2) {
        const int partner = p % 2 == 0 ? p + 1 : p - 1;
        if (partner < n) {
            const spelarstructtva frirond = lista[p];
            const spelarstructtva motstandare = lista[partner];
            const int forst = std::min(p, partner);
            lista.erase(lista.begin() + forst, lista.begin() + forst + 2);
            lista.push_back(motstandare);
            lista.push_back(frirond);
        }
    }
    p = frirondPosition(lista);
    if (p % 2 == 0) {
        // "Frirond" would play white: move it to the very end, the others keep their order.
        const spelarstructtva frirond = lista[p];
        lista.erase(lista.begin() + p);
        lista.push_back(frirond);
    }
}

} // namespace parning
