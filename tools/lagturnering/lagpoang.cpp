#include "tools/lagturnering/lagpoang.h"

#include <algorithm>

#include "store/text.h"

namespace lagturnering {

double partipoang(int nr, const partistruct& g, Variant v) {
    const bool relativ = v == Variant::Relativ;
    const double vinst = relativ ? 3 : 1;
    const double remi = relativ ? 2 : 0.5;
    const double forlust = relativ ? 1 : 0;
    const bool vit = g.vit == nr;
    const bool svart = g.svart == nr;
    if (vit && (g.resultat == resVitVinst || g.resultat == resVitWo)) return vinst;
    if (svart && (g.resultat == resSvartVinst || g.resultat == resSvartWo)) return vinst;
    if ((vit || svart) && g.resultat == resRemi) return remi;
    if (vit && g.resultat == resSvartVinst) return forlust;
    if (svart && g.resultat == resVitVinst) return forlust;
    return 0;
}

std::vector<double> spelarpoang(const std::vector<spelarstructtva>& spelare, const std::vector<partistruct>& partier,
                                Variant v) {
    // One pass over the games: each game adds to both its players' sums, what the rules give each
    // (a game of a player against himself counts once).
    std::unordered_map<int, double> summaAv;
    summaAv.reserve(spelare.size());
    for (const auto& g : partier) {
        summaAv[g.vit] += partipoang(g.vit, g, v);
        if (g.svart != g.vit) summaAv[g.svart] += partipoang(g.svart, g, v);
    }
    std::vector<double> poang;
    poang.reserve(spelare.size());
    for (const auto& p : spelare) {
        const auto summa = summaAv.find(p.nr);
        poang.push_back(summa == summaAv.end() ? 0 : summa->second);
    }
    return poang;
}

bool utelamnas(const std::string& klubb, Variant v) {
    return klubb.empty() || (v == Variant::Relativ && klubb == "nej");
}

std::string lagnyckel(const std::string& klubb) {
    std::string nyckel = store::toCp1252(klubb);
    for (char& c : nyckel) {
        const auto b = static_cast<unsigned char>(c);
        unsigned char liten = b;
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) // Latin-1 capitals, not ×
            liten = static_cast<unsigned char>(b + 0x20);
        else if (b == 0x8A || b == 0x8C || b == 0x8E) // Š Œ Ž
            liten = static_cast<unsigned char>(b + 0x10);
        else if (b == 0x9F) // Ÿ
            liten = 0xFF;
        c = static_cast<char>(liten);
    }
    return nyckel;
}

void Lagtabell::lagg(const std::string& klubb, double poang) {
    if (utelamnas(klubb, variant_)) return;
    const auto [plats, ny] = index_.try_emplace(lagnyckel(klubb), lag_.size());
    if (ny) {
        lag_.push_back({klubb, poang, 1});
        return;
    }
    Lag& lag = lag_[plats->second];
    ++lag.antal;
    // The relative variant keeps whole points.
    lag.varde = variant_ == Variant::Relativ ? static_cast<double>(static_cast<long long>(lag.varde + poang))
                                             : lag.varde + poang;
}

void Lagtabell::skala() {
    if (variant_ != Variant::Relativ) return;
    for (auto& lag : lag_)
        lag.varde = static_cast<double>(static_cast<long long>(lag.varde) * 40 / lag.antal);
}

std::vector<Lagrad> rangordna(const std::vector<Lag>& lag) {
    std::vector<Lagrad> rader;
    for (const auto& l : lag)
        if (l.varde > 0) rader.push_back({l.namn, l.varde});
    // Repeatedly the greatest value, the first met among equals: a stable sort.
    std::stable_sort(rader.begin(), rader.end(),
                     [](const Lagrad& a, const Lagrad& b) { return a.varde > b.varde; });
    return rader;
}

} // namespace lagturnering
