// Taking back the latest round ("Ta tillbaka &rond"): its games go, so that it can be paired and
// entered again. Taking back round 1 also returns the player list to its state before the start:
// withdrawn players leave it for good, the others are numbered 1..n, the bye last when n is odd.
#pragma once
#include <string>

// Scoring systems 1 to 3. Constructing it takes back the latest round of the game file `fnamn`
// (the tournament number followed by ".R"); the player and withdrawal files are named by
// replacing its last character with "T" and "U". Nothing happens without games.
class TaTillbaka {
  public:
    explicit TaTillbaka(const std::string& fnamn);

    int senasterond = 0; // the round taken back, 0 when there was none
};

// The latest round of tournament `turnnr` in "VALFRI.DAT" (touched first), 0 when it has none.
int fasenastevalfrirond(int turnnr);

// "Valfritt" tournaments: removes the latest round of tournament `turnnr` from "VALFRI.DAT"
// (through "TEMPVFRI.DAT"), keeping every other record in its order. Taking back round 1 also
// rebuilds its player list as TaTillbaka does.
void tatillbakavalfrirond(int turnnr);
