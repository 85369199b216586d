// Generated tournaments for the web site's tests, its page check and its benchmark: random
// pairings and results round by round, with the bye, late entries, withdrawals, prizes, ranking
// groups, own categories and Elo where asked, as values and as the tournament's files.
#pragma once
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "lott/results/egenkategori.h"
#include "lott/webb/turneringsdata.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"

namespace webbtest {

enum class Slag { Monrad, Nordisk, Schweizer, Valfritt };

struct Val {
    Slag slag = Slag::Monrad;
    int spelare = 15;
    int ronder = 5;
    int spelade = 5;  // rounds with games
    int poangval = 1; // 1..3 (4 under Valfritt)
    bool progressiv = false;
    bool extra = true; // late entry, withdrawal, prizes, groups, categories and Elo
    int turnnr = 1;
    std::string namn = "Vårcupen";
    unsigned seed = 1;
};

inline webb::Turneringsdata generera(const Val& v) {
    std::mt19937 slump(v.seed);
    webb::Turneringsdata t;
    t.turnering = {v.turnnr, v.namn, v.ronder, v.slag == Slag::Monrad ? 0 : 1};
    t.poangval = v.slag == Slag::Valfritt ? 4 : v.poangval;
    t.schweizer = v.slag == Slag::Schweizer ? 1 : 0;
    t.progressiv = v.progressiv;
    const int sena = v.extra ? 2 : 0; // late entries, from round 2
    const int antal = v.spelare + sena;
    for (int i = 1; i <= antal; ++i) {
        spelarstructtva s;
        s.nr = i;
        s.namn = "Spelare " + std::to_string(i) + (i % 5 == 0 ? " Åström" : "");
        s.klubb = i % 4 == 0 ? "nej" : "SK Lund " + std::to_string(i % 3);
        s.ranking = i % 6 == 0 ? 0 : 1200 + static_cast<int>(slump() % 1000);
        t.spelare.push_back(s);
    }
    const int bye = antal + 1;
    t.spelare.push_back(store::byeRecord(bye, store::ByeClub::Nej));
    const int utgar = v.extra ? 3 : 0; // withdraws after round 2
    if (utgar) t.utgadda.push_back(utgar);

    for (int r = 1; r <= v.spelade; ++r) {
        std::vector<int> aktiva;
        for (int i = 1; i <= antal; ++i) {
            if (i > v.spelare && r < 2) continue;
            if (i == utgar && r > 2) continue;
            aktiva.push_back(i);
        }
        std::shuffle(aktiva.begin(), aktiva.end(), slump);
        if (aktiva.size() % 2) aktiva.push_back(bye);
        for (std::size_t b = 0; b + 1 < aktiva.size(); b += 2) {
            const int vit = aktiva[b], svart = aktiva[b + 1];
            const int bord = static_cast<int>(b / 2) + 1;
            if (t.poangval == 4) {
                const double pv = static_cast<double>(slump() % 5) / 2.0,
                             ps = static_cast<double>(slump() % 5) / 2.0;
                t.valfria.push_back(
                    {v.turnnr, vit, svart, bord, r, svart == bye ? 2.0 : pv, svart == bye ? 0.0 : ps});
                continue;
            }
            int res = resVitVinst;
            if (vit == bye)
                res = resSvartVinst;
            else if (svart != bye) {
                const int k = static_cast<int>(slump() % 100);
                res = k < 40   ? resVitVinst
                      : k < 75 ? resSvartVinst
                      : k < 95 ? resRemi
                      : k < 97 ? resVitWo
                               : resSvartWo;
            }
            t.partier.push_back({vit, svart, bord, res, r});
        }
    }
    if (v.extra) {
        t.priser = {{0, 1, 500}, {0, 2, 300}, {0, 3, 100}};
        t.grupper = rankingstruct{0, 3, antal / 3, 1, 300};
        for (int i = 2; i <= antal; i += 4)
            t.kategorier.push_back({egenkat::kategoriText("Junior", "100"), i, 100});
        for (int i = 1; i <= antal; i += 7)
            t.kategorier.push_back({egenkat::kategoriText("Veteran", ""), i, 0});
        t.elo = {{1, 2105, "FM"}, {4, 1980, ""}};
    }
    return t;
}

// Writes `t` as the tournament files of the working directory (appended to "TURN" and the shared
// files, so several tournaments can share a directory).
inline void skrivFiler(const webb::Turneringsdata& t) {
    const int nr = t.turnering.filnamnint;
    store::appendOne(store::fil::TURN, t.turnering);
    store::appendOne(store::fil::POANGSYS, poangsystem{t.poangval, nr});
    if (t.turnering.system == 1) store::appendOne(store::fil::SELN, vilkenschweizerstruct{t.schweizer, nr});
    if (t.progressiv) store::appendOne(store::fil::VILKV, vilkstruct{nr});
    store::writeAll(store::tournamentFile(nr, 'T'), t.spelare);
    store::writeAll(store::tournamentFile(nr, 'R'), t.partier);
    if (!t.valfria.empty()) store::append(store::fil::VALFRI, t.valfria);
    std::vector<spelarstructtva> ut;
    for (int u : t.utgadda)
        for (const auto& s : t.spelare)
            if (s.nr == u) ut.push_back(s);
    store::writeAll(store::tournamentFile(nr, 'U'), ut);
    if (!t.priser.empty()) store::writeAll(store::tournamentFile(nr, 'P'), t.priser);
    if (!t.elo.empty()) store::writeAll(store::tournamentFile(nr, 'E'), t.elo);
    if (t.grupper) store::writeOne(store::tournamentFile(nr, 'G'), *t.grupper);
    if (!t.kategorier.empty()) store::writeAll(store::tournamentFile(nr, 'K'), t.kategorier);
}

} // namespace webbtest
