// What the member dialog "Spelaruppgifter" stores when it is committed: a new member, or an update
// of the member chosen last. The register record goes to "SPEL"; the Elo number, the e-mail address
// and the federation-list mark to "ELO", "MAIL" and "ILISTA", one record of each per member.
#pragma once
#include <string>

namespace rank {

// The dialog's fields as typed.
struct Medlemsfalt {
    std::string namn;
    std::string fodelsedata;
    std::string ranking;
    std::string klass;
    std::string elo;
    std::string epost;
    bool nySpelare = false;
    std::string tidigareKlubb;
    bool palista = false;
};

enum class Medlemsutfall {
    Sparad,         // stored
    TomtNamn,       // no name: nothing stored anywhere
    SammaNamn,      // a new member named like one in "SPEL": nothing stored anywhere
    OgiltigRanking, // the rating is not 701..3199: no register record stored (see sparaMedlem)
    NamnetAndrat,   // an update whose name was changed: nothing stored anywhere
};

// A rating the register accepts: a typed integer greater than 700 and less than 3200.
bool giltigRanking(const std::string& typed);

// Stores the dialog's fields. `uppdatering` is false for a new member; for an update `globnamn` is
// the name of the member being updated.
// - A new member is stored only when the name is free and the rating valid; then the member's
//   "ELO", "MAIL" and "ILISTA" records are replaced and the record is appended to "SPEL".
// - An update keeps the name: its "ELO", "MAIL" and "ILISTA" records are replaced; with a valid
//   rating the member's record leaves its place in "SPEL" and the new one goes to the end.
//   With an invalid rating "SPEL" stays as it was.
// A refused entry otherwise leaves every file as it was, so that no record is stored under a name
// that no member has, and a refused new member never overwrites an existing member's records.
Medlemsutfall sparaMedlem(bool uppdatering, const std::string& globnamn, const Medlemsfalt& falt);

} // namespace rank
