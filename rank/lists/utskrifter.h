// The steps behind rank's list commands: each reads the files it needs, writes the files that go
// with the list (the HTML page, a report file) and returns the list's lines for the list window.
#pragma once
#include <string>

#include "rank/lists/listinnehall.h"
#include "rank/state.h"

namespace rank {

// Which list a list window shows (`pvilk`): its caption, its paging and its small-font rule.
enum class Listslag { Rankinglista = 0, Ssflista = 1, Rapport = 2 };

// `gorlista`: the members of "SPEL" in rating order under the club name of "AKLUBB"; the HTML page
// of the current third is written.
Listinnehall rankinglista();

// `flytlista`: the ratings the current period's entries would give now. Sets `globperiod` to
// today's period, recalculates into "STEMP" ("SPEL" is not changed) and lists "STEMP"; the floating
// HTML page of today is written. When today's period has been committed, "STEMP" gets the
// committed ratings of "SPEL" as they are.
Listinnehall flytandeRankinglista(RankState& state);

// `ssflista`: the members on the federation list in rating order, for round `globindex`; the HTML
// page of the current third is written as for the ranking list.
Listinnehall federationslista(int globindex);

// The ranking list of "SPEL" on the web site only (no documented page), with the members' e-mail
// addresses when `visaEpost`.
void publiceraRankinglista(bool visaEpost);
// `rankingrapport`: member `namn`'s report for `period`; its text file is written.
Listinnehall rapportlista(const std::string& namn, int period);

} // namespace rank
