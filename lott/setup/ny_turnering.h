// Committing the new-tournament dialog: the set-up records of the tournament being created.
// The dialog collects its controls into NyTurneringVal and hands them here; what the dialog must do
// next (refuse, show message 16, open player registration) comes back in NyTurneringUtfall.
#pragma once
#include <string>

struct NyTurneringVal {
    std::string namn;   // "Turneringens &namn", at most 29 characters
    std::string ronder; // "Antal &ronder" as typed
    int systemc = 0;    // 0 Monrad, 1 Swiss-type
    int vilken = 0;     // 0 Nordisk schweizer, 1 Schweizer (kept when Monrad is chosen afterwards)
    int kvalitet = 0;   // 0 "Vanlig", 1 "Progressiv"
    int poang = 1;      // scoring code 1..4
    bool klubb = false;
    bool ranking = false;
    bool penningpriser = false;
    bool rankinggrupper = false;
    bool elotitel = false;
    bool egenkategori = false;
};

struct NyTurneringUtfall {
    bool garej = false;        // refused: a Swiss-type system without rankings; nothing written
    bool ingaRonder = false;   // refused: no rounds (0, or no digits in the field); nothing written
    bool meddelande16 = false; // some option was chosen: tell the organiser they come later
    int turnkatb = 0;          // player-data category, chooses the registration layout
    int turnnr = 0;            // number the tournament will get
    std::string tnamn;         // the name as stored
};

// Number of rounds from the rounds field: leading blanks skipped, then the leading decimal
// digits; an empty or unreadable field (a sign included) gives 0.
int ronderAvText(const std::string& text);

// Player-data category: 3 club and ranking, 1 club only, 2 ranking only, 0 neither.
int turnkategori(bool klubb, bool ranking);

// Writes "SKICKA", "TILLB", "POANGSY" and appends to "SELN", "POANGSYS" and, for progressive
// kvalitet, "VILKV". A refusal (garej, ingaRonder) writes nothing.
NyTurneringUtfall nyTurneringCommit(const NyTurneringVal& val);
