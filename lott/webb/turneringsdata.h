// What the tournament site shows of one tournament, read from its files as they are (nothing is
// created or touched), and the standings after any round computed from it.
#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "lott/results/spelarstructc.h"
#include "store/records.h"

namespace webb {

// The round the running program has paired and whose results are not in yet, with its boards
// (white's and black's start numbers); pairings are not stored until results are.
struct Lottad {
    int turnnr = 0;
    int rond = 0;
    std::vector<std::pair<int, int>> par;
};

struct Turneringsdata {
    turneringsstruct turnering;
    int poangval = 1;  // scoring code; 4 is "Valfritt"
    int schweizer = 0; // Swiss variant ("SELN"): 0 Nordic, 1 Swiss
    bool progressiv = false;
    std::vector<spelarstructtva> spelare; // the player file, the bye included
    std::vector<partistruct> partier;     // every game, all rounds
    std::vector<valfristruct> valfria;    // under "Valfritt": this tournament's games
    std::vector<int> utgadda;             // withdrawn start numbers
    std::vector<penningstruct> priser;
    std::vector<elostructab> elo; // the Elo list (players with an Elo or a title)
    std::optional<rankingstruct> grupper;
    std::vector<egenkategoriastruct> kategorier;
    // The round the running program has paired and whose results are not in yet, with its boards
    // (white's and black's start numbers); pairings are not stored until results are.
    int lottadRond = 0;
    std::vector<std::pair<int, int>> lottadePar;
};

bool valfritt(const Turneringsdata& t);
// Rounds with games (the largest round among them).
int spelade(const Turneringsdata& t);
// "Monrad", "Nordisk schweizer" or "Schweizer".
std::string lottningsText(const Turneringsdata& t);
// The scoring as the new-tournament dialog offers it: "1-½-0", "3-1-0", "3-2-1" or "Valfritt".
std::string poangText(const Turneringsdata& t);

// The boards of a pairing list (white, black, white, ...), or of one in reverse order (result
// entry's, the last board first) when `omvand`.
std::vector<std::pair<int, int>> parAvLista(const std::vector<spelarstructtva>& lista, bool omvand);

// Every tournament of "TURN", in file order, read without creating or changing any file.
// `lottad` names the round the running program has paired, with its boards.
std::vector<Turneringsdata> lasTurneringar(const Lottad& lottad);

// The standings after round `rond`: the games of rounds 1..rond only, best first, withdrawn
// players marked, the bye included (renderers leave it out).
std::vector<spelarstructc> stallningEfter(const Turneringsdata& t, int rond);

} // namespace webb
