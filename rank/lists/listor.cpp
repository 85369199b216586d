#include "rank/lists/listor.h"

#include <algorithm>

#include "rank/results/partiresultat.h"

namespace rank {

namespace {

// The left margin of titles and texts, and the stamp's right edge.
constexpr double kVanster = 0.06;
constexpr double kHoger = 0.94;

Rad stampelrad(const std::string& stampel) {
    return {Stil::Text, {{kHoger, stampel, true}}, 1};
}

Rad rubrik(const std::string& text) {
    return {Stil::Rubrik, {{kVanster, text}}, 1.2};
}

Rad text(const std::string& text, double fore = 1) {
    return {Stil::Text, {{kVanster, text}}, fore};
}

} // namespace

Listinnehall rankinglistaInnehall(const std::vector<spelarstruct>& sorterade, const std::string& klubb,
                                  bool flytande, const std::string& stampel) {
    Listinnehall l;
    const Rad kolumner{
        Stil::Kolumnrubrik, {{0.08, "Nr"}, {0.15, "Namn"}, {0.55, "Ranking"}, {0.70, "Klass"}}, 2};
    l.huvud = {stampelrad(stampel), rubrik((flytande ? "Flytande ranking i " : "Rankinglista ") + klubb),
               kolumner};
    l.rader.reserve(sorterade.size());
    int nr = 0;
    for (const auto& s : sorterade)
        l.rader.push_back({Stil::Rad,
                           {{0.08, std::to_string(++nr)},
                            {0.15, s.namn},
                            {0.55, std::to_string(s.ranking)},
                            {0.70, s.klass}},
                           nr == 1 ? 1.5 : 1});
    return l;
}

SsfTexter ssfTexter(int globindex) {
    const std::string ar = std::to_string(1998 + globindex / 2);
    if (globindex % 2 == 0) return {"våromgången " + ar, "våren " + ar, "1/1 " + ar};
    return {"höstomgången " + ar, "hösten " + ar, "1/9 " + ar};
}

std::vector<spelarstruct> ssfSpelare(const std::vector<spelarstruct>& sorterade,
                                     const std::unordered_set<std::string>& palistan) {
    std::vector<spelarstruct> ut;
    for (const auto& s : sorterade)
        if (palistan.count(s.namn)) ut.push_back(s);
    return ut;
}

Listinnehall ssfInnehall(const std::vector<spelarstruct>& spelare, const std::string& klubb, int globindex,
                         const std::string& stampel) {
    const SsfTexter t = ssfTexter(globindex);
    const Rad kolumner{Stil::Kolumnrubrik,
                       {{0.12, "Namn"},
                        {0.42, "Födelsedata"},
                        {0.58, "Rating " + t.datum},
                        {0.76, "Ny"},
                        {0.81, "Moderklubb"}},
                       2};
    Listinnehall l;
    l.huvud = {stampelrad(stampel),
               rubrik("SPELARFÖRTECKNING"),
               text("Inför allsvenska " + t.omgang + " innehållande de spelare", 2),
               text(klubb + " kommer att använda under " + t.sasong + " och"),
               text("baserade på rankingen " + t.datum + "."),
               text("Föreningen har lag med i följande div. och grupper.", 1.5),
               text(std::string(51, '_'), 2),
               kolumner};
    l.huvudForts = {stampelrad(stampel), rubrik("SPELARFÖRTECKNING, FORTS"), kolumner};
    int nr = 0;
    for (const auto& s : spelare) {
        Rad r{Stil::Rad,
              {{0.06, std::to_string(++nr)},
               {0.12, s.namn},
               {0.42, s.fodelsedata},
               {0.58, std::to_string(s.ranking)}},
              nr == 1 ? 1.5 : 1};
        if (s.nyspelare == 1) {
            r.falt.push_back({0.76, "X"});
            r.falt.push_back({0.81, s.gammalklubb});
        }
        l.rader.push_back(std::move(r));
    }
    return l;
}

std::vector<Sidintervall> ssfSidor(std::size_t rader) {
    std::vector<Sidintervall> sidor{{0, std::min<std::size_t>(rader, 40)}};
    for (std::size_t fran = 40; fran < rader; fran += 50)
        sidor.push_back({fran, std::min(rader, fran + 50)});
    return sidor;
}

Listinnehall rapportInnehall(const Rankingrapport& r, int period, const std::string& stampel) {
    Listinnehall l;
    l.huvud = {stampelrad(stampel), rubrik("Rankingrapport för " + r.namn),
               text("rankingperioden " + rapportPeriodtext(period), 2),
               text("Till grund för ditt nya rankingtal låg följande resultat:", 1.5)};
    l.huvudForts = {stampelrad(stampel), rubrik("Rankingrapport för " + r.namn + ", forts")};
    bool forsta = true;
    for (const auto& a : r.partier) {
        l.rader.push_back({Stil::Rad,
                           {{0.08, a.namn},
                            {0.40, a.klubb},
                            {0.70, std::to_string(a.ranking)},
                            {0.80, rapporttext(a.resultat)}},
                           forsta ? 1.5 : 1});
        forsta = false;
    }
    if (!r.turneringar.empty()) {
        l.rader.push_back({Stil::Text, {{kVanster, "och följande turneringsresutlat:"}}, 2});
        forsta = true;
        for (const auto& t : r.turneringar) {
            l.rader.push_back(
                {Stil::Rad, {{0.08, t.namn}, {0.70, std::to_string(t.rankingandring)}}, forsta ? 1.5 : 1});
            forsta = false;
        }
    }
    return l;
}

} // namespace rank
