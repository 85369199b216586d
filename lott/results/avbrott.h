// The games of the adjourned-games dialog: open games (mode 1) or every game (mode 2, correcting a
// single result), what a selected line shows, the completion of the result field, confirmed
// results kept in memory, and the commit that writes them all at once.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "store/records.h"

namespace avbrott {

// The result field completed from its first character: "0" "0-1" (code 2), "1" "1-0" (1), "R"/"r"
// "Remi" (3), "W" "W.O 1-" (7), "d" "diskval." (6), "w" "w.o 0-1" (8); anything else, or nothing,
// an empty field and code 4, so that the game stays postponed.
struct Komplettering {
    std::string text;
    int kod = resUppskjutet;
};
Komplettering fullborda(const std::string& falt);

// A stored code as the field shows it when a line is selected; empty for codes without a text here.
std::string visatResultat(int kod);

} // namespace avbrott

class Avbrottslista {
  public:
    static constexpr int kOppnaPartier = 1; // postponed and adjourned games
    static constexpr int kAllaPartier = 2;  // every game, to correct one
    // Reads tournament `turnnr`'s players and games: its game file, or under custom scores
    // (`valfri`) its records of "VALFRI.DAT", of which a copy is first left in "VFRITE.DAT".
    Avbrottslista(int turnnr, int lage, bool valfri);

    // One line per listed game: round, white's number and name, "-", black's number and name.
    std::vector<std::string> rader() const;

    // What the fields show for a selected line: white's and black's names and the stored result
    // (under custom scores white's and black's scores); nothing when the line names no game.
    struct Markering {
        std::string vit;
        std::string svart;
        std::string resultat;
    };
    std::optional<Markering> markera(const std::string& rad) const;

    // Gives the game of the line the result code `kod`; false when the line names no game.
    bool bekrafta(const std::string& rad, int kod);
    // Gives the game of the line the custom scores typed in `falt` (at most 8 characters, "," read
    // as "."); false when the text does not parse or the line names no game.
    bool bekraftaValfritt(const std::string& rad, const std::string& falt);

    // Writes every confirmed result: the game file rewritten whole (the games in the dialog's order,
    // the file's reversed), or under custom scores "VALFRI.DAT" through "TVFRI.DAT" when a score was
    // confirmed. Each file is replaced in one step.
    void verkstall() const;

    bool valfritt() const { return valfri_; }

  private:
    struct Rad {
        int rond = 0;
        int vit = 0;
    };
    static std::optional<Rad> tolka(const std::string& rad);
    std::string namn(int nr) const;
    bool listad(const partistruct& p) const;

    int turnnr_;
    int lage_;
    bool valfri_;
    std::vector<spelarstructtva> spelare_;
    std::vector<partistruct> partier_; // the list's games, last stored first
    std::vector<valfristruct> alla_;   // under custom scores: all of "VALFRI.DAT", scores confirmed so far
    bool valfriAndrad_ = false;
};
