#include "lott/pairing/monrad_ordning.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "store/tournament.h"

namespace parning {

namespace {

// A player's score from one game. The second table, used for the player already selected in a
// tie-break, also counts an adjourned game (code 5) as won.
double poangForParti(const partistruct& p, int nr, bool avbrutetVinst) {
    const int r = p.resultat;
    if (r == resRemi) return 0.5;
    if (r == resUppskjutet) return 1.0;
    if (avbrutetVinst && r == resAvbrutet) return 1.0;
    if (p.vit == nr) return (r == resVitVinst || r == resVitWo) ? 1.0 : 0.0;
    if (p.svart == nr) return (r == resSvartVinst || r == resSvartWo) ? 1.0 : 0.0;
    return 0.0;
}

struct Rondpoang {
    int rond = 0;
    double somValjare = 0; // scored as the challenger P
    double somBast = 0;    // scored as the one currently selected, B
};

// Per-round scores of rounds 1..valdrond-1, latest round first.
std::vector<Rondpoang> rondpoang(const PartiIndex& partier, int nr, int valdrond) {
    std::vector<Rondpoang> ut;
    for (const auto& p : partier.partier(nr)) {
        if (p.rond < 1 || p.rond >= valdrond) continue;
        ut.push_back({p.rond, poangForParti(p, nr, false), poangForParti(p, nr, true)});
    }
    std::sort(ut.begin(), ut.end(), [](const Rondpoang& a, const Rondpoang& b) { return a.rond > b.rond; });
    // Two games in one round (not normally possible) score together.
    std::size_t k = 0;
    for (std::size_t i = 0; i < ut.size(); ++i) {
        if (k > 0 && ut[k - 1].rond == ut[i].rond) {
            ut[k - 1].somValjare += ut[i].somValjare;
            ut[k - 1].somBast += ut[i].somBast;
        } else {
            ut[k++] = ut[i];
        }
    }
    ut.resize(k);
    return ut;
}

bool harAvbrutet(const std::vector<Rondpoang>& rp) {
    return std::any_of(rp.begin(), rp.end(), [](const Rondpoang& r) { return r.somValjare != r.somBast; });
}

// Whether challenger P takes the place of the selected B among players level on points.
bool tarOver(int pNr, const std::vector<Rondpoang>& p, int bNr, const std::vector<Rondpoang>& b) {
    std::size_t i = 0, j = 0;
    while (i < p.size() || j < b.size()) {
        const int rond = std::max(i < p.size() ? p[i].rond : 0, j < b.size() ? b[j].rond : 0);
        const double sp = (i < p.size() && p[i].rond == rond) ? p[i++].somValjare : 0.0;
        const double sb = (j < b.size() && b[j].rond == rond) ? b[j++].somBast : 0.0;
        if (sp != sb) return sp < sb;
    }
    return pNr < bNr;
}

} // namespace

std::vector<MonradSpelare> poangOchVita(const std::vector<spelarstructtva>& spelare,
                                        const PartiIndex& partier, const std::vector<valfristruct>* valfri) {
    std::vector<MonradSpelare> ut;
    ut.reserve(spelare.size() + 1);
    for (auto it = spelare.rbegin(); it != spelare.rend(); ++it) {
        MonradSpelare m;
        m.spelare = *it;
        m.spelare.elo = 0;
        m.spelare.egenkategori = 0;
        m.antalvita = partier.antalVita(it->nr);
        if (!valfri)
            for (const auto& p : partier.partier(it->nr))
                m.poang += poangForParti(p, it->nr, false);
        ut.push_back(m);
    }
    if (valfri) {
        std::unordered_map<int, double> summa;
        for (const auto& v : *valfri) {
            summa[v.vit] += v.vitresultat;
            if (v.svart != v.vit) summa[v.svart] += v.svartresultat;
        }
        for (auto& m : ut)
            m.poang = summa.count(m.spelare.nr) ? summa[m.spelare.nr] : 0.0;
    }
    return ut;
}

void lankabortutgadda(std::vector<MonradSpelare>& lista, const std::vector<int>& utgatt, int frirondNr) {
    const std::unordered_set<int> borta(utgatt.begin(), utgatt.end());
    std::erase_if(lista, [&](const MonradSpelare& m) { return borta.count(m.spelare.nr) != 0; });
    if (lista.size() % 2 == 0) return;
    const auto frirond = std::find_if(lista.begin(), lista.end(),
                                      [](const MonradSpelare& m) { return store::isBye(m.spelare.namn); });
    if (frirond != lista.end()) {
        lista.erase(frirond);
        return;
    }
    MonradSpelare bye;
    bye.spelare = store::byeRecord(frirondNr, store::ByeClub::Nej);
    lista.insert(lista.begin(), bye);
}

std::vector<MonradSpelare> ordna(const std::vector<MonradSpelare>& lista, const PartiIndex& partier,
                                 int valdrond) {
    // The selection always takes a player with the most points left, and among those walks them
    // in list order; so each score group is selected on its own, best score first.
    std::map<double, std::vector<std::size_t>, std::greater<double>> grupper;
    for (std::size_t i = 0; i < lista.size(); ++i)
        grupper[lista[i].poang].push_back(i);

    std::vector<std::vector<Rondpoang>> rp(lista.size());
    for (std::size_t i = 0; i < lista.size(); ++i)
        rp[i] = rondpoang(partier, lista[i].spelare.nr, valdrond);

    std::vector<MonradSpelare> ut;
    ut.reserve(lista.size());
    for (auto& [poang, kvar] : grupper) {
        const bool avbrutet =
            std::any_of(kvar.begin(), kvar.end(), [&](std::size_t i) { return harAvbrutet(rp[i]); });
        if (!avbrutet) {
            // Without adjourned games the tie-break is one strict order (round scores from the latest
            // round, lower first, then start number), so the selection amounts to sorting by it.
            std::stable_sort(kvar.begin(), kvar.end(), [&](std::size_t a, std::size_t b) {
                return tarOver(lista[a].spelare.nr, rp[a], lista[b].spelare.nr, rp[b]);
            });
            for (const auto i : kvar)
                ut.push_back(lista[i]);
            continue;
        }
        while (!kvar.empty()) {
            std::size_t bast = 0;
            for (std::size_t k = 1; k < kvar.size(); ++k) {
                const auto& p = lista[kvar[k]];
                const auto& b = lista[kvar[bast]];
                if (tarOver(p.spelare.nr, rp[kvar[k]], b.spelare.nr, rp[kvar[bast]])) bast = k;
            }
            ut.push_back(lista[kvar[bast]]);
            kvar.erase(kvar.begin() + static_cast<std::ptrdiff_t>(bast));
        }
    }
    return ut;
}

void kastaomm(std::vector<MonradSpelare>& ordning) {
    const std::size_t n = ordning.size();
    if (n < 2) return;
    MonradSpelare sist = ordning.back();
    ordning.pop_back();
    sist.poang = std::trunc(sist.poang);
    const std::size_t plats = n - n / 2 - 1; // 0-based
    ordning.insert(ordning.begin() + static_cast<std::ptrdiff_t>(plats), sist);
}

} // namespace parning
