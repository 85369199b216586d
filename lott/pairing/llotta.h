// The engine's side of the work files: it reads the games ("SKICKAP") and the player list
// ("LSKICKA") that the driver leaves, pairs, and writes the pairing list back into "LSKICKA".
// The pairing itself is done by the pure functions of monrad.h.
#pragma once
#include <string>
#include <vector>

#include "lott/pairing/parlista.h"
#include "store/records.h"

namespace parning {

// "SKICKAP" (touched first): the games the driver gathered, in file order.
std::vector<partistruct> lasSkickap();
// "LSKICKA" (touched first) as 76-byte player records, in file order.
std::vector<spelarstructtva> lankaupp();
// "LSKICKA" (touched first) as 88-byte records with points, in file order.
std::vector<spelarstructtvac> lankauppMedPoang();
// Truncates "LSKICKA" and writes the list as 76-byte records, elo and egenkategori 0.
void skickatillbaks(const Parlista& lista);
// First character of "VILKSY" (touched first), '0' when it is empty.
char lasVilksy();

class LLotta {
  public:
    // Round 1 of a Monrad tournament (or of a Swiss-type round switched to Monrad).
    void monrada(int valdrond);
    // Later rounds. `sfnamnglob` is the tournament number as text; its ".U" file lists the
    // withdrawn players. False when no pairing was found: "LSKICKA" is then left as it was.
    bool monradb(int valdrond, int fgrans, const std::string& sfnamnglob, int poangval, int turnnr);
    // Swiss-type rounds (llotta_schweizer.cpp). Round 1 reads the start list from "LSKICKA", later
    // rounds the standings in pairing form; `frav` 330 selects the Swiss variant, anything else
    // Nordic Swiss. False when no pairing was found: "LSKICKA" is then left empty.
    bool schweizera(int valdrond, int frav, const std::string& sfnamnglob);
    bool schweizerc(int valdrond, int turnnr, const std::string& sfnamnglob);
    bool schweizerb(int valdrond, int fgrans, int frav);
    bool schweizerd(int valdrond, int fgrans);
};

} // namespace parning
