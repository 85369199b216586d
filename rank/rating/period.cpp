#include "rank/rating/period.h"

namespace rating {

int tertial(int manad) {
    if (manad <= 4) return 0;
    if (manad <= 8) return 1;
    return 2;
}

int periodIndex(int ar, int manad) {
    return 3 * (ar - kForstaAr) + tertial(manad) + 1;
}

int periodAr(int p) {
    return p <= 0 ? kForstaAr - 1 : kForstaAr + (p - 1) / 3;
}

int periodTertial(int p) {
    return p <= 0 ? 2 : (p - 1) % 3;
}

std::string periodText(int p) {
    if (p <= 0) return "1:a september - 31:e december 1997";
    switch (periodTertial(p)) {
    case 0:
        return "1:a januari - 30:e april      " + std::to_string(periodAr(p));
    case 1:
        return "1:a maj - 30:e augusti              ";
    default:
        return "1:a september - 31:e december ";
    }
}

std::string ssfPeriodText(int i) {
    const std::string ar = std::to_string(kForstaAr + i / 2);
    return (i % 2 == 0 ? "inför våromgången " : "inför höstomgången ") + ar;
}

} // namespace rating
