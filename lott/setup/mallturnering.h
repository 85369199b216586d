// A new tournament from an earlier one's players ("&Hämta spelare"): loading the earlier
// tournament into the working files "TEMPT", "LADDAS" and "FNAMN", editing the copied players,
// and the commit that enters the new tournament in "TURN" with its start list. Until that commit
// the new tournament does not exist: "TURN" and the per-tournament files are not touched.
#pragma once
#include <string>
#include <vector>

#include "store/records.h"

// Names up to this many characters get a copy number appended.
inline constexpr std::size_t kKopianummerUnder = 35;
// Name and club of a player added in the modify-tournament dialog, and its ranking text.
inline constexpr std::size_t kMallNamnMax = 28;
inline constexpr std::size_t kMallRankingMax = 9;

// The new tournament's name: the earlier tournament's (record `kalla` of `turn`) followed by a
// copy number when it is shorter than 35 characters. The number counts the records from the
// earlier tournament onwards (itself included) whose names agree with its name in all but the
// last character: a count of 1 gives "(2)", a count of c >= 2 gives "(c+1)".
std::string kopieNamn(const std::vector<turneringsstruct>& turn, std::size_t kalla);

// Loading the tournament at list index `vald` of "TURN" (tournament vald+1): "TEMPT" gets the new
// tournament's record (number `antalIListan` + 1, the copied name, rounds and system), "LADDAS"
// the earlier start list, "FNAMN" the new player-file name. False, writing nothing, when there
// is no such tournament.
bool laddaMall(int vald, int antalIListan);

// The counters of the modify-tournament dialog, taken when its list is loaded from "LADDAS".
struct MallRaknare {
    int spelare = 0; // players listed
    int klubbar = 0; // players whose club is neither empty nor "nej"
    int rankade = 0; // players ranked strictly between 1000 and 3000
};
MallRaknare raknaMall(const std::vector<spelarstructtva>& laddas);

// Fewer than this many clubs (rankings) among the listed players: an added player gets none.
inline constexpr int kMallKravGrans = 3;

// Adding a player as typed: club and ranking are asked for only when at least three listed
// players have one. With the name and every required field present the player is appended to
// "LADDAS" as number (players listed + 1) and counted; otherwise false (message 6), nothing written.
bool laggTillMallspelare(MallRaknare& raknare, const std::string& namn, const std::string& klubb,
                         const std::string& ranking);

// Removes the player at list index `index`: "LADDAT" gets a copy of "LADDAS", and "LADDAS" keeps
// the others renumbered 1, 2, 3...
void taBortMallspelare(MallRaknare& raknare, int index);

// The system dialog's answer. `system` -1 keeps the copied system, 0 Monrad, 1 Nordic Swiss,
// 2 Swiss; `poang` is the scoring code 1..3; `andrad` is set by "Ändra".
struct SystemVal {
    int system = -1;
    int poang = 1;
    bool andrad = false;
};

// The commit: the new start list (the players of "LADDAS" in list order, byes dropped, a new bye
// when the count is odd) into the file "FNAMN" names, the Swiss variant into "SELN" for a
// Swiss-type tournament (the earlier tournament `kalla`'s own variant when the system is kept),
// the scoring into "POANGSYS", and last the record of "TEMPT" into "TURN".
void verkstallMall(const SystemVal& val, int kalla);
