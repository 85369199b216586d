// The lines of rank's three lists, computed from the members and reports: the ranking list (and
// the floating one), the federation ("SSF") list, and one member's rating report. Each list starts
// with the date stamp at the top right.
#pragma once
#include <string>
#include <unordered_set>
#include <vector>

#include "rank/lists/listinnehall.h"
#include "rank/lists/rankingrapport.h"
#include "rank/rating/rank_records.h"

namespace rank {

// "Rankinglista " + club, or "Flytande ranking i " + club, over the columns "Nr", "Namn",
// "Ranking", "Klass": a row per member of `sorterade`, numbered from 1.
Listinnehall rankinglistaInnehall(const std::vector<spelarstruct>& sorterade, const std::string& klubb,
                                  bool flytande, const std::string& stampel);

// The federation list's texts for entry `globindex` of the round choice: an even entry is the
// spring round, an odd one the autumn round, of the year 1998 + globindex / 2.
struct SsfTexter {
    std::string omgang; // "våromgången 2003"
    std::string sasong; // "våren 2003"
    std::string datum;  // "1/1 2003"
};
SsfTexter ssfTexter(int globindex);

// The members of `sorterade` that "ILISTA" holds (`palistan`), in list order.
std::vector<spelarstruct> ssfSpelare(const std::vector<spelarstruct>& sorterade,
                                     const std::unordered_set<std::string>& palistan);

// "SPELARFÖRTECKNING" with its letter to the federation and the columns "Namn", "Födelsedata",
// "Rating " + date, "Ny", "Moderklubb": a row per member of `spelare`, numbered from 1, with "X"
// and the previous club for a new player. Later pages: "SPELARFÖRTECKNING, FORTS".
Listinnehall ssfInnehall(const std::vector<spelarstruct>& spelare, const std::string& klubb, int globindex,
                         const std::string& stampel);

// The rows of each printed page of the federation list: 40 on the first, 50 on every later one,
// every row once; at least one page.
std::vector<Sidintervall> ssfSidor(std::size_t rader);

// "Rankingrapport för " + name, the period, and the games (opponent, club, rating, "Vinst", "Remi"
// or "Förlust"), then, with tournament changes, "och följande turneringsresutlat:" and the changes.
Listinnehall rapportInnehall(const Rankingrapport& r, int period, const std::string& stampel);

} // namespace rank
