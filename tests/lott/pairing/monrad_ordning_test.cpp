// The ordering against a literal walk of the selection it replaces: repeatedly scan the whole
// list with a running best (points first, then the round-by-round tie-break), take the best out.
#include <gtest/gtest.h>

#include <random>

#include "lott/pairing/monrad_ordning.h"
#include "tests/lott/pairing/parning_hjalp.h"

namespace parning {
namespace {

double rondpoangFor(const std::vector<partistruct>& partier, int nr, int rond, bool somBast) {
    double s = 0;
    for (const auto& p : partier) {
        if (p.rond != rond || (p.vit != nr && p.svart != nr)) continue;
        const int r = p.resultat;
        if (r == 3)
            s += 0.5;
        else if (r == 4 || (somBast && r == 5))
            s += 1;
        else if (p.vit == nr && (r == 1 || r == 7))
            s += 1;
        else if (p.svart == nr && (r == 2 || r == 8))
            s += 1;
    }
    return s;
}

std::vector<int> referens(std::vector<MonradSpelare> lista, const std::vector<partistruct>& partier,
                          int valdrond) {
    std::vector<int> ut;
    while (!lista.empty()) {
        int bast = 1900;
        double fmax = 0.0;
        for (const auto& p : lista) {
            const int pNr = p.spelare.nr;
            if (p.poang > fmax) {
                bast = pNr;
                fmax = p.poang;
            } else if (p.poang == fmax) {
                double sp = 0, sb = 0;
                for (int r = valdrond - 1; r >= 1 && bast != 1900; --r) {
                    sp = rondpoangFor(partier, pNr, r, false);
                    sb = rondpoangFor(partier, bast, r, true);
                    if (sp != sb) break;
                }
                if (sp == sb) {
                    if (pNr < bast) bast = pNr;
                } else if (sp < sb) {
                    bast = pNr;
                }
            }
        }
        const auto it = std::find_if(lista.begin(), lista.end(),
                                     [&](const MonradSpelare& m) { return m.spelare.nr == bast; });
        ut.push_back(it->spelare.nr);
        lista.erase(it);
    }
    return ut;
}

TEST(MonradOrdning, MatchesTheSelectionWalkOnGeneratedFields) {
    std::mt19937 slump(4711);
    for (int fall = 0; fall < 400; ++fall) {
        const int n = std::uniform_int_distribution<int>(2, 40)(slump);
        const int ronder = std::uniform_int_distribution<int>(1, 7)(slump);
        const bool avbrutna = fall % 2 == 0; // half the fields have adjourned games
        std::vector<partistruct> partier;
        std::uniform_int_distribution<int> spelare(1, n), resultat(1, avbrutna ? 8 : 4);
        for (int r = 1; r < ronder; ++r)
            for (int k = 0; k < n / 2; ++k) {
                int res = resultat(slump);
                if (!avbrutna && res == 4) res = 3;
                const int vit = spelare(slump);
                const int svart = vit % n + 1; // never against himself
                partier.push_back(test::parti(vit, svart, res, r));
            }
        const PartiIndex index(partier);
        auto lista = poangOchVita(test::startlista(n), index, nullptr);
        std::vector<int> ordnad;
        for (const auto& m : ordna(lista, index, ronder))
            ordnad.push_back(m.spelare.nr);
        ASSERT_EQ(ordnad, referens(lista, partier, ronder)) << "case " << fall << ", n=" << n;
    }
}

} // namespace
} // namespace parning
