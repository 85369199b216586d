// Team standings from individual tournaments: every player's points, summed per club (a team is
// every player of one club value, letter case ignored), and the ranking of the teams.
#pragma once
#include <string>
#include <unordered_map>
#include <vector>

#include "store/records.h"
#include "tools/lagturnering/variant.h"

namespace lagturnering {

// What game `g` gives player `nr`, by the first rule that matches: a win (1-0 or walk-over won)
// 3 / 1, a draw 2 / 1/2, a loss 1 / 0 (relative / total); anything else (postponed, adjourned,
// disqualified, walk-over lost, no result) 0.
double partipoang(int nr, const partistruct& g, Variant v);

// Every player's points over one tournament's games, in start-list order: one pass over the
// games, each adding to both its players' sums, so a tournament costs one read of its game file.
std::vector<double> spelarpoang(const std::vector<spelarstructtva>& spelare,
                                const std::vector<partistruct>& partier, Variant v);

// Players left out of every team: an empty club, and in the relative variant "nej" (a tournament
// without clubs). "NEJ" is a club of that name.
bool utelamnas(const std::string& klubb, Variant v);

struct Lag {
    std::string namn;    // the spelling met first
    double varde = 0;    // the sum; relative: whole points
    long long antal = 0; // players counted
};

// The teams in the order they were first met. A club matches a team whatever the letter case
// (Windows-1252 letters, å and Å alike); there is no limit on the number of teams.
class Lagtabell {
  public:
    explicit Lagtabell(Variant v) : variant_(v) {}
    // Adds one player's points to the team of `klubb` (a player of two tournaments counts twice).
    void lagg(const std::string& klubb, double poang);
    // The relative variant's final values: 40 x sum / players, truncated. Once, after the last player.
    void skala();
    const std::vector<Lag>& lag() const { return lag_; }

  private:
    Variant variant_;
    std::vector<Lag> lag_;
    std::unordered_map<std::string, std::size_t> index_; // folded name -> position in lag_
};

struct Lagrad {
    std::string namn;
    double varde = 0;
    bool operator==(const Lagrad&) const = default;
};

// The ranked teams, best first; equal values keep the order the teams were first met. Teams with
// a value of 0 or less are not listed.
std::vector<Lagrad> rangordna(const std::vector<Lag>& lag);

// The key under which club names match: Windows-1252 letters folded to lower case.
std::string lagnyckel(const std::string& klubb);

} // namespace lagturnering
