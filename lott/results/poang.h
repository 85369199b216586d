// Points of one game for one side under the scoring codes 1 (1-½-0), 2 (3-1-0) and 3 (3-2-1).
#pragma once

namespace stallning {

enum class Utfall { Vinst, Remi, Forlust, Oppet };

// How a game with result code `resultat` ends for the side that had white (`vit`) or black.
// Postponed and adjourned games are open, except in the pairing's form (`schwanrop`), where an
// adjourned game counts as won and a postponed one as drawn for both players. Every other code
// is a loss: the opponent's win, a disqualification of both, and no result.
Utfall utfall(int resultat, bool vit, bool schwanrop);

// Points of an outcome; an open game gives none.
double poang(Utfall u, int poangval);

// Points a game adds to the progressive tie-break: like poang(), except that under 3-2-1 every
// game that is not won or drawn, open games and games without a result included, gives 1.
double progressivPoang(int resultat, bool vit, int poangval);

} // namespace stallning
