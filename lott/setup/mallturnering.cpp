#include "lott/setup/mallturnering.h"

#include <vector>

#include "lott/setup/inskrivning.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/safe_name.h"
#include "store/text.h"
#include "store/tournament.h"

namespace {

// "FNAMN" holds at most this many characters (a number below 100000 and ".T").
constexpr std::size_t kFnamnMax = 7;

bool harKlubb(const spelarstructtva& s) {
    return !s.klubb.empty() && s.klubb != "nej";
}

} // namespace

std::string kopieNamn(const std::vector<turneringsstruct>& turn, std::size_t kalla) {
    const std::string& namn = turn[kalla].tnamn;
    const std::size_t langd = store::charCount(namn);
    if (langd >= kKopianummerUnder) return namn;
    // Earlier copies have the same stem and a different last character or a copy number.
    const std::size_t jamfor = langd == 0 ? 0 : langd - 1;
    const std::string stam = store::firstChars(namn, jamfor);
    int antal = 0;
    for (std::size_t i = kalla; i < turn.size(); ++i)
        if (store::firstChars(turn[i].tnamn, jamfor) == stam) ++antal;
    // Counting on past 14 copies, so that no two copies share a name.
    const int kopia = antal <= 1 ? 2 : antal + 1;
    return namn + "(" + std::to_string(kopia) + ")";
}

bool laddaMall(int vald, int antalIListan) {
    const auto turn = store::readTurn();
    std::size_t kalla = turn.size();
    for (std::size_t i = 0; i < turn.size(); ++i)
        if (turn[i].filnamnint == vald + 1) {
            kalla = i;
            break;
        }
    if (kalla == turn.size()) return false;

    const auto spelare = store::readAll<spelarstructtva>(store::tournamentFile(turn[kalla].filnamnint, 'T'));
    const int nytt = antalIListan + 1;
    store::writeOne(store::fil::TEMPT, turneringsstruct{nytt, kopieNamn(turn, kalla), turn[kalla].antalronder,
                                                        turn[kalla].system});
    store::writeAll(store::fil::LADDAS, spelare);
    store::writeText(store::fil::FNAMN, store::tournamentFile(nytt, 'T'));
    return true;
}

MallRaknare raknaMall(const std::vector<spelarstructtva>& laddas) {
    MallRaknare r;
    for (const auto& s : laddas) {
        ++r.spelare;
        if (harKlubb(s)) ++r.klubbar;
        if (s.ranking > 1000 && s.ranking < 3000) ++r.rankade;
    }
    return r;
}

bool laggTillMallspelare(MallRaknare& raknare, const std::string& namnText, const std::string& klubbText,
                         const std::string& rankingText) {
    const std::string namn = store::firstChars(namnText, kMallNamnMax);
    const bool klubbKravs = raknare.klubbar >= kMallKravGrans;
    const bool rankingKravs = raknare.rankade >= kMallKravGrans;
    const std::string klubb = klubbKravs ? store::firstChars(klubbText, kMallNamnMax) : "nej";
    const std::string ranking = store::firstChars(rankingText, kMallRankingMax);
    if (namn.empty() || (klubbKravs && klubb.empty()) || (rankingKravs && ranking.empty())) return false;

    spelarstructtva s;
    s.nr = raknare.spelare + 1;
    s.namn = namn;
    s.klubb = klubb;
    s.ranking = rankingKravs ? static_cast<std::int32_t>(store::ledandeHeltal(ranking)) : 0;
    store::appendOne(store::fil::LADDAS, s);
    ++raknare.spelare;
    return true;
}

void taBortMallspelare(MallRaknare& raknare, int index) {
    const auto alla = store::readAll<spelarstructtva>(store::fil::LADDAS);
    store::writeAll(store::fil::LADDAT, alla);
    std::vector<spelarstructtva> kvar;
    kvar.reserve(alla.size());
    for (std::size_t i = 0; i < alla.size(); ++i) {
        if (static_cast<int>(i) == index) continue;
        kvar.push_back(alla[i]);
        kvar.back().nr = static_cast<std::int32_t>(kvar.size());
    }
    store::writeAll(store::fil::LADDAS, kvar);
    --raknare.spelare;
}

void verkstallMall(const SystemVal& val, int kalla) {
    const auto tempt = store::readAll<turneringsstruct>(store::fil::TEMPT);
    if (tempt.empty()) return;
    turneringsstruct ny = tempt.front();

    int vilken = 0;
    if (val.system == 0 || val.system == 1) {
        ny.system = val.system;
    } else if (val.system == 2) {
        ny.system = 1;
        vilken = 1;
    } else {
        // The system is kept: so is the earlier tournament's Swiss variant.
        vilken = store::vilkenSchweizer(kalla);
    }

    // The start list first and "TURN" last: the tournament exists only once all its files do.
    const std::string fnamn =
        store::safeFileName(store::firstChars(store::readText(store::fil::FNAMN), kFnamnMax));
    const auto laddas = store::readAll<spelarstructtva>(store::fil::LADDAS);
    store::writeAll(fnamn, store::startListWithBye(laddas, store::ByeClub::Nej));

    if (ny.system > 0) store::appendOne(store::fil::SELN, vilkenschweizerstruct{vilken, ny.filnamnint});
    if (val.andrad)
        store::appendOne(store::fil::POANGSYS, poangsystem{val.poang, ny.filnamnint});
    else if (store::poangvalfunk(ny.filnamnint) != 1)
        // Unchanged scoring is 1, ½, 0. A record left under this number by a cancelled new
        // tournament would otherwise decide the lookup.
        store::appendOne(store::fil::POANGSYS, poangsystem{1, ny.filnamnint});
    // The copy uses ordinary kvalitet. Progressive kvalitet is any "VILKV" record of the number,
    // so one left by a cancelled new tournament is taken out rather than outweighed.
    auto vilkv = store::touchAndReadAll<vilkstruct>(store::fil::VILKV);
    if (std::erase_if(vilkv, [&](const vilkstruct& v) { return v.intnr == ny.filnamnint; }) > 0)
        store::writeAll(store::fil::VILKV, vilkv);
    store::appendOne(store::fil::TURN, ny);
}
