#include "rank/lists/utskrifter.h"

#include <unordered_set>

#include "rank/berakning/rankingberakna.h"
#include "rank/berakning/verkstallda_perioder.h"
#include "rank/lists/listor.h"
#include "rank/lists/ranking_html.h"
#include "rank/lists/ranking_webb.h"
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
    auto lista = rankinglistaInnehall(sorterade, klubb, false, stampel());
    skrivWebbLista(WebbLista::Ranking, lista, webbPeriod(WebbLista::Ranking, store::localNow()), false);
    return lista;
}

void publiceraRankinglista(bool visaEpost) {
    const auto sorterade = rankingsortera(store::touchAndReadAll<spelarstruct>(fil::SPEL));
    skrivWebbLista(WebbLista::Ranking, rankinglistaInnehall(sorterade, lasKlubbnamn(), false, stampel()),
                   webbPeriod(WebbLista::Ranking, store::localNow()), visaEpost);
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
    auto lista = rankinglistaInnehall(sorterade, klubb, true, stampel());
    skrivWebbLista(WebbLista::Flytande, lista, webbPeriod(WebbLista::Flytande, idag), false);
    return lista;
}

Listinnehall federationslista(int globindex) {
    const std::string klubb = lasKlubbnamn();
    const auto sorterade = rankingsortera(store::touchAndReadAll<spelarstruct>(fil::SPEL));
    gorhtml(sorterade, false);
    std::unordered_set<std::string> palistan;
    for (auto& m : store::touchAndReadAll<medpalistastruct>(fil::ILISTA))
        palistan.insert(std::move(m.namn));
    auto lista = ssfInnehall(ssfSpelare(sorterade, palistan), klubb, globindex, stampel());
    skrivWebbLista(WebbLista::Federation, lista, ssfTexter(globindex).sasong, false);
    return lista;
}

Listinnehall rapportlista(const std::string& namn, int period) {
    return rapportInnehall(skrivRankingrapport(namn, period), period, stampel());
}

} // namespace rank
