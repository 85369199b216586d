// The period the period dialog preselects.
#pragma once
#include <ctime>

namespace rank {

// The entry preselected on `idag`: the period the date falls in, or the one before it when
// `foregaende` (the period just ended, for the recalculation and the reports); -1 when that period
// is not in the list.
int forvaldPeriod(const std::tm& idag, bool foregaende);

} // namespace rank
