// The export of one tournament's games to the rating program: each player's rating change over
// the whole tournament, stored as one "TALLA" record under a chosen rating period, where the
// rating program adds it when it recalculates that period.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "rank/rating/rank_records.h"
#include "store/records.h"

namespace ratingbridge {

// Ratings from 801 to 3099 count; a player or an opponent rated outside gets and gives nothing.
bool raknasRanking(int ranking);

// The rating points one game gives a player rated `rank` against an opponent rated `jmfrank`,
// with the game's result code, seen from white's side when `vit`. Only 1 ("1-0"), 2 ("0-1") and
// 3 ("Remi") are played results: a game without a result, postponed, adjourned, disqualified or
// walked over, and any unknown code, gives 0. From 2200 on the value is halved, per game.
double rankingfunk(int rank, int jmfrank, int resultat, bool vit);

// What one export writes: for every player of the start list, in its order, the record
// {namn, tournament name cut to its field, the sum over the player's counted games truncated
// toward zero, period}. A game counts from round `forstaRond` on when both ratings count; the
// opponent's rating is the one the start list gives that start number (none: 0).
std::vector<rank::tallastruct> turneringsandringar(const std::vector<spelarstructtva>& spelare,
                                                   const std::vector<partistruct>& partier,
                                                   const std::string& tnamn, int period, int forstaRond);

// "TALLA" after an export of `nya` (all of one tournament and period): an earlier export of the
// same tournament for the same period is replaced, other records stay in their order, and the new
// records follow in start-list order. Two players of one name leave one record, the later
// player's, since the rating program tells members apart by name only.
std::vector<rank::tallastruct> ersattExport(const std::vector<rank::tallastruct>& talla,
                                            const std::vector<rank::tallastruct>& nya);

// The first rated round from the round field: 1 when empty, raised to 1 when smaller; none when
// the field holds something other than a whole number.
std::optional<int> forstaRond(const std::string& falt);

// The tournament name as a "TALLA" record holds it.
std::string tallaNamn(const std::string& tnamn);

} // namespace ratingbridge
