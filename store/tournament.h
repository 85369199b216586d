// Lookups and conventions shared by every step that works on a tournament's files.
#pragma once
#include <string>
#include <vector>

#include "store/records.h"

namespace store {

// Per-tournament file name: the number's decimal digits followed by the extension
// ('T' players, 'R' games, 'U' withdrawn, 'P' prizes, 'G' ranking groups, 'E' Elo, 'K' own categories).
std::string tournamentFile(int turnnr, char extension);

// The tournament directory ("TURN", touched first), in file order.
std::vector<turneringsstruct> readTurn();
// The record of tournament `turnnr` in "TURN"; false when there is none.
bool findTournament(int turnnr, turneringsstruct& out);
// Tournament numbers stay below 100000: a per-tournament file name fits in 9 characters.
inline constexpr int kStorstaTurneringsnummer = 99999;
// The number a new tournament gets: the largest filnamnint in "TURN" plus one (1 when empty).
// Numbers outside 1..kStorstaTurneringsnummer (a damaged record) do not count, and the number is
// never below the record count plus one.
int nextTournamentNumber();

// Scoring code of a tournament from "POANGSYS" (touched first): the last matching record wins;
// `fallback` when none matches (1 in the shell, pairing and standings; 0 in result entry and
// the adjourned-games dialog).
int poangvalfunk(int turnnr, int fallback = 1);
// Swiss variant from "SELN": the last matching record wins; 0 (Nordisk schweizer) when none.
int vilkenSchweizer(int turnnr);
// The same two lookups over records already read, for a caller that looks up many tournaments
// or must not touch the files.
int poangval(const std::vector<poangsystem>& poangsys, int turnnr, int fallback = 1);
int vilkenSchweizer(const std::vector<vilkenschweizerstruct>& seln, int turnnr);
// The records of tournament `turnnr` in "VALFRI.DAT" (touched first), in file order.
std::vector<valfristruct> readValfri(int turnnr);
// Progressive kvalitet: the tournament's number occurs anywhere in "VILKV" (touched first).
bool progressivKvalitet(int turnnr);

// The single "TILLB" record; read without touching unless `touchFirst`. An empty file gives a
// record of zeros.
tillbehorstruct readTillb(bool touchFirst = false);
void writeTillb(const tillbehorstruct& t);

// The bye pseudo-player.
inline constexpr const char* kFrirond = "Frirond";
bool isBye(const std::string& namn); // "Frirond" or "frirond"

// Club text of the bye record: empty when player registration writes the start list, "nej"
// when any other step does.
enum class ByeClub { Tom, Nej };

// A start list as stored: the real players (byes dropped) numbered 1..k in the given order,
// with a fresh bye (k+1, "Frirond") appended when k is odd.
std::vector<spelarstructtva> startListWithBye(const std::vector<spelarstructtva>& players, ByeClub club);
spelarstructtva byeRecord(int nr, ByeClub club);

// The largest round present among a tournament's games: in its ".R" file (touched first), or
// for scoring code 4 among its records of "VALFRI.DAT" (touched first). 0 when none.
int lastRoundPlayed(int turnnr);
// The largest round among games (".R" or "VALFRI.DAT" records); 0 when none.
template <class Game> int largestRound(const std::vector<Game>& games) {
    int rond = 0;
    for (const auto& g : games)
        rond = rond < g.rond ? g.rond : rond;
    return rond;
}

// Whether the tournament has started: a round of it has been played (lastRoundPlayed > 0), judged
// from "VALFRI.DAT" under scoring code 4 and from its ".R" file otherwise. Before that its start
// list may still be renumbered; afterwards the games name players by their start numbers.
bool tournamentStarted(int turnnr);

} // namespace store
