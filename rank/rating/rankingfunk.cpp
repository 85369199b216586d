#include "rank/rating/rankingfunk.h"

#include <array>
#include <cstdlib>

namespace rating {

namespace {
// Upper bound of |d| for each table value 16, 15, ..., 2; from 500 on the value is 1.
constexpr std::array<int, 15> kOvreGrans = {10,  33,  56,  79,  102, 126, 151, 178,
                                            207, 236, 270, 308, 352, 409, 499};
} // namespace

int vinstvarde(int skillnad) {
    const long d = std::labs(static_cast<long>(skillnad));
    int t = 16;
    for (int grans : kOvreGrans) {
        if (d <= grans) return t;
        --t;
    }
    return 1;
}

double rankingfunk(int rank, int jmfrank, int resultat) {
    const long skillnad = static_cast<long>(rank) - jmfrank;
    const int t = vinstvarde(static_cast<int>(std::labs(skillnad) > 100000 ? 100000 : skillnad));
    const int b = skillnad < 0 ? 32 - t : t;
    switch (resultat) {
    case kVinst:
        return b;
    case kRemi:
        return b - 16;
    case kForlust:
        return b - 32;
    default:
        return 0;
    }
}

} // namespace rating
