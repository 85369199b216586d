// Ranking groups: the division the ranking-group dialog works out from what the organiser typed,
// the ".G" record, and `rstallningglob`, which places the players of the standings in the groups
// by rating.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "lott/results/spelarstructc.h"
#include "lott/state.h"
#include "store/records.h"

namespace ranking {

// The fields of the ranking-group dialog as typed.
struct Inmatning {
    std::string antalgr;      // G, "Den ska ha:"
    std::string spelarepergr; // S, "Rankinggrupperna är om:"
    std::string franochmed;   // F, "Den första rankinggruppen är ifrån nr:"
    std::string rpris;        // P, "Rankingpriser i kr:"
    int delasellerej = 0;     // 0 shared on equal points, 1 separated by kvalitet
};

// The ".G" record for a tournament of `antalSpelare` players, or nothing when the input does not
// make at least two groups. With d = N - F + 1 (F taken as 1 when not given): a given S makes
// G = d / S groups, one more when S x G < d; otherwise a given G makes groups of S = d / G
// players, one more when S x G < d. The record holds the F it used.
std::optional<rankingstruct> grupperAv(int antalSpelare, const Inmatning& in);

// Gives every player but the bye a rating place (highest ranking first, standings order among
// equals) and puts those with places F .. F+S-1 in group 1, the next S in group 2, up to group
// G; the rest, and the bye, belong to no group (0). Counts that make no groups (S or G not above
// 0) leave every player outside.
void delaIn(std::vector<spelarstructc>& stallning, const rankingstruct& g);

// The tournament's ranking-group settings: the ".G" file (touched first), its last record;
// nothing when it holds none.
std::optional<rankingstruct> lasGrupper(int turnnr);

} // namespace ranking

// The ranking-group standings of `st.turnnr`: 0 when the tournament has no ranking groups;
// otherwise computes the standings into `st.parslistac`, fills their groups and rating places,
// and returns 1.
int rstallningglob(LottState& st);
