// The round being entered: its pairing list and its boards, the page commit and the final
// commit that appends the round to the tournament's games. The result-entry dialog is a thin
// view of this.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "store/records.h"

// One line of the pairing list, with its board and colour (0 white, 1 black).
struct spelarstructd {
    int nr = 0;
    std::string namn;
    std::string klubb;
    int ranking = 0;
    int bord = 0;
    int farg = 0;
};

// One board of the round being entered.
struct partistructd {
    int vit = 0;
    int svart = 0;
    int bord = 0;
    int resultat = 0;           // result code
    std::string resultatstrang; // the typed text, under "Valfritt" only
    int rond = 0;
};

class Resultatinmatning {
  public:
    static constexpr int kRaderPerSida = 10;
    // Board number of "no bye": no board reaches it.
    static constexpr int kIngetFrirondbord = 1000;
    using Sidtexter = std::array<std::string, kRaderPerSida>;

    // From the pairing list in pairing order: record k is on board k/2+1, white when k is even.
    explicit Resultatinmatning(const std::vector<spelarstructtva>& lskicka, bool valfritt);
    // The pairing list the pairing step left in "LSKICKA" (which must exist).
    static Resultatinmatning franLskicka(bool valfritt);

    int antalBord() const { return static_cast<int>(bordlista_.size()); }
    int frirondbord() const { return frirondbord_; }
    int frirondfarg() const { return frirondfarg_; }
    bool valfritt() const { return valfritt_; }
    // The scoring code is known only once the tournament is given.
    void sattValfritt(bool valfritt) { valfritt_ = valfritt; }

    // "12. Svensson 1450" (the rating only when above 0); empty when no one sits there.
    std::string sattstrang(int bord, int farg) const;
    // The stored result of a board as shown: the typed text under "Valfritt", else the code's text.
    std::string resultatfalt(int bord) const;
    // Shorthand completion of the text typed on a board.
    std::string foradla(int bord, const std::string& text) const;

    // Takes over the result texts of the page starting at board `forsta`. The boards outside
    // the page keep their order and come first; the page's boards follow in board order.
    void gorlista(int forsta, const Sidtexter& texter);

    // Every board has an accepted result (under "Valfritt": a text that parses).
    bool komplett() const;
    // Appends the round to the tournament's games: the game file with the next round number, or
    // under "Valfritt" "VALFRI.DAT" with this tournament's next round. Writes nothing and
    // returns false when the input is not complete.
    bool spara(int turnnr);

    const std::vector<partistructd>& bordlista() const { return bordlista_; }

  private:
    const spelarstructd* spelare(int bord, int farg) const;
    const partistructd* hittaBord(int bord) const;
    // A custom score scaled by the smaller positive rating of the board (at most 99).
    double skalad(double poang, const spelarstructd* spelaren, int minsta) const;
    void sparaValfritt(int turnnr) const;
    void sparaPartier(int turnnr) const;

    std::vector<spelarstructd> parningslista_;
    std::vector<partistructd> bordlista_;
    int frirondbord_ = kIngetFrirondbord;
    int frirondfarg_ = 0;
    bool valfritt_ = false;
};
