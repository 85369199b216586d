// The club's per-game rating table, shared by the tournament program's standings, the rating
// program's recalculation and the export to the rating program. No halving here: each caller
// applies its own rule for players rated 2200 and more.
#pragma once

namespace rating {

// Points a win brings the higher-rated (or equally rated) player at rating difference |d|.
int vinstvarde(int skillnad);

// Result codes seen from the player's side.
inline constexpr int kVinst = 1;
inline constexpr int kForlust = 2;
inline constexpr int kRemi = 3;

// Rating points one game gives a player rated `rank` against an opponent rated `jmfrank`:
// win b, draw b - 16, loss b - 32, where b is the table value for the higher-rated player and
// 32 minus it for the underdog. Any other result code gives 0.
double rankingfunk(int rank, int jmfrank, int resultat);

// Ratings from this value on have their gains and losses halved.
inline constexpr int kHalveringsgrans = 2200;

} // namespace rating
