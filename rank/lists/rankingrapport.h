// Rating reports: for one member and one rating period, the games and tournament changes the new
// rating was computed from, as a text file in "rankingutskrifter" and as the rows of the report
// window; and the reports of every member at once.
#pragma once
#include <string>
#include <vector>

#include "rank/rating/rank_records.h"

namespace rank {

struct Rankingrapport {
    std::string namn;
    std::vector<allastruct> partier;      // the member's games of the period, in file order
    std::vector<tallastruct> turneringar; // the member's tournament changes of the period
};

// The period as the report names it: "1/9-31/12 1997" for index 0, otherwise "1/1-31/4 ",
// "1/5-30/8 " or "1/9-30/12 " for the period's third, followed by its year.
std::string rapportPeriodtext(int period);

// The games and changes of member `namn` in `period`.
Rankingrapport rankingrapport(const std::string& namn, int period, const std::vector<allastruct>& alla,
                              const std::vector<tallastruct>& talla);

// One line per game: opponent, club (each followed by a tab when shorter than 8 characters,
// another when shorter than 16, and one more), rating, a tab, "Vinst", "Remi" or "Förlust", a tab
// and the line end.
std::string partirader(const Rankingrapport& r);
// One line per tournament change: tournament, a tab, the change.
std::string turneringsrader(const Rankingrapport& r);

// The member's own report file: the heading line, the games and, when there are tournament
// changes, those (introduced by a line of their own when games came before).
std::string rapportfil(const Rankingrapport& r);

// The path of a member's report: "rankingutskrifter/Rankingrapport_" + name + ".txt", with the
// name made safe as a file name, so that no name can write outside the folder.
std::string rapportfilNamn(const std::string& namn);

// Reads "ALLA" and "TALLA", writes the report file of member `namn` for `period` and returns the
// report (for the window).
Rankingrapport skrivRankingrapport(const std::string& namn, int period);

// The reports of every member in rating order for `period`: each member's own file, and
// "Rankingrapport_Alla.txt" with every member's name, current rating, games and changes. The
// members' names and ratings are left in the scratch file "SPELB".
void skrivAllaRapporter(int period);

} // namespace rank
