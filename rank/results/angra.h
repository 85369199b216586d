// Undoing entered games of one member. The dialog works on the copy "AA" of "ALLA" and replaces
// "ALLA" with it only when committed. Each line of the dialog's list stands for one game record,
// so removing a line removes exactly that game.
#pragma once
#include <string>
#include <vector>

#include "rank/rating/rank_records.h"

namespace rank {

class Angra {
  public:
    // Copies "ALLA" to "AA" and makes a line for every game of `medlem`, in file order.
    explicit Angra(std::string medlem);

    // Opponent, three blanks, a tab, the result ("1-0", "0-1" or "Remi"), a tab, the date.
    const std::vector<std::string>& rader() const { return rader_; }

    // Removes the game of line `rad` from "AA" (rewritten through "ALA") and the line from the list.
    // A line number outside the list changes nothing.
    void taBort(int rad);

    // Replaces "ALLA" with the content of "AA".
    void verkstall() const;

  private:
    std::string medlem_;
    std::vector<allastruct> aa_;      // the content of "AA"
    std::vector<std::size_t> poster_; // line -> index into aa_
    std::vector<std::string> rader_;
};

// The list line of one game.
std::string angraRad(const allastruct& parti);

} // namespace rank
