// "Bekräfta" of resultfix: one stored game of a tournament, named by its white and black start
// numbers, gets new players and a new result, after every check has passed in its order.
#pragma once
#include <string>
#include <vector>

#include "store/records.h"
#include "tools/resultfix/variant.h"

namespace resultfix {

// The outcome of "Bekräfta", in the order the checks are made.
enum class Status {
    IngenTurneringVald, // no tournament selected
    FyllIAllaFalt,      // one of the five fields is empty
    InteHeltal,         // a player-number field does not hold a whole number
    TurneringenSaknas,  // no such "TURN" record (team variant: or not scored with custom points)
    PartiSaknas,        // no game of the old white and black
    VitSaknas,          // new white 0 or less
    SvartSaknas,        // new black 0 or less
    NyVitFinnsEj,       // new white not in the start list
    NySvartFinnsEj,     // new black not in the start list
    RedanMotts,         // the new players already have a game together
    MotSigSjalv,        // new white and new black are one player
    ResultatFel,        // the result is no valid word or points; nothing written
    Andrad,             // the file holds the corrected game
};

// The five fields as typed.
struct Falt {
    std::string gammalVit, gammalSvart;
    std::string nyVit, nySvart;
    std::string resultat;
};

// The four player numbers of a correction.
struct Byte {
    int gammalVit = 0, gammalSvart = 0;
    int nyVit = 0, nySvart = 0;
};

// The new players and result of a corrected game: `kod` for a game record, the points for a
// custom-score record.
struct NyttResultat {
    int kod = 0;
    double vitresultat = 0, svartresultat = 0;
};

// The checks that need the tournament's games and start list, from the old game to the new
// pair (old game, new numbers above 0, new players in the start list, not met before unless the
// old pair swaps colours, not one player): the first that fails, else Status::Andrad.
Status kontrollera(const Byte& b, const std::vector<spelarstructtva>& spelare,
                   const std::vector<partistruct>& partier);
Status kontrollera(const Byte& b, const std::vector<spelarstructtva>& spelare,
                   const std::vector<valfristruct>& partier);

// The game file with every game of the old white and black given the new players and result,
// all other fields and records as they were. For "VALFRI.DAT" only tournament `turnnr`'s records.
std::vector<partistruct> ersatt(std::vector<partistruct> partier, const Byte& b, const NyttResultat& r);
std::vector<valfristruct> ersatt(std::vector<valfristruct> partier, int turnnr, const Byte& b,
                                 const NyttResultat& r);

// "Bekräfta" on the files of the current directory, for the tournament at `listposition`
// (-1: none selected) whose list text is `valdText`. The edited file is rewritten atomically
// through "RESTEMP" only when every check has passed; otherwise no file changes.
Status bekrafta(Variant v, int listposition, const std::string& valdText, const Falt& falt);

} // namespace resultfix
