// What the four option dialogs (money prizes, ranking groups, Elo and titles, own categories)
// share: the tournament they work on, their pending flags in "TILLB", the start list they offer
// and amounts as typed.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "store/files.h"
#include "store/records.h"
#include "store/tournament.h"

namespace tillval {

enum class Flagga { Penningpriser, Rankinggrupper, Elotitel, Egenkategori };

// The tournament the option dialogs work on: the one "TILLB" names (touched first, so a
// directory that never had it reads as empty) when it is in "TURN"; otherwise the newest
// tournament, so that a tournament built from an earlier one's players, which writes no
// "TILLB", can still be given prizes and groups. 0 when the directory has no tournament.
int turnering();

// Clears flag `f` in "TILLB" (touched first) and rewrites the record, the rest unchanged.
void rensaFlagga(Flagga f);

// The start list of tournament `turnnr` in file order, empty when its ".T" file is missing.
std::vector<spelarstructtva> startlista(int turnnr);
// The records of one of the tournament's files, empty when it is missing (nothing is created).
template <class R> std::vector<R> lasOmFinns(int turnnr, char extension) {
    const std::string fil = store::tournamentFile(turnnr, extension);
    return store::exists(fil) ? store::readAll<R>(fil) : std::vector<R>{};
}

// A count or an amount as typed: leading blanks skipped, then the leading decimal digits; an
// empty field, a sign or anything else gives 0. Capped at `max`, so no typed text overflows.
std::int32_t talAvText(const std::string& text, std::int32_t max = 999999999);

// The text with everything but the digits dropped: what a digits-only field keeps.
std::string baraSiffror(const std::string& text);

} // namespace tillval
