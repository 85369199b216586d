// The start-order draw offered once before a new Monrad tournament starts. It is not random: the
// order follows from the tournament number alone, so the same tournament always gets the same draw.
#pragma once
#include <string>
#include <vector>

#include "store/records.h"

// The drawn order of m places: element i (0-based) is the 1-based place in file order of the
// player who gets start number i+1. With r places remaining, the ((T + 900) mod r + 1)-th
// remaining one is taken next.
std::vector<int> slumpaOrdning(int turnnr, int m);

// The start list after the draw: the real players in drawn order numbered 1..m, each keeping
// name, club, ranking, Elo and own category; a "Frirond" present before is written last as
// m+1 with club "nej".
std::vector<spelarstructtva> slumpaStartlista(int turnnr, const std::vector<spelarstructtva>& spelare);

class SlumpaKlass {
  public:
    // Rewrites the start list of the tournament recorded last in "TILLB". Does nothing when
    // "TILLB" holds no record.
    void slumpa();

  private:
    std::string chars; // the tournament's player-file name
};
