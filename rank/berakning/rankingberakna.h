// The recalculation of every member's rating for one rating period, and its commit.
//
// For each member: the period's games each bring rankingfunk(the member's rating before the
// calculation, the opponent's rating, the result); a member rated 2200 or more gets half of that
// sum; the period's tournament changes are then added in full; the new rating is the old one plus
// all this, truncated toward zero. A member without games and changes keeps the rating. Records of
// other periods, and of names no member has, count for nobody.
#pragma once
#include <vector>

#include "rank/rating/rank_records.h"

namespace rank {

// The register `spel` with every rating recalculated for `period`, in the same order; only
// `ranking` changes. The games and changes are indexed by member name once.
std::vector<spelarstruct> rankingberakna(const std::vector<spelarstruct>& spel,
                                         const std::vector<allastruct>& alla,
                                         const std::vector<tallastruct>& talla, int period);

// The new rating of one member from the sums of the period: `spelplus` the unhalved sum of the
// games, `turneringsplus` the sum of the tournament changes.
int nyRanking(int ranking, double spelplus, double turneringsplus);

// Recalculates the register "SPEL" for `period` from "ALLA" and "TALLA" (each created empty when
// missing) into "STEMP"; "SPEL" is not changed.
void rankingberaknaFiler(int period);

// Commits a recalculation of `period`: "SPEL" replaced by the records of "STEMP", in order, and
// the period noted as committed ("VERKPER"), both or neither.
void verkstallRankingberakning(int period);

} // namespace rank
