#include "rank/berakning/periodval.h"

#include "rank/rating/period.h"

namespace rank {

int forvaldPeriod(const std::tm& idag, bool foregaende) {
    const int index = rating::periodIndex(idag.tm_year + 1900, idag.tm_mon + 1) - (foregaende ? 1 : 0);
    return index >= 0 && index < rating::kAntalPerioder ? index : -1;
}

} // namespace rank
