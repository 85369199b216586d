#include "lott/results/rankinggrupper.h"

#include <algorithm>
#include <cstdint>

#include "lott/results/stallningfunk.h"
#include "lott/results/tillval.h"
#include "store/files.h"
#include "store/tournament.h"

namespace ranking {

std::optional<rankingstruct> grupperAv(int antalSpelare, const Inmatning& in) {
    rankingstruct g;
    g.delasellerej = in.delasellerej;
    g.antalgr = tillval::talAvText(in.antalgr);
    g.spelarepergr = tillval::talAvText(in.spelarepergr);
    g.franochmed = std::max(1, tillval::talAvText(in.franochmed));
    g.rpris = tillval::talAvText(in.rpris);
    const std::int64_t d = std::int64_t{antalSpelare} - g.franochmed + 1;
    if (d <= 0) return std::nullopt;

    std::int32_t& given = g.spelarepergr > 0 ? g.spelarepergr : g.antalgr;
    std::int32_t& worked = g.spelarepergr > 0 ? g.antalgr : g.spelarepergr;
    if (given <= 0) return std::nullopt;
    worked = static_cast<std::int32_t>(d / given);
    if (worked <= 1) return std::nullopt;
    if (std::int64_t{given} * worked < d) ++worked;
    return g;
}

void delaIn(std::vector<spelarstructc>& stallning, const rankingstruct& g) {
    std::vector<spelarstructc*> iRatingordning;
    for (auto& s : stallning) {
        s.rankinggrupp = 0;
        s.rankingplacering = 0;
        if (!store::isBye(s.namn)) iRatingordning.push_back(&s);
    }
    std::stable_sort(iRatingordning.begin(), iRatingordning.end(),
                     [](const spelarstructc* a, const spelarstructc* b) { return a->ranking > b->ranking; });

    const std::int64_t forsta = std::max<std::int64_t>(1, g.franochmed);
    for (std::size_t i = 0; i < iRatingordning.size(); ++i) {
        spelarstructc& s = *iRatingordning[i];
        s.rankingplacering = static_cast<std::int32_t>(i + 1);
        if (g.spelarepergr <= 0 || s.rankingplacering < forsta) continue;
        const std::int64_t grupp = (s.rankingplacering - forsta) / g.spelarepergr + 1;
        if (grupp <= g.antalgr) s.rankinggrupp = static_cast<std::int32_t>(grupp);
    }
}

std::optional<rankingstruct> lasGrupper(int turnnr) {
    const auto poster = store::touchAndReadAll<rankingstruct>(store::tournamentFile(turnnr, 'G'));
    if (poster.empty()) return std::nullopt;
    return poster.back();
}

} // namespace ranking

int rstallningglob(LottState& st) {
    const auto grupper = ranking::lasGrupper(st.turnnr);
    if (!grupper) return 0;
    st.globvanta = stallningfunk(st);
    ranking::delaIn(st.parslistac, *grupper);
    return 1;
}
