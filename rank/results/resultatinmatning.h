// Entry of one member's games and tournament rating changes for one rating period. What is
// confirmed waits in the pending files "ALA" (games) and "TALA" (tournament changes) and reaches
// "ALLA" and "TALLA" only when the entry is committed, so that a cancelled entry leaves the
// permanent files untouched.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "rank/rating/rank_records.h"

namespace rank {

// Texts written for game fields left empty.
inline constexpr const char* kEjAngiven = "Ej angiven"; // opponent, club, tournament
inline constexpr const char* kEjAngivet = "Ej angivet"; // date

// The game fields of the dialog as typed.
struct Partifalt {
    std::string motstandare;
    std::string klubb;
    std::string ranking;
    std::string resultat;
    std::string turnering;
    std::string datum;
};

// What the dialog offers to pick from: every distinct opponent name of "ALLA" and every distinct
// tournament name of "TALLA", in alphabetical order (namnFore).
struct Inmatningslistor {
    std::vector<std::string> motstandare;
    std::vector<std::string> turneringar;
};

// Opens an entry: the pending files are emptied, the lists read.
Inmatningslistor oppnaInmatning();

// The game the fields describe, for member `medlem` in period `period`; none when the opponent's
// rating is empty or outside 700..3200 or the result is not "1-0", "0-1" or "Remi".
std::optional<allastruct> bekraftaParti(const std::string& medlem, int period, const Partifalt& falt);

// The tournament change the fields describe; none when the change is empty or outside -400..400.
std::optional<tallastruct> bekraftaTurnering(const std::string& medlem, int period,
                                             const std::string& turnering, const std::string& andring);

// Appends a confirmed game to "ALA" / a confirmed change to "TALA".
void noteraParti(const allastruct& parti);
void noteraTurnering(const tallastruct& andring);

// The game against `motstandare` with the highest period (the first one on ties), among the games
// of "ALLA" and then those pending in "ALA": its opponent, club and rating fill the dialog.
std::optional<allastruct> senastePartiMot(const std::string& motstandare);

// Commits the entry: the games of "ALA" appended to "ALLA" and the changes of "TALA" to "TALLA", in
// the order they were confirmed.
void verkstallResultat();

} // namespace rank
