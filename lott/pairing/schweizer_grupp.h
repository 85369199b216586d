// One score group of the later Swiss-type rounds and the ways it is rearranged when two of its
// players have already met. A group runs by descending start number: position 1 (index 0) holds
// the highest start number, the lower end; the upper half (lowest start numbers) sits at the
// other end. The group is paired position s with h, s-1 with h-1, ..., h+1 with 1.
#pragma once
#include <cstdint>
#include <vector>

#include "lott/pairing/motestabell.h"
#include "lott/pairing/partiindex.h"

namespace parning {

struct Gruppspelare {
    std::int32_t nr = 0;
    double poang = 0;
    std::int32_t antalvita = 0;
    int index = 0; // position in the round's pool
};

using Grupp = std::vector<Gruppspelare>;

// Whether `vit` had white against `svart` in some earlier game (any result code).
bool harMottSomVit(const PartiIndex& partier, std::int32_t vit, std::int32_t svart);

// Inserts `s` so that the group stays in descending start-number order.
void rankingsortera(Grupp& grupp, const Gruppspelare& s);
// The order that inserting every player with rankingsortera gives, in O(s log s) instead of
// O(s^2): descending start number, equal numbers in the order they came.
void rankingsorteraAlla(Grupp& grupp);

// The pair to repair after a failed check: `ej` the upper player, `ejb` the lower one, `ejc` the
// lower player's 1-based position and `ejd` half the group size.
struct Konflikt {
    std::int32_t ej = -1;
    std::int32_t ejb = -1;
    int ejc = -1;
    int ejd = -1;
    int ejbIndex = -1; // the lower player's position in the round's pool (Gruppspelare::index)
};

// Checks the pairs from position h down to 1 against earlier games. A meeting with the upper
// player as white replaces a conflict found before; one with the lower player as white counts
// only when none was found yet. False when every pair is new.
bool hittaKonflikt(const Grupp& grupp, const PartiIndex& partier, Konflikt& konflikt);
// The same check with the meetings from the pool's table (Gruppspelare::index into it).
bool hittaKonflikt(const Grupp& grupp, const Motestabell& tabell, Konflikt& konflikt);

// Takes the player with start number `nr` out and puts him back at the 1-based position `till`.
void flyttaTill(Grupp& grupp, std::int32_t nr, int till);

// Odd positions followed by even positions: 1, 3, 5, ..., 2, 4, 6, ...
void uddaJamna(Grupp& grupp);

// Takes the last player of the group out and puts him back right after position size - m.
void mjustera(Grupp& grupp, int m);

} // namespace parning
