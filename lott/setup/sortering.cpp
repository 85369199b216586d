#include "lott/setup/sortering.h"

#include <algorithm>

namespace {

constexpr const char* kMellanrum = "   ";

void delDel(std::string& rad, const std::string& del) {
    if (del.empty()) return;
    if (!rad.empty()) rad += kMellanrum;
    rad += del;
}

std::string rankingDel(const spelarstructtva& s) {
    return s.ranking != 0 ? std::to_string(s.ranking) : std::string();
}

std::string klubbDel(const spelarstructtva& s) {
    return s.klubb == "nej" ? std::string() : s.klubb;
}

} // namespace

std::string nummerMedLangd(int nr) {
    const char langd = nr < 10 ? '1' : nr < 100 ? '2' : '3';
    return std::to_string(nr) + langd;
}

std::string sorteringsrad(const spelarstructtva& s, Sorteringslage lage) {
    std::string rad;
    switch (lage) {
    case Sorteringslage::Namn:
        delDel(rad, s.namn);
        delDel(rad, rankingDel(s));
        delDel(rad, klubbDel(s));
        break;
    case Sorteringslage::Ranking:
        delDel(rad, rankingDel(s));
        delDel(rad, s.namn);
        delDel(rad, klubbDel(s));
        break;
    case Sorteringslage::Klubb:
        delDel(rad, klubbDel(s));
        delDel(rad, s.namn);
        delDel(rad, rankingDel(s));
        break;
    }
    delDel(rad, nummerMedLangd(s.nr));
    return rad;
}

std::vector<spelarstructtva> rankingordning(std::vector<spelarstructtva> lista) {
    // A ranking of 0 (or below) means none: such players come last.
    std::stable_sort(lista.begin(), lista.end(), [](const spelarstructtva& a, const spelarstructtva& b) {
        const int ra = a.ranking > 0 ? a.ranking : 0;
        const int rb = b.ranking > 0 ? b.ranking : 0;
        return ra > rb;
    });
    return lista;
}
