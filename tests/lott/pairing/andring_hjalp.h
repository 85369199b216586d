// Fixtures of the tests of late entries, withdrawals and taking back rounds: a tournament's files
// written as records, and the bytes of a player file written out by hand.
#pragma once
#include <string>
#include <vector>

#include "store/files.h"
#include "store/tournament.h"
#include "tests/lott/setup/bild.h"

namespace andringtest {

// Player `nr` as the start lists of these tests hold him: "S<nr>", club "K", ranking 0.
inline spelarstructtva sp(int nr, std::string namn = "", std::string klubb = "K", int ranking = 0) {
    spelarstructtva s;
    s.nr = nr;
    s.namn = namn.empty() ? "S" + std::to_string(nr) : std::move(namn);
    s.klubb = std::move(klubb);
    s.ranking = ranking;
    return s;
}

inline spelarstructtva fri(int nr, std::string klubb = "nej") {
    return store::byeRecord(nr, klubb == "nej" ? store::ByeClub::Nej : store::ByeClub::Tom);
}

// Players 1..n as sp(), with the registration's bye (empty club) when n is odd.
inline std::vector<spelarstructtva> registrerade(int n) {
    std::vector<spelarstructtva> ut;
    for (int i = 1; i <= n; ++i)
        ut.push_back(sp(i));
    if (n % 2) ut.push_back(fri(n + 1, ""));
    return ut;
}

// Tournament `turnnr` in "TURN" (every number up to it), with its system and scoring code.
inline void turnering(int turnnr, int system, int poang = 1) {
    std::vector<turneringsstruct> t;
    for (int i = 1; i <= turnnr; ++i)
        t.push_back({i, "T" + std::to_string(i), 9, i == turnnr ? system : 0});
    store::writeAll("TURN", t);
    store::appendOne("POANGSYS", poangsystem{poang, turnnr});
}

inline partistruct parti(int rond, int vit, int svart, int resultat = resVitVinst, int bord = 1) {
    return partistruct{vit, svart, bord, resultat, rond};
}

inline valfristruct valfriParti(int turnnr, int rond, int vit, int svart, double v, double s, int bord = 1) {
    return valfristruct{turnnr, vit, svart, bord, rond, v, s};
}

// The image of a player file: each player's record in order, written out field by field.
inline Bild tbild(const std::vector<spelarstructtva>& spelare) {
    Bild b;
    for (const auto& s : spelare)
        b.plus(spelarBild(s.nr, s.namn, s.klubb, s.ranking, s.elo, s.egenkategori));
    return b;
}

// The image of a game file.
inline Bild spelBild(const std::vector<partistruct>& partier) {
    Bild b;
    for (const auto& p : partier)
        b.i32(p.vit).i32(p.svart).i32(p.bord).i32(p.resultat).i32(p.rond);
    return b;
}

// The image of "VALFRI.DAT".
inline Bild valfriBild(const std::vector<valfristruct>& partier) {
    Bild b;
    for (const auto& v : partier)
        b.i32(v.turnnr)
            .i32(v.vit)
            .i32(v.svart)
            .i32(v.bord)
            .i32(v.rond)
            .f64(v.vitresultat)
            .f64(v.svartresultat);
    return b;
}

} // namespace andringtest
