// Gathering what a report shows: the games of one round, and the whole input of a report from
// lott's state and the tournament's files.
#pragma once
#include <string>
#include <vector>

#include "lott/reports/report_input.h"
#include "lott/state.h"

namespace reports {

// True when round `rond` of tournament `turnnr` has games in its ".R" file (touched first).
bool resultatglob(int turnnr, int rond);
// The same for a "Valfritt" tournament, among its records of "VALFRI.DAT" (touched first).
bool resultatglob2(int turnnr, int rond);

// The input of the report of kind `state.vilkpaint`: the lists the main window has prepared
// (player list, standings) and what the report reads itself (games, "Valfritt" games, prizes
// and ranking-group settings). `kategori` names the own category of kind 9.
ReportInput reportInput(const LottState& state, const std::string& kategori = {});

// The input of the standings of one own category (kind 9): the standings `state.parslistac`
// reduced to the category's players (`ekat` of `poster` under `kategoritext`), plain standings
// columns, and the club and rating columns as the whole standings have them.
ReportInput egenKategoriInput(const LottState& state, const std::vector<egenkategoriastruct>& poster,
                              const std::string& kategoritext);

} // namespace reports
