// The start list as the start-list editor holds it: players move between start numbers by cut
// and paste before the first round of a Monrad tournament, where start numbers 1 against 2, 3
// against 4... are the first round's pairs. The editor shows odd numbers in its right list and
// even numbers in its left list, each with one empty row below the players.
#pragma once
#include <string>
#include <vector>

#include "store/records.h"

class Startlista {
  public:
    // The players of the ".T" file in file order, the bye included; numbered by their places.
    explicit Startlista(std::vector<spelarstructtva> spelare);

    // Players, and so the numbers 1..antal() that must all be filled before a commit.
    int antal() const { return static_cast<int>(spelare_.size()); }
    // Rows of each list: the players' numbers and one extra empty row.
    int raderHoger() const { return (antal() + 1) / 2 + 1; }
    int raderVanster() const { return antal() / 2 + 1; }
    // Row k (from 0) of the right list is start number 2k+1, of the left list 2k+2.
    static int nummer(bool hoger, int rad) { return hoger ? 2 * rad + 1 : 2 * rad + 2; }

    // The row of start number `nr`: "nr. name", or empty when no player shows there (the held
    // player's row is empty until it is pasted).
    std::string radText(int nr) const;

    // What a double-click on the row of `nr` offers: cutting out the player shown there while
    // nothing is held, pasting the held player into an empty row; nothing otherwise.
    enum class Klick { Inget, KlippUt, KlistraIn };
    Klick klick(int nr) const;
    void klippUt(int nr);   // holds the player shown at `nr`
    void klistraIn(int nr); // the held player takes start number `nr`
    bool haller() const { return hallen_ >= 0; }

    // A row among 1..antal() shows no player (a player is held, or was pasted below the list).
    bool harLuckor() const;

    // The list to store, without holes: players in start-number order numbered 1..antal(); a
    // bye that is not last moves to the end together with its first-round opponent, and the
    // players after it move up two places. Records have elo 0 and no own category.
    std::vector<spelarstructtva> nyStartlista() const;

  private:
    int visadIndex(int nr) const; // index of the player shown at `nr`, -1 for an empty row

    std::vector<spelarstructtva> spelare_;
    int hallen_ = -1; // index of the held player
};

// The bye moved to the last start number `m` of a full start list, and its first-round
// opponent (the other player of its pair) to m-1; the players numbered above the bye, other
// than the opponent, move down two. The list is in start-number order 1..m and stays so.
std::vector<spelarstructtva> flyttaFrirondSist(std::vector<spelarstructtva> lista);
