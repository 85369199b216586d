// The tries that repair a score group by moving one player within its lower half, each checked in
// constant time. A move from position q to r changes only the pairs between q and r: the moved
// player meets the upper player at r, and the players in between each meet the upper player one
// position further along (a diagonal of the saved group). The pairs of the saved group and of its
// two diagonals are classified once; a try then only looks up the first conflict of each range.
#pragma once
#include <cstdint>
#include <vector>

#include "lott/pairing/schweizer_grupp.h"

namespace parning {

class Flyttprov {
  public:
    // For groups of a pool of `poolStorlek` players (Gruppspelare::index below it).
    Flyttprov(const MoteAv& mote, std::size_t poolStorlek);

    // Classifies the pairs of a new saved group, which must outlive the tries made on it.
    void bygg(const Grupp& sparad);
    // The saved group has had two players put in front of it: each pair of the larger group is a
    // diagonal pair of the smaller one, so only one diagonal is classified anew.
    void vidga();
    // The 1-based position of the player with pool index `index` in the saved group, 0 when he is
    // not in it.
    int plats(int index) const;
    // Whether a move from position `fran` to `till` stays in the lower half, where this class
    // checks it; any other try is checked on the rearranged group itself.
    bool iUndreHalvan(int fran, int till) const { return fran >= 1 && till >= 1 && fran <= h_ && till <= h_; }
    // What hittaKonflikt answers for the saved group itself.
    bool hittaKonflikt(Konflikt& konflikt) const;
    // What hittaKonflikt answers for the saved group with the player at `fran` moved to `till`
    // (both in the lower half).
    bool hittaKonflikt(int fran, int till, Konflikt& konflikt) const;

  private:
    // One classification per pair position 1..h, with the first upper-white meeting at or after
    // each position and the last lower-white meeting at or before it.
    struct Rad {
        std::vector<Mote> mote;
        std::vector<int> forstaOvreVit; // h + 1 when none
        std::vector<int> sistaUndreVit; // 0 when none
        void fyll(int h);
        int forsta(int a, int b) const; // first upper-white position in [a, b], 0 when none
        int sista(int a, int b) const;  // last lower-white position in [a, b], 0 when none
    };

    void fyllAlla();
    bool konflikt(int p, int undre, Konflikt& konflikt) const;
    const Gruppspelare& spelare(int position) const { return (*sparad_)[static_cast<std::size_t>(position - 1)]; }

    const MoteAv& mote_;
    const Grupp* sparad_ = nullptr;
    int h_ = 0;
    Rad rak_;    // the saved group's own pairs
    Rad nedat_;  // position p: the player of p-1 against the upper player of p (moves towards 1)
    Rad uppat_;  // position p: the player of p+1 against the upper player of p (moves towards h)
    std::vector<int> plats_; // by pool index; valid only where it points back at the player
};

} // namespace parning
