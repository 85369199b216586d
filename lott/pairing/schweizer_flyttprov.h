// The tries that repair a score group, each checked without rescanning the whole group.
//
// A move of one player from position q to r within the lower half changes only the pairs between
// q and r: the moved player meets the upper player at r, and the players in between each meet the
// upper player one position further along (a diagonal of the saved group). The pairs of the saved
// group and of its two diagonals are classified once; a try then only looks up the first conflict
// of each range.
//
// The reorderings (odd positions before even ones, then the last player one position further down
// each time) differ from the first reordering only in their last few pairs.
#pragma once
#include <cstdint>
#include <vector>

#include "lott/pairing/motestabell.h"
#include "lott/pairing/schweizer_grupp.h"

namespace parning {

// The conflicts of one classification of the pair positions 1..h: the positions where the upper
// player had white and where only the lower one had, each ascending. Conflicts are few, so a
// range lookup is a binary search in a short list.
struct Motesrad {
    std::vector<int> ovreVit;
    std::vector<int> undreVit;
    void rensa() {
        ovreVit.clear();
        undreVit.clear();
    }
    // Positions are added in ascending order.
    void lagg(int p, Mote m) {
        if (m == Mote::OvreVit) ovreVit.push_back(p);
        else if (m == Mote::UndreVit) undreVit.push_back(p);
    }
    Mote vid(int p) const;
    int forsta(int a, int b) const; // first upper-white position in [a, b], 0 when none
    int sista(int a, int b) const;  // last lower-white position in [a, b], 0 when none
};

class Flyttprov {
  public:
    // For groups of the pool whose games `tabell` holds (Gruppspelare::index into it), of
    // `poolStorlek` players.
    Flyttprov(const Motestabell& tabell, std::size_t poolStorlek);

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
    Mote mote(int undre, int ovre) const { return tabell_.mote(spelare(undre).index, spelare(ovre).index); }
    bool konflikt(int p, int undre, Konflikt& konflikt) const;
    const Gruppspelare& spelare(int position) const { return (*sparad_)[static_cast<std::size_t>(position - 1)]; }

    const Motestabell& tabell_;
    const Grupp* sparad_ = nullptr;
    int h_ = 0;
    Motesrad rak_;   // the saved group's own pairs
    Motesrad nedat_; // position p: the player of p-1 against the upper player of p (moves towards 1)
    Motesrad uppat_; // position p: the player of p+1 against the upper player of p (moves towards h)
    Motesrad ledig_; // spare lists, swapped in when the group is widened
    // By pool index, the position less forskjutning_ (the players put in front since bygg); valid
    // only where it points back at the player.
    std::vector<int> plats_;
    int forskjutning_ = 0;
};

// The reorderings of a saved group, read straight from it: the first puts the odd positions
// before the even ones (uddaJamna), each later one m = 2, 3, ... also moves the last player up to
// position s-m+1 (mjustera). The first reordering's pairs are classified from position 1 up only as
// far as a question needs: its lowest upper-white meeting settles every later one below it.
class Omordningsprov {
  public:
    explicit Omordningsprov(const Motestabell& tabell) : tabell_(tabell) {}

    // The reorderings of this saved group, which must outlive the tries made on it.
    void bygg(const Grupp& sparad);
    // What hittaKonflikt answers for reordering m (m below 2: the first one).
    bool hittaKonflikt(int m, Konflikt& konflikt);
    // Reordering m itself, for the pairs once it has no conflict.
    void bilda(int m, Grupp& grupp) const;

  private:
    const Gruppspelare& vid(int m, int position) const;
    Mote par(int m, int j) const { return tabell_.mote(vid(m, j).index, vid(m, j + h_).index); }
    void klassaTill(int grans);

    const Motestabell& tabell_;
    const Grupp* sparad_ = nullptr;
    int s_ = 0;
    int h_ = 0;
    int klassad_ = 0; // the first reordering's pairs 1..klassad_ are in bas_
    Motesrad bas_;
};

} // namespace parning
