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

// The conflicts of one classification of the pair positions 1..h, classified from position 1 up
// only as far as a question needs: positions 1..klassad are known, and of them the positions
// where the upper player had white and where only the lower one had, each ascending. Conflicts
// are few, so a range lookup is a scan of a short list.
struct Motesrad {
    std::vector<int> ovreVit;
    std::vector<int> undreVit;
    int klassad = 0;
    void rensa() {
        ovreVit.clear();
        undreVit.clear();
        klassad = 0;
    }
    // Positions are added in ascending order.
    void lagg(int p, Mote m) {
        if (m == Mote::OvreVit) ovreVit.push_back(p);
        else if (m == Mote::UndreVit) undreVit.push_back(p);
    }
    // Among the known positions: the first upper-white one in [a, b] and the last lower-white one.
    int kandForsta(int a, int b) const {
        for (int p : ovreVit)
            if (p >= a) return p <= b ? p : 0;
        return 0;
    }
    int kandSista(int a, int b) const {
        for (auto it = undreVit.rbegin(); it != undreVit.rend(); ++it)
            if (*it <= b) return *it >= a ? *it : 0;
        return 0;
    }
};

class Flyttprov {
  public:
    // For groups of the pool whose games `tabell` holds (Gruppspelare::index into it), of
    // `poolStorlek` players.
    Flyttprov(const Motestabell& tabell, std::size_t poolStorlek);

    // Takes a new saved group, which must outlive the tries made on it.
    void bygg(const Grupp& sparad);
    // The saved group has had two players put in front of it: each pair of the larger group is a
    // diagonal pair of the smaller one, so what is known of two diagonals carries over.
    void vidga();
    // The 1-based position of the player with pool index `index` in the saved group, 0 when he is
    // not in it.
    int plats(int index) const;
    // Whether a move from position `fran` to `till` stays in the lower half, where this class
    // checks it; any other try is checked on the rearranged group itself.
    bool iUndreHalvan(int fran, int till) const { return fran >= 1 && till >= 1 && fran <= h_ && till <= h_; }
    // What hittaKonflikt answers for the saved group itself.
    bool hittaKonflikt(Konflikt& konflikt);
    // What hittaKonflikt answers for the saved group with the player at `fran` moved to `till`
    // (both in the lower half).
    bool hittaKonflikt(int fran, int till, Konflikt& konflikt);
    // The saved group's position of the lower player of the conflict found last.
    int undreIsparad() const { return undre_; }

  private:
    // The saved group's own pairs, and the diagonals a move brings about: position p's upper
    // player against the lower player of p-1 (a move towards 1) or of p+1 (towards h).
    enum class Diagonal { Rak, Nedat, Uppat };
    struct Rad : Motesrad {
        Diagonal diagonal = Diagonal::Rak;
    };

    Mote mote(int undre, int ovre) const { return tabell_.mote(spelare(undre).index, spelare(ovre).index); }
    Mote klassa(Diagonal d, int p) const;
    void klassaTill(Rad& rad, int grans);
    int forsta(Rad& rad, int a, int b);
    int sista(Rad& rad, int a, int b);
    Mote vid(Rad& rad, int p);
    // The larger group's row from what is known of the smaller group's row `fran` (one position
    // further along): positions 1..fria are classified anew, the rest carried over up to `grans`.
    void skjut(Rad& till, const Rad& fran, int fria, int grans);
    bool konflikt(int p, int undre, Konflikt& konflikt);
    const Gruppspelare& spelare(int position) const { return (*sparad_)[static_cast<std::size_t>(position - 1)]; }

    const Motestabell& tabell_;
    const Grupp* sparad_ = nullptr;
    int h_ = 0;
    Rad rak_;
    Rad nedat_;
    Rad uppat_;
    Rad ledig_; // spare lists, swapped in when the group is widened
    // By pool index, the position less forskjutning_ (the players put in front since bygg); valid
    // only where it points back at the player.
    std::vector<int> plats_;
    int forskjutning_ = 0;
    int undre_ = 0;
};

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
    Motesrad bas_; // the first reordering's pairs, classified up to bas_.klassad
};

} // namespace parning
