// What late entries, withdrawals and taking back round 1 share: the largest start number a
// tournament has used, and rewriting its player file. Whether it has started is
// store::tournamentStarted.
#pragma once
#include <string>
#include <vector>

#include "store/records.h"

namespace startlista {

// The largest start number the tournament has used: in its player file (`spelare`, the bye
// included) or in any of its games. A new player after the start takes the next number, so that
// he never inherits the games of a bye whose record has left the player file.
int hogstaNummer(int turnnr, bool valfri, const std::vector<spelarstructtva>& spelare);

// The players other than the bye, in file order, numbers kept.
std::vector<spelarstructtva> utanFrirond(const std::vector<spelarstructtva>& spelare);
bool harFrirond(const std::vector<spelarstructtva>& spelare);

// The players numbered 1..k in their order.
std::vector<spelarstructtva> numrerade(std::vector<spelarstructtva> spelare);

// Rewrites a player file before the start: `riktiga` (no bye among them) numbered 1..k in their
// order, with a bye ("nej") k+1 last when k is odd. The scratch file keeps the numbered players
// without the bye; the player file is replaced atomically.
void skrivOmnumrerad(const std::string& tfil, const std::string& scratch,
                     const std::vector<spelarstructtva>& riktiga);

} // namespace startlista
