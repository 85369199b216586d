#include "tools/ratingbridge/rankingexport.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>
#include <unordered_set>

#include "lott/results/rankingandring.h"
#include "store/text.h"
#include "store/whole_number.h"

namespace ratingbridge {

bool raknasRanking(int ranking) {
    return ranking > 800 && ranking < 3100;
}

double rankingfunk(int rank, int jmfrank, int resultat, bool vit) {
    // The rule of the tournament standings' rating column: decided games only, halved per game.
    return stallning::rankingfunkb(rank, jmfrank, resultat, vit ? 1 : 0);
}

std::string tallaNamn(const std::string& tnamn) {
    return store::firstChars(tnamn, rank::kNamnBredd - 1);
}

namespace {

// The sum as the record's int: truncated toward zero, and kept inside the field's range even
// for a damaged game file with an absurd number of games.
std::int32_t heltalsandring(double summa) {
    constexpr double lagst = std::numeric_limits<std::int32_t>::min();
    constexpr double hogst = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::trunc(std::clamp(summa, lagst, hogst)));
}

} // namespace

std::vector<rank::tallastruct> turneringsandringar(const std::vector<spelarstructtva>& spelare,
                                                   const std::vector<partistruct>& partier,
                                                   const std::string& tnamn, int period, int forstaRond) {
    // The rating of every start number (a number given twice keeps the later record's rating).
    std::unordered_map<int, int> rankingAv;
    for (const auto& p : spelare)
        rankingAv[p.nr] = p.ranking;
    // The counted rounds' games of every start number, once each, in file order.
    std::unordered_map<int, std::vector<const partistruct*>> partierAv;
    for (const auto& g : partier) {
        if (g.rond < forstaRond) continue;
        partierAv[g.vit].push_back(&g);
        if (g.svart != g.vit) partierAv[g.svart].push_back(&g);
    }

    const std::string namn = tallaNamn(tnamn);
    std::vector<rank::tallastruct> ut;
    ut.reserve(spelare.size());
    for (const auto& p : spelare) {
        double summa = 0;
        const auto egna = partierAv.find(p.nr);
        if (raknasRanking(p.ranking) && egna != partierAv.end()) {
            for (const partistruct* g : egna->second) {
                const bool vit = g->vit == p.nr;
                const auto motstandare = rankingAv.find(vit ? g->svart : g->vit);
                const int jmfrank = motstandare == rankingAv.end() ? 0 : motstandare->second;
                if (raknasRanking(jmfrank)) summa += rankingfunk(p.ranking, jmfrank, g->resultat, vit);
            }
        }
        ut.push_back({p.namn, namn, heltalsandring(summa), period});
    }
    return ut;
}

std::vector<rank::tallastruct> ersattExport(const std::vector<rank::tallastruct>& talla,
                                            const std::vector<rank::tallastruct>& nya) {
    if (nya.empty()) return talla;
    const std::string& turnering = nya.front().namn;
    const int period = nya.front().period;
    std::unordered_set<std::string> spelarna;
    for (const auto& t : nya)
        spelarna.insert(t.egenspelare);

    std::vector<rank::tallastruct> ut;
    ut.reserve(talla.size() + nya.size());
    for (const auto& t : talla)
        if (t.period != period || t.namn != turnering || !spelarna.count(t.egenspelare)) ut.push_back(t);
    // Of the new records, the last one of each name.
    std::unordered_map<std::string, std::size_t> sista;
    for (std::size_t i = 0; i < nya.size(); ++i)
        sista[nya[i].egenspelare] = i;
    for (std::size_t i = 0; i < nya.size(); ++i)
        if (sista[nya[i].egenspelare] == i) ut.push_back(nya[i]);
    return ut;
}

std::optional<int> forstaRond(const std::string& falt) {
    if (falt.empty()) return 1;
    const auto rond = store::wholeNumber(falt);
    if (!rond) return std::nullopt;
    return std::max(*rond, 1);
}

} // namespace ratingbridge
