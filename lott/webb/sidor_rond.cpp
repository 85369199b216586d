// The participants list and the pages of each round: its boards, and once entered its results.
#include <algorithm>
#include <unordered_set>

#include "lott/reports/game_texts.h"
#include "lott/webb/sidor.h"
#include "store/tournament.h"

namespace webb {

namespace sw = store::webb;

namespace {

bool harKlubb(const std::string& klubb) {
    return !klubb.empty() && klubb != "nej";
}

// The cells of one board: board number, white's number and name, the result, black's.
std::vector<std::string> bordsrad(int bord, const reports::PlayerIndex& spelare, int vit, int svart,
                                  const std::string& resultat) {
    const auto namn = [&spelare](int nr) {
        const auto* p = spelare.find(nr);
        return p ? p->namn : std::string();
    };
    return {std::to_string(bord),  std::to_string(vit), namn(vit), resultat,
            std::to_string(svart), namn(svart)};
}

} // namespace

Webbsida deltagarSida(const Turneringsdata& t) {
    const std::unordered_set<int> utgadda(t.utgadda.begin(), t.utgadda.end());
    bool klubb = false, ranking = false;
    for (const auto& p : t.spelare) {
        if (store::isBye(p.namn)) continue;
        klubb = klubb || harKlubb(p.klubb);
        ranking = ranking || p.ranking > 0;
    }
    sw::Tabell tab;
    tab.kolumner = {"Nr", "Namn"};
    tab.tal = {true, false};
    if (klubb) tab.kolumner.push_back("Klubb");
    if (ranking) {
        tab.kolumner.push_back("Ranking");
        tab.tal.resize(tab.kolumner.size(), false);
        tab.tal.back() = true;
    }
    for (const auto& p : t.spelare) {
        if (store::isBye(p.namn)) continue;
        const bool ut = utgadda.count(p.nr) > 0;
        std::vector<std::string> rad{std::to_string(p.nr), ut ? p.namn + " Utgått" : p.namn};
        if (klubb) rad.push_back(harKlubb(p.klubb) ? p.klubb : "");
        if (ranking) rad.push_back(p.ranking > 0 ? std::to_string(p.ranking) : "");
        tab.rader.push_back(std::move(rad));
        tab.radklass.push_back(ut ? "utgatt" : "");
    }
    const std::string titel = "Deltagare";
    const std::string under = std::to_string(tab.rader.size()) + " spelare";
    return {kDeltagareFil, titel, turneringsSida(t, titel, sw::tabell(tab), under)};
}

Webbsida rondSida(const Turneringsdata& t, int rond) {
    const reports::PlayerIndex spelare(t.spelare);
    sw::Tabell tab;
    tab.kolumner = {"Bord", "Nr", "Vit", "Resultat", "Nr", "Svart"};
    tab.tal = {true, true, false, false, true, false};
    bool resultat = false;
    if (rond == t.lottadRond) {
        int bord = 0;
        for (const auto& [vit, svart] : t.lottadePar)
            tab.rader.push_back(bordsrad(++bord, spelare, vit, svart, ""));
    } else if (valfritt(t)) {
        for (const auto& g : reports::gamesOfRound(t.valfria, rond))
            tab.rader.push_back(bordsrad(g.bord, spelare, g.vit, g.svart, reports::valfriResultText(g)));
        resultat = true;
    } else {
        for (const auto& g : reports::gamesOfRound(t.partier, rond)) {
            tab.rader.push_back(bordsrad(g.bord, spelare, g.vit, g.svart, reports::resultText(g.resultat)));
            resultat = resultat || g.resultat != 0;
        }
    }
    const std::string titel = (resultat ? "Resultat rond " : "Lottning rond ") + std::to_string(rond);
    const std::string under = t.turnering.tnamn + ", rond " + std::to_string(rond) + " av " +
                              std::to_string(t.turnering.antalronder);
    return {rondFil(rond), titel, turneringsSida(t, titel, sw::tabell(tab), under)};
}

} // namespace webb
