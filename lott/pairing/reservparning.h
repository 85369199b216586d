// The fallback when the documented search of an engine gives up: any pairing of the field in
// which no two players who have met play each other, as close to the standings order as the
// field allows. A round is refused only when no such pairing exists at all.
#pragma once
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace parning {

// Largest field the fallback pairs: beyond it (a field no size rule leaves to these engines) a
// round the documented search gave up on stays refused rather than keeping the user waiting.
inline constexpr int kReservparningMax = 4000;

// A perfect pairing of the players at positions 0..antal-1 (standings order, best first; the bye,
// when there is one, is a player like any other: meeting it again is a second bye), in which
// `harMotts(i, j)` is false for every pair. It looks first among pairs at most 16 places apart,
// then 32, 64, ... up to the whole field, and within the narrowest span that admits a pairing
// takes the one with the smallest sum of squared distances, which pairs neighbours when it can.
// Pairs come as (i, j) with i < j, ordered by i. nullopt when the count is odd, the field is
// larger than kReservparningMax, or no such pairing exists.
std::optional<std::vector<std::pair<int, int>>> reservparning(int antal,
                                                              const std::function<bool(int, int)>& harMotts);

} // namespace parning
