// The rating change one game brings a player in the tournament's standings: the club's rating
// table, halved per game for players rated 2200 and more.
#pragma once

namespace stallning {

// Change for a player rated `rank` against `jmfrank` in a game with result code `resultat`
// (codes of the game file); `farg` is 1 when the player had white, 0 for black. Only decided
// games over the board count: postponed, adjourned, disqualified and walk-over games give 0.
double rankingfunkb(int rank, int jmfrank, int resultat, int farg);

} // namespace stallning
