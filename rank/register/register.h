// The member register "SPEL" and the member's extra files "ELO", "MAIL" and "ILISTA", as the
// member dialogs read them. Every reader creates a missing file empty first.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "rank/rating/rank_records.h"
#include "store/files.h"

namespace rank {

// The names of every record of "SPEL" in alphabetical order (namnFore), one per record.
std::vector<std::string> spelarnamn();

// The first record of "SPEL" named exactly `namn`.
std::optional<spelarstruct> hittaSpelare(const std::string& namn);

// 1 when "ILISTA" holds a record named `jmfnamn`, else 0.
int finnsissflista(const std::string& jmfnamn);

// What the member dialog shows of a member besides the register record: the Elo number of the
// last "ELO" record of that name when it is greater than 0 (else empty), the address of the last
// "MAIL" record (else empty), and whether "ILISTA" holds the name.
struct Medlemstillagg {
    std::string elo;
    std::string mail;
    bool palista = false;
};
Medlemstillagg lasTillagg(const std::string& namn);

// Removes every record named `namn` from "SPEL" (through "STEMP"). The member's games, tournament
// changes and Elo, mail and list records stay in their files.
void taBortSpelare(const std::string& namn);

// `target` rebuilt as `kept` followed by `added`: the scratch file is left holding `kept` (the
// documented copy without the member), the target is replaced atomically in one step.
template <class R>
void ersattMed(const char* target, const char* scratch, const std::vector<R>& kept,
               const std::vector<R>& added) {
    store::writeAll(scratch, kept);
    std::vector<R> all = kept;
    all.insert(all.end(), added.begin(), added.end());
    store::writeAll(target, all);
}

} // namespace rank
