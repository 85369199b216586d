#include "lott/pairing/schweizer_grupp.h"

#include <algorithm>
#include <cstddef>

namespace parning {

bool harMottSomVit(const PartiIndex& partier, std::int32_t vit, std::int32_t svart) {
    const auto egna = partier.partier(vit);
    return std::any_of(egna.begin(), egna.end(),
                       [&](const partistruct& p) { return p.vit == vit && p.svart == svart; });
}

void rankingsortera(Grupp& grupp, const Gruppspelare& s) {
    auto plats = std::find_if(grupp.begin(), grupp.end(), [&](const Gruppspelare& g) { return g.nr < s.nr; });
    grupp.insert(plats, s);
}

void rankingsorteraAlla(Grupp& grupp) {
    std::stable_sort(grupp.begin(), grupp.end(),
                     [](const Gruppspelare& a, const Gruppspelare& b) { return a.nr > b.nr; });
}

namespace {

// Scanned from position 1 upwards: the first upper-white meeting is the lowest and settles it;
// without one, the last lower-white meeting seen is the highest.
template <class MoteFn>
bool hittaKonfliktMed(const Grupp& grupp, const MoteFn& mote, Konflikt& konflikt) {
    const int h = static_cast<int>(grupp.size() / 2);
    int undreVit = 0;
    for (int j = 1; j <= h; ++j) {
        const Mote m = mote(grupp[static_cast<std::size_t>(j - 1)], grupp[static_cast<std::size_t>(j + h - 1)]);
        if (m == Mote::UndreVit) undreVit = j;
        if (m != Mote::OvreVit) continue;
        const Gruppspelare& undre = grupp[static_cast<std::size_t>(j - 1)];
        konflikt = Konflikt{grupp[static_cast<std::size_t>(j + h - 1)].nr, undre.nr, j, h, undre.index};
        return true;
    }
    if (undreVit == 0) return false;
    const Gruppspelare& undre = grupp[static_cast<std::size_t>(undreVit - 1)];
    konflikt = Konflikt{grupp[static_cast<std::size_t>(undreVit + h - 1)].nr, undre.nr, undreVit, h, undre.index};
    return true;
}

} // namespace

bool hittaKonflikt(const Grupp& grupp, const PartiIndex& partier, Konflikt& konflikt) {
    return hittaKonfliktMed(
        grupp,
        [&](const Gruppspelare& undre, const Gruppspelare& ovre) {
            if (!partier.harMotts(ovre.nr, undre.nr)) return Mote::Nytt;
            if (harMottSomVit(partier, ovre.nr, undre.nr)) return Mote::OvreVit;
            return harMottSomVit(partier, undre.nr, ovre.nr) ? Mote::UndreVit : Mote::Nytt;
        },
        konflikt);
}

bool hittaKonflikt(const Grupp& grupp, const Motestabell& tabell, Konflikt& konflikt) {
    return hittaKonfliktMed(
        grupp, [&](const Gruppspelare& undre, const Gruppspelare& ovre) { return tabell.mote(undre.index, ovre.index); },
        konflikt);
}

void flyttaTill(Grupp& grupp, std::int32_t nr, int till) {
    auto it = std::find_if(grupp.begin(), grupp.end(), [&](const Gruppspelare& g) { return g.nr == nr; });
    if (it == grupp.end()) return;
    const Gruppspelare s = *it;
    grupp.erase(it);
    const auto plats = static_cast<std::size_t>(std::clamp(till, 1, static_cast<int>(grupp.size()) + 1) - 1);
    grupp.insert(grupp.begin() + static_cast<std::ptrdiff_t>(plats), s);
}

void uddaJamna(Grupp& grupp) {
    Grupp ny;
    ny.reserve(grupp.size());
    for (std::size_t i = 0; i < grupp.size(); i += 2)
        ny.push_back(grupp[i]);
    for (std::size_t i = 1; i < grupp.size(); i += 2)
        ny.push_back(grupp[i]);
    grupp.swap(ny);
}

void mjustera(Grupp& grupp, int m) {
    const int sii = static_cast<int>(grupp.size());
    if (sii < 2 || m < 1 || m >= sii) return;
    const Gruppspelare sist = grupp.back();
    grupp.pop_back();
    // Right after position sii - m of the original numbering, which the removal leaves intact.
    grupp.insert(grupp.begin() + (sii - m), sist);
}

} // namespace parning
