// Texts and lookups shared by the report kinds: result texts, players by start number, the
// place column of standings, a player's game of a round.
#pragma once
#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "lott/results/spelarstructc.h"
#include "store/records.h"

namespace reports {

// The result of a game as the result list shows it ("1-0", "Remi", "0-1(W.O)", ...); empty for
// a game without a result.
std::string resultText(int resultat);
// A "Valfritt" game's result: white's score, " - ", black's score, up to 10 significant digits.
std::string valfriResultText(const valfristruct& g);

// The games of round `rond` (game-file or "Valfritt" records) by board, equal boards in file
// order.
template <class Game> std::vector<Game> gamesOfRound(const std::vector<Game>& games, int rond) {
    std::vector<Game> out;
    for (const auto& g : games)
        if (g.rond == rond) out.push_back(g);
    std::stable_sort(out.begin(), out.end(), [](const Game& a, const Game& b) { return a.bord < b.bord; });
    return out;
}

// Players by start number, as the games name them.
class PlayerIndex {
  public:
    explicit PlayerIndex(const std::vector<spelarstructtva>& players);
    // The player with start number `nr`. A number that no player has is a bye's (one whose record
    // a late entry removed, or one the pairing added), so it gives a "Frirond" record.
    const spelarstructtva* find(int nr) const;

  private:
    std::unordered_map<int, const spelarstructtva*> byNr_;
    spelarstructtva bye_;
};

// The place column of a standings list: the 1-based position of each row, or 0 (blank) when
// the row ties the row before it on points and kvalitet.
std::vector<int> tiedPlaces(const std::vector<const spelarstructc*>& rows);

// The rows of a standings list that a report draws: every player but the bye.
std::vector<const spelarstructc*> drawnRows(const std::vector<spelarstructc>& stallning);

// A player's outcome of one game from his own side.
enum class Outcome { Win, Draw, Loss, None };
// Win, draw or loss for the player who had white (`vit` true) or black; walk-overs count like
// the results they stand for, codes 0, 4, 5 and 6 give None.
Outcome outcomeFor(int resultat, bool vit);

// A club as the HTML tables write it: "nej" (no club recorded) becomes "Ej angiven".
std::string htmlClub(const std::string& klubb);

} // namespace reports
