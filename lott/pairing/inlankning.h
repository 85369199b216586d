// Late entries ("Spelare &tillkommer"): the number a new player will get, the rules for the
// data he must bring, and the start list once he has joined.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "store/records.h"

// What the late-entry dialog knows about its tournament.
struct Inlankningslage {
    std::vector<spelarstructtva> spelare; // the player file, in file order
    int system = 0;                       // from "TURN": 0 Monrad, 1 Swiss-type
    bool startad = false;                 // games exist
    bool valfri = false;                  // custom scores: a ranking field holds a team size
    int hogstaNr = 0;                     // the largest start number used, in the player file or a game
};

// The facts of tournament `turnnr` as stored (`valfri`: the dialog's mode 4).
Inlankningslage lasInlankningslage(int turnnr, bool valfri);

// The number shown in "&Nr.": the number the player will get, or "Ej best." before the start
// of a Swiss-type tournament, where his ranking decides his place.
std::string nyttStartnummer(const Inlankningslage& lage);

// What the organiser typed.
struct NySpelare {
    std::string namn;
    std::string klubb;
    std::string ranking;
};

// A ranking is required when fewer than 4 players (the bye not counted) lack one between 700 and
// 3200, or under custom scores (`valfri`) a team size from 1 to 99; a club when fewer than 4
// players have the club "nej".
bool rankingKravs(const std::vector<spelarstructtva>& spelare, bool valfri = false);
bool klubbKravs(const std::vector<spelarstructtva>& spelare);

// The new player's record as it will be stored (start number not yet set), or nothing when a name,
// or a required club or ranking, is missing. A required ranking is read as registration reads it;
// one that is not required is stored as 0, a club that is not required as "nej".
std::optional<spelarstructtva> nySpelarpost(const Inlankningslage& lage, const NySpelare& typat);

// The player file after the new player has joined, and what the scratch file "INTEMP" holds when
// the file had to be rebuilt rather than extended.
struct Inlankning {
    std::vector<spelarstructtva> tfil;
    std::optional<std::vector<spelarstructtva>> intemp;
};

// Before the start every player is numbered 1..n in file order (a Swiss-type tournament puts the
// new player after everyone ranked at least as high); after the start the others keep their
// numbers and the new player takes the largest number used + 1. In both cases the bye is last and
// present exactly when the number of players is odd.
Inlankning lankaIn(const Inlankningslage& lage, spelarstructtva ny);

// The whole step of "&Verkställ": false, and no file touched, when the data were incomplete.
bool spelarein(int turnnr, const Inlankningslage& lage, const NySpelare& typat);
