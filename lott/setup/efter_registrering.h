// The step after player registration: the one-time offer to draw the start order of a new Monrad
// tournament, then the option dialogs still pending in "TILLB".
#pragma once
#include "store/records.h"

// Reads "SLUMPT"; when it says "monradja", writes "monradn" (so the offer is made once) and
// returns true: the caller asks message 34 and, on "&Ja", runs SlumpaKlass::slumpa.
bool slumpaErbjudande();

enum class Tillval { Inget, Penningpriser, Rankinggrupper, Elotitel, Egenkategori };

// The first option dialog still pending, in the order money prizes, ranking groups, Elo and
// titles, own categories.
Tillval nastaTillval(const tillbehorstruct& tillb);

// "TILLB" touched and read, then nastaTillval.
Tillval nastaTillval();
