#include "lott/results/rankingandring.h"

#include "rank/rating/rankingfunk.h"
#include "store/records.h"

namespace stallning {

double rankingfunkb(int rank, int jmfrank, int resultat, int farg) {
    int egetResultat = 0; // seen from the player's side
    switch (resultat) {
    case resVitVinst:
        egetResultat = farg == 1 ? rating::kVinst : rating::kForlust;
        break;
    case resSvartVinst:
        egetResultat = farg == 1 ? rating::kForlust : rating::kVinst;
        break;
    case resRemi:
        egetResultat = rating::kRemi;
        break;
    default:
        return 0.0;
    }
    const double andring = rating::rankingfunk(rank, jmfrank, egetResultat);
    if (rank >= rating::kHalveringsgrans && andring != 0.0) return andring / 2.0;
    return andring;
}

} // namespace stallning
