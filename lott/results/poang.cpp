#include "lott/results/poang.h"

#include "store/records.h"

namespace stallning {

Utfall utfall(int resultat, bool vit, bool schwanrop) {
    switch (resultat) {
    case resVitVinst:
    case resVitWo:
        return vit ? Utfall::Vinst : Utfall::Forlust;
    case resSvartVinst:
    case resSvartWo:
        return vit ? Utfall::Forlust : Utfall::Vinst;
    case resRemi:
        return Utfall::Remi;
    case resUppskjutet:
        return schwanrop ? Utfall::Remi : Utfall::Oppet;
    case resAvbrutet:
        return schwanrop ? Utfall::Vinst : Utfall::Oppet;
    default:
        return Utfall::Forlust;
    }
}

double poang(Utfall u, int poangval) {
    switch (u) {
    case Utfall::Vinst:
        return poangval == 2 || poangval == 3 ? 3.0 : 1.0;
    case Utfall::Remi:
        return poangval == 2 ? 1.0 : poangval == 3 ? 2.0 : 0.5;
    case Utfall::Forlust:
        return poangval == 3 ? 1.0 : 0.0;
    case Utfall::Oppet:
        return 0.0;
    }
    return 0.0;
}

double progressivPoang(int resultat, bool vit, int poangval) {
    const Utfall u = utfall(resultat, vit, false);
    if (u == Utfall::Oppet) return poangval == 3 ? 1.0 : 0.0;
    return poang(u, poangval);
}

} // namespace stallning
