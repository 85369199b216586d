// The standings pages: after each round, the final standings with prizes and Elo, the cross
// table, the prize winners, the ranking groups and the own categories. The numbers are the
// report window's texts, from the same row computations.
#include "lott/reports/game_texts.h"
#include "lott/reports/number_format.h"
#include "lott/reports/report_content.h"
#include "lott/results/egenkategori.h"
#include "lott/results/penningpriser.h"
#include "lott/results/rankinggrupper.h"
#include "lott/webb/sidor.h"
#include "store/decimal_text.h"

namespace webb {

namespace sw = store::webb;

namespace {

bool harKlubb(const std::string& klubb) {
    return !klubb.empty() && klubb != "nej";
}

struct Kolumner {
    bool klubb = false, ranking = false, elo = false, pris = false;
};

Kolumner kolumnerFor(const std::vector<const spelarstructc*>& rader) {
    Kolumner k;
    for (const auto* r : rader) {
        k.klubb = k.klubb || harKlubb(r->klubb);
        k.ranking = k.ranking || r->ranking > 0;
    }
    return k;
}

void kolumn(sw::Tabell& tab, const std::string& namn, bool tal) {
    tab.kolumner.push_back(namn);
    tab.tal.push_back(tal);
}

// A standings table over `rader` (best first, the bye already left out): the place shown once for
// players level on points and tie-break, withdrawn players marked as the window marks them.
sw::Tabell stallningstabell(const Turneringsdata& t, const std::vector<const spelarstructc*>& rader,
                            const Kolumner& k) {
    sw::Tabell tab;
    kolumn(tab, "Plats", true);
    kolumn(tab, "Nr", true);
    if (k.elo) kolumn(tab, "Titel", false);
    kolumn(tab, "Namn", false);
    if (k.klubb) kolumn(tab, "Klubb", false);
    if (k.ranking) kolumn(tab, "Ranking", true);
    if (k.elo) kolumn(tab, "ELO", true);
    kolumn(tab, "Poäng", true);
    kolumn(tab, valfritt(t) ? "Matchpoäng" : "Kvalitet", true);
    if (k.pris) kolumn(tab, "Pris", true);

    const auto platser = reports::tiedPlaces(rader);
    for (std::size_t i = 0; i < rader.size(); ++i) {
        const spelarstructc& s = *rader[i];
        std::vector<std::string> rad{platser[i] ? std::to_string(platser[i]) : "", std::to_string(s.nr)};
        if (k.elo) rad.push_back(s.titel);
        rad.push_back(s.utgatt ? s.namn + " Utgått" : s.namn);
        if (k.klubb) rad.push_back(harKlubb(s.klubb) ? s.klubb : "");
        if (k.ranking)
            rad.push_back(s.ranking > 0 ? std::to_string(s.ranking) + " (" +
                                              reports::ratingChangeText(s.rankingandring) + ")"
                                        : "");
        if (k.elo) rad.push_back(s.elo > 0 ? std::to_string(s.elo) : "");
        rad.push_back(reports::standingsPointsText(s));
        rad.push_back(store::decimalText(s.kvalitet, 3));
        if (k.pris) rad.push_back(s.pris > 0 ? std::to_string(s.pris) : "");
        tab.rader.push_back(std::move(rad));
        tab.radklass.push_back(s.utgatt ? "utgatt" : "");
    }
    return tab;
}

std::string efterRond(const Turneringsdata& t, int rond) {
    return t.turnering.tnamn + " efter rond " + std::to_string(rond) + " av " +
           std::to_string(t.turnering.antalronder);
}

reports::ReportInput rapportindata(const Turneringsdata& t, const std::vector<spelarstructc>& stallning) {
    reports::ReportInput in;
    in.tnamn = t.turnering.tnamn;
    in.valdrond = spelade(t);
    in.poangval = t.poangval;
    in.partier = t.partier;
    in.valfria = t.valfria;
    in.stallning = stallning;
    return in;
}

Webbsida korstabell(const Turneringsdata& t, const std::vector<spelarstructc>& stallning) {
    const auto in = rapportindata(t, stallning);
    const auto rader = reports::drawnRows(in.stallning);
    const auto celler = reports::crossTableCells(in);
    sw::Tabell tab;
    kolumn(tab, "Plats", true);
    kolumn(tab, "Namn", false);
    kolumn(tab, "Poäng", true);
    kolumn(tab, valfritt(t) ? "Matchpoäng" : "Kvalitet", true);
    for (int r = 1; r <= in.valdrond; ++r)
        kolumn(tab, "R" + std::to_string(r), false);
    for (std::size_t i = 0; i < rader.size(); ++i) {
        std::vector<std::string> rad{std::to_string(i + 1), rader[i]->namn,
                                     store::decimalText(rader[i]->poang, 3),
                                     store::decimalText(rader[i]->kvalitet, 3)};
        rad.insert(rad.end(), celler[i].begin(), celler[i].end());
        tab.rader.push_back(std::move(rad));
    }
    const std::string forklaring =
        valfritt(t) ? "<p>Varje rond: egna poäng och motståndarens plats.</p>\n"
                    : "<p>Varje rond: motståndarens plats och utfallet (1 vinst, R remi, 0 förlust; Fri är "
                      "frirond).</p>\n";
    return {kKorstabellFil, "Korstabell",
            turneringsSida(t, "Korstabell", forklaring + sw::tabell(tab), efterRond(t, in.valdrond))};
}

Webbsida prisvinnare(const Turneringsdata& t, const std::vector<const spelarstructc*>& rader, bool klar) {
    sw::Tabell tab;
    kolumn(tab, "Plats", true);
    kolumn(tab, "Namn", false);
    kolumn(tab, "Poäng", true);
    kolumn(tab, valfritt(t) ? "Matchpoäng" : "Kvalitet", true);
    kolumn(tab, "Pris", true);
    const auto platser = reports::tiedPlaces(rader);
    int plats = 0;
    for (std::size_t i = 0; i < rader.size(); ++i) {
        if (platser[i]) plats = platser[i];
        const spelarstructc& s = *rader[i];
        if (s.pris <= 0) continue;
        tab.rader.push_back({std::to_string(plats), s.namn, reports::standingsPointsText(s),
                             store::decimalText(s.kvalitet, 3), std::to_string(s.pris)});
    }
    const std::string titel = klar ? "Prisvinnare" : "Prisvinnare om turneringen slutade nu";
    std::string html = tab.rader.empty() ? "<p>Inga priser delas ut.</p>\n" : sw::tabell(tab);
    return {kPriserFil, titel, turneringsSida(t, titel, html, efterRond(t, spelade(t)))};
}

Webbsida rankinggrupper(const Turneringsdata& t, const std::vector<spelarstructc>& stallning) {
    auto in = rapportindata(t, stallning);
    in.grupper = *t.grupper;
    ranking::delaIn(in.stallning, in.grupper);
    std::string html;
    for (const auto& g : reports::groupStandings(in)) {
        sw::Tabell tab;
        tab.rubrik = "Grupp " + std::to_string(g.grupp);
        kolumn(tab, "Nr", true);
        kolumn(tab, "Namn", false);
        kolumn(tab, "Ranking", true);
        kolumn(tab, "Poäng", true);
        kolumn(tab, valfritt(t) ? "Matchpoäng" : "Kvalitet", true);
        kolumn(tab, "Pris", true);
        for (std::size_t i = 0; i < g.members.size(); ++i) {
            const spelarstructc& s = *g.members[i];
            tab.rader.push_back({std::to_string(s.nr), s.namn, std::to_string(s.ranking),
                                 store::decimalText(s.poang, 3), store::decimalText(s.kvalitet, 3),
                                 i < g.leaders && g.prize > 0 ? std::to_string(g.prize) : ""});
        }
        html += sw::tabell(tab);
    }
    return {kGrupperFil, "Rankinggrupper",
            turneringsSida(t, "Rankinggrupper", html, efterRond(t, spelade(t)))};
}

Webbsida egnaKategorier(const Turneringsdata& t, const std::vector<spelarstructc>& stallning) {
    std::string html;
    for (const auto& kat : egenkat::kategorier(t.kategorier)) {
        const auto lista = egenkat::ekat(stallning, t.kategorier, kat.text);
        std::vector<const spelarstructc*> rader;
        for (const auto& s : lista)
            rader.push_back(&s);
        auto tab = stallningstabell(t, rader, kolumnerFor(rader));
        tab.rubrik = egenkat::kategoriNamn(kat.text);
        const std::string pris = egenkat::epris(kat.pris);
        if (!pris.empty()) tab.rubrik += " " + pris;
        html += sw::tabell(tab);
    }
    return {kKategorierFil, "Egna kategorier",
            turneringsSida(t, "Egna kategorier", html, efterRond(t, spelade(t)))};
}

} // namespace

Webbsida stallningSida(const Turneringsdata& t, int rond, const std::vector<spelarstructc>& stallning) {
    const auto rader = reports::drawnRows(stallning);
    const std::string titel = "Ställning efter rond " + std::to_string(rond);
    const auto tab = stallningstabell(t, rader, kolumnerFor(rader));
    return {stallningFil(rond), titel, turneringsSida(t, titel, sw::tabell(tab), efterRond(t, rond))};
}

std::vector<Webbsida> slutsidor(const Turneringsdata& t, const std::vector<spelarstructc>& stallning) {
    std::vector<Webbsida> ut;
    const int n = spelade(t);
    if (n == 0) return ut;
    const bool klar = n >= t.turnering.antalronder;
    // Prizes and Elo as the standings with prizes and with Elo and title show them.
    std::vector<spelarstructc> medPris = stallning;
    penning::fordelaPriser(medPris, t.priser);
    if (!t.elo.empty()) penning::sattElo(medPris, t.elo);
    const auto rader = reports::drawnRows(medPris);
    Kolumner k = kolumnerFor(rader);
    k.elo = !t.elo.empty();
    k.pris = !t.priser.empty();
    if (klar) {
        const auto tab = stallningstabell(t, rader, k);
        ut.push_back({kSlutstallningFil, "Slutställning",
                      turneringsSida(t, "Slutställning", sw::tabell(tab), efterRond(t, n))});
    }
    ut.push_back(korstabell(t, stallning));
    if (!t.priser.empty()) ut.push_back(prisvinnare(t, rader, klar));
    if (t.grupper && t.grupper->antalgr > 0) ut.push_back(rankinggrupper(t, stallning));
    if (!t.kategorier.empty()) ut.push_back(egnaKategorier(t, stallning));
    return ut;
}

} // namespace webb
