#include "lott/reports/game_rating.h"

#include <cstdlib>

#include "store/records.h"

namespace reports {
namespace {

// Upper bounds of |difference| for W = 16, 15, ..., 2; anything larger gives 1.
constexpr int kBandTop[] = {10, 33, 56, 79, 102, 126, 151, 178, 207, 236, 270, 308, 352, 409, 499};

int bandValue(int difference) {
    const int d = std::abs(difference);
    int w = 16;
    for (int top : kBandTop) {
        if (d <= top) return w;
        --w;
    }
    return 1;
}

} // namespace

double gameRatingChange(int ranking, int motstandare, int resultat, bool vit) {
    if (resultat != resVitVinst && resultat != resSvartVinst && resultat != resRemi) return 0;
    const int d = ranking - motstandare;
    int w = bandValue(d);
    if (d < 0) w = 32 - w;
    double change = 0;
    if (resultat == resRemi)
        change = w - 16;
    else if ((resultat == resVitVinst) == vit)
        change = w;
    else
        change = w - 32;
    if (ranking >= 2200 && change != 0) change /= 2;
    return change;
}

} // namespace reports
