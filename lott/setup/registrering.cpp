#include "lott/setup/registrering.h"

#include <algorithm>

#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"

bool lasValfri() {
    const auto text = store::touchAndReadText(store::fil::POANGSY);
    return !text.empty() && text[0] == '1';
}

int ogiltigaRankingtal(const std::vector<spelarstruct>& lista, bool valfri) {
    int antal = 0;
    for (const auto& s : lista) {
        if (s.namn.empty()) continue;
        const bool vanlig = s.ranking >= 700 && s.ranking <= 3100;
        const bool lagstorlek = valfri && s.ranking >= 1 && s.ranking <= 99;
        if (!vanlig && !lagstorlek) ++antal;
    }
    return antal;
}

std::vector<spelarstructtva> startlistaAvInskrivning(const std::vector<spelarstruct>& lista, int system) {
    std::vector<spelarstruct> namngivna;
    for (const auto& s : lista)
        if (!s.namn.empty() && s.nr <= kHogstaStartnummer) namngivna.push_back(s);
    std::stable_sort(namngivna.begin(), namngivna.end(),
                     [](const spelarstruct& a, const spelarstruct& b) { return a.nr < b.nr; });
    std::erase_if(namngivna, [](const spelarstruct& s) { return store::isBye(s.namn); });
    if (system != 0)
        std::stable_sort(namngivna.begin(), namngivna.end(),
                         [](const spelarstruct& a, const spelarstruct& b) { return a.ranking > b.ranking; });

    std::vector<spelarstructtva> spelare;
    spelare.reserve(namngivna.size());
    for (const auto& s : namngivna) {
        spelarstructtva p;
        p.namn = s.namn;
        p.klubb = s.klubb;
        p.ranking = s.ranking;
        spelare.push_back(p);
    }
    return store::startListWithBye(spelare, store::ByeClub::Tom);
}

RegistreringsUtfall registreraSpelare(const std::vector<spelarstruct>& lista, const lottcstruct& skicka,
                                      bool valfri) {
    RegistreringsUtfall utfall;
    utfall.turnnr = store::nextTournamentNumber();
    // A few unranked players can be paired at the bottom; more would make the ranking order useless.
    if (skicka.system == 1 && ogiltigaRankingtal(lista, valfri) > kToleradeOgiltiga) {
        utfall.avvisad = true;
        return utfall;
    }

    // The start list first and "TURN" last: a tournament in "TURN" always has its start list, and
    // a start list written without its "TURN" record is written again under the same number by
    // the next registration.
    store::writeAll(store::tournamentFile(utfall.turnnr, 'T'), startlistaAvInskrivning(lista, skicka.system));
    store::writeText(store::fil::SLUMPT, skicka.system == 0 ? "monradja" : "monradnej");
    store::appendOne(store::fil::TURN,
                     turneringsstruct{utfall.turnnr, skicka.tnamn, skicka.antalronder, skicka.system});
    return utfall;
}
