// Correcting name, club and ranking of players ("Ändra spelaruppgifter"): the rules of the
// per-player form and the editor's commit onto the start list.
#pragma once
#include <string>
#include <vector>

#include "store/records.h"

// Name and club as the form stores them.
inline constexpr std::size_t kUppgiftMax = 29;

// Whether the tournament has clubs (some club neither empty nor "nej") and rankings (some
// ranking above 0); without them the form's club or ranking field cannot be changed.
struct Uppgiftsflaggor {
    bool klubbar = false;
    bool rankingar = false;
};
Uppgiftsflaggor uppgiftsflaggor(const std::vector<spelarstructtva>& spelare);

// The player after the form's commit: name and club as typed (at most 29 characters), the ranking
// as registration stores it: 701 to 3099 kept, and under "Valfritt" team sizes 1 to 99; anything
// else is 0.
spelarstructtva formularUppgifter(spelarstructtva spelare, const std::string& namn, const std::string& klubb,
                                  const std::string& ranking, bool valfri);

// The start list to store: `nuvarande` (the ".T" file as it is now) with the corrections the
// editor made, `andrade` against `laddade` (the list it was filled from, index by index). A
// correction lands on the record with the same start number and the same name as when it was
// loaded, so a start list changed in the meantime keeps its other changes. Records get elo 0
// and no own category.
std::vector<spelarstructtva> sparaUppgifter(std::vector<spelarstructtva> nuvarande,
                                            const std::vector<spelarstructtva>& laddade,
                                            const std::vector<spelarstructtva>& andrade);
