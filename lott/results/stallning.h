// The standings of a tournament as a pure function of its players and games: points under the
// scoring code, the tie-break "kvalitet", open games, the rating change and the withdrawal mark,
// sorted best first. The step that reads the files is stallningfunk (stallningfunk.h).
#pragma once
#include <vector>

#include "lott/results/spelarstructc.h"
#include "store/records.h"

namespace stallning {

struct Indata {
    std::vector<spelarstructtva> spelare; // the start list in file order, "Frirond" included
    std::vector<partistruct> partier;     // every game of the game file, all rounds
    std::vector<valfristruct> valfria; // under "Valfritt": this tournament's custom-score games, file order
    std::vector<int> utgadda;          // start numbers in the withdrawal file
    int poangval = 1;                  // scoring code 1..4
    bool progressiv = false;           // kvalitet Progressiv instead of Vanlig
    int valdrond = 0;                  // the caller's round; raised to the largest round played
    bool schwanrop = false;            // the pairing's form: open games count, withdrawn out, bye evened
};

struct Resultat {
    std::vector<spelarstructc> parslistac; // best first
    int klubbfinns = 0;                    // some club is given (not empty, not "nej")
    int rankingfinns = 0;                  // some rating above 0
    int valdrond = 0;
};

Resultat berakna(const Indata& in);

// The standings order: more points, then higher kvalitet, then lower start number.
bool fore(const spelarstructc& a, const spelarstructc& b);

// The pairing's list: the withdrawn players removed (order kept), and the count made even by
// removing "Frirond" or adding one at the end numbered after the highest start number the list
// held before, a number no player has.
void lankabortutgadda(std::vector<spelarstructc>& lista, const std::vector<int>& utgadda);

} // namespace stallning
