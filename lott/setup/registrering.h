// Committing player registration: the ranking check, the tournament's "TURN" record, "SLUMPT"
// and the start list with the bye.
#pragma once
#include <vector>

#include "lott/setup/inskrivning.h"
#include "store/records.h"

// True when "POANGSY" (touched first) says the tournament being set up uses custom scores.
bool lasValfri();

// Named players whose stored ranking a Swiss-type pairing cannot use. A stored ranking is valid
// from 701 to 3099, and for a "Valfritt" tournament also from 1 to 99 (a team size).
int ogiltigaRankingtal(const std::vector<spelarstruct>& lista, bool valfri);

// More invalid rankings than this refuse a Swiss-type registration.
inline constexpr int kToleradeOgiltiga = 3;
// Rows numbered above this are not registered.
inline constexpr int kHogstaStartnummer = 1000;

// The start list of the entry list: named players up to number 1000 in start-number order, byes
// dropped; Monrad (system 0) keeps that order, Swiss-type orders by ranking, highest first and
// the earlier row first on equal rankings. Numbered 1..k, with the bye (empty club) when k is odd.
std::vector<spelarstructtva> startlistaAvInskrivning(const std::vector<spelarstruct>& lista, int system);

struct RegistreringsUtfall {
    bool avvisad = false; // too many invalid rankings: nothing written, the form stays
    int turnnr = 0;       // number of the tournament entered in "TURN"
};

// Steps after the organiser confirmed: check, then append to "TURN", write "SLUMPT" and the ".T" file.
RegistreringsUtfall registreraSpelare(const std::vector<spelarstruct>& lista, const lottcstruct& skicka,
                                      bool valfri);
