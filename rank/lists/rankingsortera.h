// The order of every list of rank: descending by rating; among equal ratings the member later in
// the register comes first. Members rated 0 or less, or above 5000, are left out.
#pragma once
#include <vector>

#include "rank/rating/rank_records.h"

namespace rank {

inline constexpr int kHogstaRanking = 5000;

std::vector<spelarstruct> rankingsortera(const std::vector<spelarstruct>& spel);

} // namespace rank
