#include "rank/berakning/rankingberakna.h"

#include <climits>
#include <cmath>
#include <string_view>
#include <unordered_map>

#include "rank/rating/rankingfunk.h"
#include "rank/berakning/verkstallda_perioder.h"
#include "store/files.h"
#include "store/journal.h"

namespace rank {

namespace {

struct Periodsummor {
    std::vector<const allastruct*> partier; // in file order
    double turneringsplus = 0;
};

} // namespace

int nyRanking(int ranking, double spelplus, double turneringsplus) {
    if (ranking >= rating::kHalveringsgrans) spelplus /= 2;
    const double ny = std::trunc(static_cast<double>(ranking) + (spelplus + turneringsplus));
    // A damaged file can hold any numbers; the rating stays an int.
    if (ny >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (ny <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(ny);
}

std::vector<spelarstruct> rankingberakna(const std::vector<spelarstruct>& spel,
                                         const std::vector<allastruct>& alla,
                                         const std::vector<tallastruct>& talla, int period) {
    std::unordered_map<std::string_view, Periodsummor> perNamn;
    perNamn.reserve(spel.size());
    for (const auto& s : spel)
        perNamn.try_emplace(s.namn);
    for (const auto& a : alla)
        if (a.period == period)
            if (auto it = perNamn.find(a.egenspelare); it != perNamn.end()) it->second.partier.push_back(&a);
    for (const auto& t : talla)
        if (t.period == period)
            if (auto it = perNamn.find(t.egenspelare); it != perNamn.end())
                it->second.turneringsplus += t.rankingandring;

    std::vector<spelarstruct> ny = spel;
    for (auto& s : ny) {
        const Periodsummor& summor = perNamn.find(s.namn)->second;
        double spelplus = 0;
        for (const allastruct* a : summor.partier)
            spelplus += rating::rankingfunk(s.ranking, a->ranking, a->resultat);
        s.ranking = nyRanking(s.ranking, spelplus, summor.turneringsplus);
    }
    return ny;
}

void rankingberaknaFiler(int period) {
    const auto alla = store::touchAndReadAll<allastruct>(fil::ALLA);
    const auto talla = store::touchAndReadAll<tallastruct>(fil::TALLA);
    const auto spel = store::touchAndReadAll<spelarstruct>(fil::SPEL);
    store::writeAll(fil::STEMP, rankingberakna(spel, alla, talla, period));
}

void verkstallRankingberakning(int period) {
    // The new ratings and the note that the period is committed go together: new ratings without
    // the note would let the period's games be counted again without the question.
    store::Journal andringar;
    andringar.replace(fil::SPEL, store::touchAndReadAll<spelarstruct>(fil::STEMP));
    andringar.append(fil::VERKPER, std::vector<verkstalldperiodstruct>{{period}});
    andringar.commit();
}

} // namespace rank
