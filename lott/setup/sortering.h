// The entries of the sort dialog ("Sortera deltarlista"): one text per player, beginning with the
// part the list is sorted by. The dialog's list box orders the texts alphabetically; ranking
// order is numeric and put in place by rankingordning.
#pragma once
#include <string>
#include <vector>

#include "store/records.h"

enum class Sorteringslage { Namn = 0, Ranking = 1, Klubb = 2 };

// The start number followed by one digit telling how many digits it has: "1" for 1 to 9, "2" for
// 10 to 99, "3" for 100 and above (start number 12 gives "122").
std::string nummerMedLangd(int nr);

// The entry of a player, its parts separated by three blanks and ending with nummerMedLangd:
// by name: name, ranking, club, number; by ranking: ranking, name, club, number; by club: club,
// name, ranking, number. A ranking of 0 and a club that is empty or "nej" are left out.
std::string sorteringsrad(const spelarstructtva& s, Sorteringslage lage);

// Ranking order of entries given in the list's alphabetical order: ranked players by ranking as a
// number, highest first, then the players without a ranking; ties keep the given order.
std::vector<spelarstructtva> rankingordning(std::vector<spelarstructtva> alfabetiskt);
