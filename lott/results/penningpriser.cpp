#include "lott/results/penningpriser.h"

#include <unordered_map>

#include "store/files.h"
#include "store/tournament.h"

namespace penning {

std::string platsText(int plats) {
    const int ental = plats % 10;
    const int tiotal = plats % 100;
    const bool a = (ental == 1 || ental == 2) && tiotal != 11 && tiotal != 12;
    return std::to_string(plats) + (a ? ":a pris." : ":e pris.");
}

Priser avPoster(const std::vector<penningstruct>& poster) {
    Priser p;
    for (const auto& r : poster) {
        if (r.nr >= 1 && r.nr <= kPlatser) p.belopp[r.nr - 1] = r.pris;
        p.delasellerej = r.delasellerej;
    }
    return p;
}

std::vector<penningstruct> tillPoster(const Priser& priser) {
    std::vector<penningstruct> ut;
    for (int plats = 1; plats <= kPlatser; ++plats)
        if (priser.belopp[plats - 1] > 0)
            ut.push_back({priser.delasellerej, plats, priser.belopp[plats - 1]});
    return ut;
}

void fordelaPriser(std::vector<spelarstructc>& stallning, const std::vector<penningstruct>& poster) {
    std::unordered_map<int, std::int64_t> prisFor; // place -> amount
    int regel = 0;
    for (const auto& r : poster) {
        prisFor[r.nr] = r.pris;
        regel = r.delasellerej;
    }
    std::vector<spelarstructc*> platser; // the players who take places, in standings order
    for (auto& s : stallning) {
        s.pris = 0;
        if (!store::isBye(s.namn)) platser.push_back(&s);
    }
    const auto lika = [regel](const spelarstructc& a, const spelarstructc& b) {
        return a.poang == b.poang && (regel != 1 || a.kvalitet == b.kvalitet);
    };
    // The group starting after place a covers places a+1 .. r.
    for (std::size_t a = 0; a < platser.size();) {
        std::size_t r = a + 1;
        while (r < platser.size() && lika(*platser[r], *platser[a]))
            ++r;
        std::int64_t summa = 0;
        for (std::size_t plats = a + 1; plats <= r; ++plats) {
            const auto it = prisFor.find(static_cast<int>(plats));
            if (it != prisFor.end()) summa += it->second;
        }
        const auto andel = static_cast<std::int32_t>(summa / static_cast<std::int64_t>(r - a));
        for (std::size_t i = a; i < r; ++i)
            platser[i]->pris = andel;
        a = r;
    }
}

std::vector<elostructab> eloLista(const std::vector<elostructab>& poster) {
    std::vector<elostructab> ut;
    for (const auto& e : poster)
        if (e.elo != 0 || !e.titel.empty()) ut.push_back(e);
    return ut;
}

void sattElo(std::vector<spelarstructc>& stallning, const std::vector<elostructab>& lista) {
    std::unordered_map<int, const elostructab*> perNr;
    for (const auto& e : lista)
        perNr[e.nr] = &e;
    for (auto& s : stallning) {
        const auto it = perNr.find(s.nr);
        s.elo = it == perNr.end() ? 0 : it->second->elo;
        s.titel = it == perNr.end() ? "" : it->second->titel;
    }
}

} // namespace penning

void inmedpris(LottState& st) {
    const auto priser = store::touchAndReadAll<penningstruct>(store::tournamentFile(st.turnnr, 'P'));
    if (!priser.empty() && st.pstallningval != 2) st.pstallningval = 1;
    penning::fordelaPriser(st.parslistac, priser);
    if (st.pstallningval != 2) return;
    const auto lista =
        penning::eloLista(store::touchAndReadAll<elostructab>(store::tournamentFile(st.turnnr, 'E')));
    if (lista.empty())
        st.pstallningval = 0;
    else
        penning::sattElo(st.parslistac, lista);
}
