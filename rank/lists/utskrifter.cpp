#include "rank/lists/utskrifter.h"

#include <unordered_set>

#include "rank/berakning/rankingberakna.h"
#include "rank/berakning/verkstallda_perioder.h"
#include "rank/lists/listor.h"
#include "rank/lists/ranking_html.h"
#include "rank/lists/rankingrapport.h"
#include "rank/lists/rankingsortera.h"
#include "rank/rating/period.h"
#include "rank/register/klubb.h"
#include "store/clock.h"
#include "store/files.h"

namespace rank {

namespace {

std::string stampel() {
    return store::dateStamp(store::localNow());
}

} // namespace

Listinnehall rankinglista() {
    const std::string klubb = lasKlubbnamn();
    const auto sorterade = rankingsortera(store::touchAndReadAll<spelarstruct>(fil::SPEL));
    gorhtml(sorterade, false);
    return rankinglistaInnehall(sorterade, klubb, false, stampel());
}

Listinnehall flytandeRankinglista(RankState& state) {
    const std::tm idag = store::localNow();
    state.globperiod = rating::periodIndex(idag.tm_year + 1900, idag.tm_mon + 1);
    // A committed period's games are already in "SPEL"; applying them again would count them twice.
    if (periodenVerkstalld(state.globperiod))
        store::writeAll(fil::STEMP, store::touchAndReadAll<spelarstruct>(fil::SPEL));
    else
        rankingberaknaFiler(state.globperiod);
    const std::string klubb = lasKlubbnamn();
    const auto sorterade = rankingsortera(store::touchAndReadAll<spelarstruct>(fil::STEMP));
    gorhtml(sorterade, true);
    return rankinglistaInnehall(sorterade, klubb, true, stampel());
}

Listinnehall federationslista(int globindex) {
    const std::string klubb = lasKlubbnamn();
    const auto sorterade = rankingsortera(store::touchAndReadAll<spelarstruct>(fil::SPEL));
    gorhtml(sorterade, false);
    std::unordered_set<std::string> palistan;
    for (auto& m : store::touchAndReadAll<medpalistastruct>(fil::ILISTA))
        palistan.insert(std::move(m.namn));
    return ssfInnehall(ssfSpelare(sorterade, palistan), klubb, globindex, stampel());
}

Listinnehall rapportlista(const std::string& namn, int period) {
    return rapportInnehall(skrivRankingrapport(namn, period), period, stampel());
}

} // namespace rank
