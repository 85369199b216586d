#include "lott/results/resultattext.h"

#include <array>

#include "store/remi_text.h"

namespace resultat {

namespace {
const std::array<const char*, 9> kTexter = {"",         "1-0",      "0-1",      "Remi",    "uppskj.",
                                            "avbrutet", "diskval.", "W.O(1-0)", "w.o(0-1)"};
} // namespace

std::string text(int kod) {
    if (kod < 0 || kod >= static_cast<int>(kTexter.size())) return "";
    return kTexter[kod];
}

int kod(const std::string& t) {
    for (std::size_t k = 1; k < kTexter.size(); ++k)
        if (t == kTexter[k]) return static_cast<int>(k);
    return 0;
}

std::string foradla(const std::string& t, bool frirondbord, int frirondfarg) {
    if (frirondbord) return frirondfarg == frirondVit ? "0-1" : "1-0";
    if (t.empty() || t == "0-1" || t == "1-0" || t == "Remi") return t;
    const char forsta = t[0];
    const bool decimalRemi = store::remiSomDecimaltal(t);
    if (forsta == '1') return "1-0";
    if (forsta == '0' && !decimalRemi && t != "0-0") return "0-1";
    if (forsta == 'R' || forsta == 'r' || decimalRemi) return "Remi";
    if (t == "0-0") return t; // shown, but no accepted result: 0-0 is entered as "d"
    switch (forsta) {
    case 'u':
    case 'U':
        return "uppskj.";
    case 'a':
    case 'A':
        return "avbrutet";
    case 'd':
    case 'D':
        return "diskval.";
    case 'W':
        return "W.O(1-0)";
    case 'w':
        return "w.o(0-1)";
    default:
        return "";
    }
}

double decimaltal(const std::string& siffror) {
    // Integer digits over a power of ten: one correctly rounded division, so "2.5" is exactly 2.5.
    double mantissa = 0;
    double namnare = 1;
    bool decimaler = false;
    for (char c : siffror) {
        if (c == '.') {
            if (decimaler) break;
            decimaler = true;
        } else if (c >= '0' && c <= '9') {
            mantissa = mantissa * 10 + (c - '0');
            if (decimaler) namnare *= 10;
        } else {
            break;
        }
    }
    return mantissa / namnare;
}

int testavvalfrittresultat(const std::string& t, double& vitresultat, double& svartresultat) {
    constexpr std::size_t kMaxTecken = 4;
    vitresultat = -1.0;
    svartresultat = -1.0;
    std::string sida[2];
    int aktuell = 0;
    bool streck = false;
    bool vitFunnen = false;
    for (char c : t) {
        // A second "-" leaves no reading of the text as one score against another ("1-1-1").
        if (c == '-' && streck) {
            vitresultat = -1.0;
            return 0;
        }
        if (c == '-') {
            streck = true;
            const double v = decimaltal(sida[0]);
            if (v >= 0) {
                vitresultat = v;
                vitFunnen = true;
            }
            aktuell = 1;
        } else if (((c >= '0' && c <= '9') || c == '.') && sida[aktuell].size() < kMaxTecken) {
            sida[aktuell] += c;
        }
    }
    if (!streck) return 0;
    svartresultat = decimaltal(sida[1]);
    return vitFunnen && svartresultat >= 0 ? 1 : 0;
}

} // namespace resultat
