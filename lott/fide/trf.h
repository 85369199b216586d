// The federation's tournament report (TRF-16): header lines 012-132, then one 001 line per player
// with the fields at their fixed columns and one 10-column block per round from column 92.
//
// The report counts games, not the club's points: 1, ½ and 0 whatever the tournament's scoring.
// The players are numbered 1..k in start-number order (a start list with a gap left by a moved
// bye keeps its order, closed up); the bye pseudo-player is never a player. Per round:
//   played          opponent, w/b, "1" "=" "0"
//   walk-over       opponent, w/b, "+" for the winner, "-" for the loser; "diskval." "-" for both
//   pairing bye     0000 - "U" when it gave the point, "H" half, "Z" nothing (each code's value in
//                   the format is the point the round gave)
//   no game         0000 - "Z": withdrawn, or not yet entered in the tournament
#pragma once
#include <string>
#include <vector>

#include "lott/fide/uppgifter.h"
#include "store/records.h"

namespace fide {

struct TrfIndata {
    std::string tnamn;
    int rond = 0;                          // report rounds 1..rond
    int poangval = 1;                      // scoring code; 4 ("Valfritt") is refused
    bool progressiv = false;               // kvalitet method, for the tournament's own placement
    std::vector<spelarstructtva> spelare;  // the start list as stored, bye included
    std::vector<partistruct> partier;      // every game of the game file
    std::vector<int> utgadda;              // start numbers of withdrawn players
    std::vector<SpelarUppgift> uppgifter;  // per real player (uppgifterFor)
    TurneringsUppgift turnering;
    bool utanAccenter = true;              // names and texts without Swedish letters and accents
};

struct TrfUtfall {
    std::vector<std::string> fel; // what to fix; when not empty there is no report
    std::string text;             // the report, lines ending in "\r\n"
};

TrfUtfall trfRapport(const TrfIndata& in);

// The last round whose games, and those of every round before it, all have a final result.
int senasteHelaRond(const std::vector<partistruct>& partier);

// "ÅÅÅÅ-MM-DD" -> "ÅÅÅÅ/MM/DD" (birth and event dates), and the round date form "ÅÅ/MM/DD".
std::string trfDatum(const std::string& datum);
std::string trfRonddatum(const std::string& datum);

} // namespace fide
