#include "rank/lists/rankingrapport.h"

#include <string_view>
#include <unordered_map>

#include "rank/lists/ranking_html.h"
#include "rank/lists/rankingsortera.h"
#include "rank/rating/period.h"
#include "rank/results/partiresultat.h"
#include "store/files.h"
#include "store/safe_name.h"
#include "store/text.h"

namespace rank {

namespace {

constexpr const char* kSPELB = "SPELB"; // names and ratings of the members reported on

// The text followed by the tabs that line the next column up.
std::string medTabbar(const std::string& text) {
    const std::size_t n = store::charCount(text);
    return text + (n < 8 ? "\t" : "") + (n < 16 ? "\t" : "") + "\t";
}

// The games and changes of `period` by member name, each list in file order.
struct Periodindex {
    std::unordered_map<std::string_view, std::vector<const allastruct*>> partier;
    std::unordered_map<std::string_view, std::vector<const tallastruct*>> turneringar;

    Periodindex(const std::vector<allastruct>& alla, const std::vector<tallastruct>& talla, int period) {
        for (const auto& a : alla)
            if (a.period == period) partier[a.egenspelare].push_back(&a);
        for (const auto& t : talla)
            if (t.period == period) turneringar[t.egenspelare].push_back(&t);
    }

    Rankingrapport rapport(const std::string& namn) const {
        Rankingrapport r;
        r.namn = namn;
        if (auto it = partier.find(namn); it != partier.end())
            for (const allastruct* a : it->second)
                r.partier.push_back(*a);
        if (auto it = turneringar.find(namn); it != turneringar.end())
            for (const tallastruct* t : it->second)
                r.turneringar.push_back(*t);
        return r;
    }
};

} // namespace

std::string rapportPeriodtext(int period) {
    if (period <= 0) return "1/9-31/12 1997";
    static const char* const tertial[] = {"1/1-31/4 ", "1/5-30/8 ", "1/9-30/12 "};
    return tertial[rating::periodTertial(period)] + std::to_string(rating::periodAr(period));
}

Rankingrapport rankingrapport(const std::string& namn, int period, const std::vector<allastruct>& alla,
                              const std::vector<tallastruct>& talla) {
    return Periodindex(alla, talla, period).rapport(namn);
}

std::string partirader(const Rankingrapport& r) {
    std::string out;
    for (const auto& a : r.partier)
        out += medTabbar(a.namn) + medTabbar(a.klubb) + std::to_string(a.ranking) + "\t" +
               rapporttext(a.resultat) + "\t\n";
    return out;
}

std::string turneringsrader(const Rankingrapport& r) {
    std::string out;
    for (const auto& t : r.turneringar)
        out += t.namn + "\t" + std::to_string(t.rankingandring) + "\n";
    return out;
}

std::string rapportfil(const Rankingrapport& r) {
    std::string out = "Till grund för ditt nya ranking låg följande resultat\n\n";
    out += partirader(r);
    if (!r.turneringar.empty()) {
        if (!r.partier.empty()) out += "\n\noch följande turnerings-resultat\n\n";
        out += turneringsrader(r);
    }
    return out;
}

std::string rapportfilNamn(const std::string& namn) {
    return store::safePathIn(fil::RANKINGUTSKRIFTER, "Rankingrapport_" + namn, ".txt");
}

Rankingrapport skrivRankingrapport(const std::string& namn, int period) {
    skapaUtskriftsmapp();
    const auto alla = store::touchAndReadAll<allastruct>(fil::ALLA);
    const auto talla = store::touchAndReadAll<tallastruct>(fil::TALLA);
    Rankingrapport r = rankingrapport(namn, period, alla, talla);
    store::writeReport(rapportfilNamn(namn), rapportfil(r));
    return r;
}

void skrivAllaRapporter(int period) {
    skapaUtskriftsmapp();
    const auto sorterade = rankingsortera(store::touchAndReadAll<spelarstruct>(fil::SPEL));
    std::vector<spelarstruct> spelb;
    spelb.reserve(sorterade.size());
    for (const auto& s : sorterade) {
        spelarstruct b;
        b.namn = s.namn;
        b.ranking = s.ranking;
        spelb.push_back(b);
    }
    store::writeAll(kSPELB, spelb);

    const auto alla = store::touchAndReadAll<allastruct>(fil::ALLA);
    const auto talla = store::touchAndReadAll<tallastruct>(fil::TALLA);
    const Periodindex index(alla, talla, period);
    std::string gemensam;
    for (const auto& s : sorterade) {
        const Rankingrapport r = index.rapport(s.namn);
        store::writeReport(rapportfilNamn(s.namn), rapportfil(r));
        gemensam += "\t\t" + s.namn + (store::charCount(s.namn) < 16 ? "\t" : "") + "\t" +
                    std::to_string(s.ranking) + "\n" + partirader(r) + turneringsrader(r) + "\n\n";
    }
    store::writeReport(std::string(fil::RANKINGUTSKRIFTER) + "/Rankingrapport_Alla.txt", gemensam);
}

} // namespace rank
