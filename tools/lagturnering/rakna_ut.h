// "Räkna ut" on files: the chosen tournaments of the current directory summed into one team
// standings page in "lottutskrifter".
#pragma once
#include <string>
#include <vector>

#include "tools/lagturnering/lagpoang.h"

namespace lagturnering {

// The ranked teams over the tournaments at list positions `valda` (0-based, in list order) of
// the current directory's "TURN": each position reads the files of that record's number. A
// position without a record, or a record whose number names no file, adds nothing; missing
// player and game files count as empty (nothing is created in the tournament directory).
std::vector<Lagrad> lagstallning(const std::vector<int>& valda, Variant v);

enum class Lagutfall {
    Klart,              // the page holds the ranked teams
    IngenTurneringVald, // nothing was selected; the page is written without rows all the same
};

// Writes the page of event `namnfalt` (kIngetNamn when empty) into "lottutskrifter", which is
// created when missing; Windows-1252, replaced atomically.
Lagutfall raknaUt(const std::vector<int>& valda, const std::string& namnfalt, Variant v);

} // namespace lagturnering
