// The rating change of one game, as the cross table of the final report shows it.
#pragma once

namespace reports {

// Rating points for a player rated `ranking` in one game against an opponent rated `motstandare`
// with result code `resultat`, `vit` true when the player had white: the band value W of the
// rating difference (16 for 0-10 down to 1 for 500 and more; 32 - W for the lower-rated player),
// W for a win, W - 16 for a draw, W - 32 for a loss, halved from a rating of 2200. Codes other
// than 1, 2 and 3 give 0.
double gameRatingChange(int ranking, int motstandare, int resultat, bool vit);

} // namespace reports
