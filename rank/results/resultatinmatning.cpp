#include "rank/results/resultatinmatning.h"

#include <algorithm>
#include <unordered_set>

#include "rank/register/namn.h"
#include "rank/results/partiresultat.h"
#include "store/files.h"
#include "store/journal.h"
#include "store/text.h"

namespace rank {

namespace {

constexpr std::size_t kNamnLangd = kNamnBredd - 1;
constexpr std::size_t kDatumLangd = 19;

// Distinct texts in namnFore order.
std::vector<std::string> distinkta(std::vector<std::string> texter) {
    std::sort(texter.begin(), texter.end(), namnFore);
    texter.erase(std::unique(texter.begin(), texter.end()), texter.end());
    return texter;
}

// The record as its file stores it and reads it back (texts cut to their fields, in Windows-1252).
template <class R> R somLagrad(const R& r) {
    std::uint8_t bild[R::size];
    r.encode(bild);
    return R::decode(bild);
}

std::string ellerEjAngiven(const std::string& typed, std::size_t langd, const char* ersattning) {
    const std::string s = store::firstChars(typed, langd);
    return s.empty() ? ersattning : s;
}

} // namespace

Inmatningslistor oppnaInmatning() {
    store::writeAll(fil::ALA, std::vector<allastruct>{});
    store::writeAll(fil::TALA, std::vector<tallastruct>{});
    Inmatningslistor l;
    {
        std::unordered_set<std::string> sedda;
        for (auto& a : store::touchAndReadAll<allastruct>(fil::ALLA))
            if (sedda.insert(a.namn).second) l.motstandare.push_back(std::move(a.namn));
    }
    {
        std::unordered_set<std::string> sedda;
        for (auto& t : store::touchAndReadAll<tallastruct>(fil::TALLA))
            if (sedda.insert(t.namn).second) l.turneringar.push_back(std::move(t.namn));
    }
    l.motstandare = distinkta(std::move(l.motstandare));
    l.turneringar = distinkta(std::move(l.turneringar));
    return l;
}

std::optional<allastruct> bekraftaParti(const std::string& medlem, int period, const Partifalt& f) {
    const int kod = resultatkod(f.resultat);
    const int ranking = heltal(f.ranking);
    if (f.ranking.empty() || ranking < 700 || ranking > 3200 || kod == 0) return std::nullopt;
    allastruct a;
    a.egenspelare = medlem;
    a.namn = ellerEjAngiven(f.motstandare, kNamnLangd, kEjAngiven);
    a.ranking = ranking;
    a.resultat = kod;
    a.klubb = ellerEjAngiven(f.klubb, kNamnLangd, kEjAngiven);
    a.turnering = ellerEjAngiven(f.turnering, kNamnLangd, kEjAngiven);
    a.datum = ellerEjAngiven(f.datum, kDatumLangd, kEjAngivet);
    a.period = period;
    return somLagrad(a);
}

std::optional<tallastruct> bekraftaTurnering(const std::string& medlem, int period,
                                             const std::string& turnering, const std::string& andring) {
    const int poang = heltal(andring);
    if (andring.empty() || poang < -400 || poang > 400) return std::nullopt;
    return somLagrad(tallastruct{medlem, turnering, poang, period});
}

void noteraParti(const allastruct& parti) {
    store::appendOne(fil::ALA, parti);
}

void noteraTurnering(const tallastruct& andring) {
    store::appendOne(fil::TALA, andring);
}

std::optional<allastruct> senastePartiMot(const std::string& motstandare) {
    std::optional<allastruct> basta;
    for (const char* namn : {fil::ALLA, fil::ALA})
        for (auto& a : store::touchAndReadAll<allastruct>(namn))
            if (a.namn == motstandare && (!basta || a.period > basta->period)) basta = std::move(a);
    return basta;
}

void verkstallResultat() {
    // The games and the tournament changes of one entry count together or not at all.
    store::Journal andringar;
    if (auto alla = store::touchAndReadAll<allastruct>(fil::ALA); !alla.empty()) andringar.append(fil::ALLA, alla);
    if (auto talla = store::touchAndReadAll<tallastruct>(fil::TALA); !talla.empty())
        andringar.append(fil::TALLA, talla);
    andringar.commit();
}

} // namespace rank
