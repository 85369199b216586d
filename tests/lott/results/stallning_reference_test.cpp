// The indexed standings against a plain rendering of the rules, scan by scan, over many
// generated tournaments.
#include <gtest/gtest.h>

#include <random>

#include "lott/results/stallning.h"
#include "rank/rating/rankingfunk.h"
#include "stallning_fixture.h"

namespace {

using namespace stallningtest;
using stallning::Indata;

bool vitVinner(int r) {
    return r == 1 || r == 7;
}
bool svartVinner(int r) {
    return r == 2 || r == 8;
}

// Points of one side, straight from the table of the rules.
double sidpoang(int res, bool vit, int sys, bool schwanrop) {
    const double vinst = sys == 1 ? 1 : 3,
                 remi = sys == 1   ? 0.5
                        : sys == 2 ? 1
                                   : 2,
                 forlust = sys == 3 ? 1 : 0;
    if (schwanrop && res == 5) return vinst;
    if (schwanrop && res == 4) return remi;
    if (res == 4 || res == 5) return 0;
    if (res == 3) return remi;
    if ((vit && vitVinner(res)) || (!vit && svartVinner(res))) return vinst;
    return forlust;
}

double progressivSidpoang(int res, bool vit, int sys) {
    const double vinst = sys == 1 ? 1 : 3, remi = sys == 1 ? 0.5 : sys == 2 ? 1 : 2;
    if (res == 3) return remi;
    if ((vit && vitVinner(res)) || (!vit && svartVinner(res))) return vinst;
    return sys == 3 ? 1 : 0;
}

double referensRanking(int p, int q, int res, bool vit) {
    if (res < 1 || res > 3) return 0;
    const int eget = res == 3 ? 3 : ((res == 1) == vit ? 1 : 2);
    double w = rating::rankingfunk(p, q, eget);
    if (p >= 2200 && w != 0) w /= 2;
    return w;
}

std::vector<spelarstructc> referens(const Indata& in) {
    std::vector<spelarstructc> lista;
    int valdrond = in.valdrond, srond = 0;
    for (const auto& g : in.partier) {
        valdrond = std::max(valdrond, g.rond);
        srond = std::max(srond, g.rond);
    }
    for (const auto& s : in.spelare) {
        spelarstructc r;
        r.nr = s.nr;
        r.namn = s.namn;
        r.klubb = s.klubb;
        r.ranking = s.ranking;
        for (const auto& g : in.partier) {
            for (bool vit : {true, false}) {
                if ((vit ? g.vit : g.svart) != s.nr) continue;
                r.poang += sidpoang(g.resultat, vit, in.poangval, in.schwanrop);
                if (!in.schwanrop && (g.resultat == 4 || g.resultat == 5)) ++r.antalvita;
            }
        }
        lista.push_back(r);
    }
    auto hitta = [&](int nr) -> const spelarstructc* {
        for (const auto& r : lista)
            if (r.nr == nr) return &r;
        return nullptr;
    };
    std::vector<double> kvalitet(lista.size()), andring(lista.size());
    for (std::size_t i = 0; i < lista.size(); ++i) {
        const auto& p = lista[i];
        double S = 0, m = 100.0, prog = 0, rank = 0;
        bool frirond = false;
        for (const auto& g : in.partier) {
            for (bool vit : {true, false}) {
                if ((vit ? g.vit : g.svart) != p.nr) continue;
                const auto* q = hitta(vit ? g.svart : g.vit);
                if (g.resultat >= 1 && g.resultat <= 8 && q) {
                    S += q->poang;
                    m = std::min(m, q->poang);
                    if (q->namn == "Frirond") frirond = true;
                    if (p.ranking != 0 && q->ranking != 0)
                        rank += referensRanking(p.ranking, q->ranking, g.resultat, vit);
                }
            }
        }
        for (int rond = 1; rond <= srond; ++rond)
            for (const auto& g : in.partier)
                for (bool vit : {true, false})
                    if ((vit ? g.vit : g.svart) == p.nr && g.rond <= rond)
                        prog += progressivSidpoang(g.resultat, vit, in.poangval);
        const double vanlig = valdrond <= 0 ? 0 : frirond ? S : m == 100.0 ? 0 : S - m;
        kvalitet[i] = p.namn == "Frirond" ? 0 : in.progressiv ? prog : vanlig;
        andring[i] = p.namn == "Frirond" ? 0 : rank;
    }
    for (std::size_t i = 0; i < lista.size(); ++i) {
        lista[i].kvalitet = kvalitet[i];
        lista[i].rankingandring = andring[i];
    }
    // Repeated selection of the best.
    std::vector<spelarstructc> ut;
    while (!lista.empty()) {
        std::size_t bast = 0;
        double bp = 0, bk = 0;
        int bnr = 1900;
        for (std::size_t i = 0; i < lista.size(); ++i) {
            const auto& r = lista[i];
            if (r.poang > bp || (r.poang == bp && (r.kvalitet > bk || (r.kvalitet == bk && r.nr < bnr)))) {
                bast = i;
                bp = r.poang;
                bk = r.kvalitet;
                bnr = r.nr;
            }
        }
        ut.push_back(lista[bast]);
        lista.erase(lista.begin() + static_cast<long>(bast));
    }
    for (auto& r : ut)
        for (int u : in.utgadda)
            if (u == r.nr) r.utgatt = 1;
    return ut;
}

Indata slumpTurnering(std::mt19937& slump, int n, int ronder) {
    Indata in;
    for (int i = 1; i <= n; ++i) {
        const int ranking = slump() % 4 == 0 ? 0 : 1200 + static_cast<int>(slump() % 1300);
        in.spelare.push_back(spelare(i, "S" + std::to_string(i), ranking));
    }
    if (n % 2 == 1) in.spelare.push_back(spelare(n + 1, "Frirond"));
    const int m = static_cast<int>(in.spelare.size());
    for (int rond = 1; rond <= ronder; ++rond) {
        std::vector<int> nr(m);
        for (int i = 0; i < m; ++i)
            nr[i] = i + 1;
        std::shuffle(nr.begin(), nr.end(), slump);
        for (int b = 0; b + 1 < m; b += 2) {
            int vit = nr[b], svart = nr[b + 1];
            if (vit == m && n % 2 == 1) std::swap(vit, svart);
            int res = static_cast<int>(slump() % 9);
            if (svart == m && n % 2 == 1) res = 1;
            in.partier.push_back(parti(rond, vit, svart, res, b / 2 + 1));
        }
    }
    in.poangval = 1 + static_cast<int>(slump() % 3);
    in.progressiv = slump() % 2 == 0;
    return in;
}

TEST(StallningReference, AgreesWithThePlainRulesOnGeneratedTournaments) {
    std::mt19937 slump(20261208);
    for (int fall = 0; fall < 300; ++fall) {
        const int n = 2 + static_cast<int>(slump() % 30);
        const int ronder = static_cast<int>(slump() % 9);
        Indata in = slumpTurnering(slump, n, ronder);
        for (int i = 1; i <= n; ++i)
            if (slump() % 10 == 0) in.utgadda.push_back(i);
        const auto facit = referens(in);
        const auto ut = stallning::berakna(in).parslistac;
        ASSERT_EQ(ut.size(), facit.size()) << "case " << fall;
        for (std::size_t i = 0; i < ut.size(); ++i) {
            SCOPED_TRACE("case " + std::to_string(fall) + " place " + std::to_string(i + 1));
            EXPECT_EQ(ut[i].nr, facit[i].nr);
            EXPECT_DOUBLE_EQ(ut[i].poang, facit[i].poang);
            EXPECT_DOUBLE_EQ(ut[i].kvalitet, facit[i].kvalitet);
            EXPECT_DOUBLE_EQ(ut[i].rankingandring, facit[i].rankingandring);
            EXPECT_EQ(ut[i].antalvita, facit[i].antalvita);
            EXPECT_EQ(ut[i].utgatt, facit[i].utgatt);
        }
    }
}

TEST(StallningReference, PairingFormAgreesToo) {
    std::mt19937 slump(7);
    for (int fall = 0; fall < 100; ++fall) {
        Indata in =
            slumpTurnering(slump, 2 + static_cast<int>(slump() % 20), 1 + static_cast<int>(slump() % 7));
        in.schwanrop = true;
        const auto facit = referens(in);
        const auto ut = stallning::berakna(in).parslistac;
        ASSERT_EQ(ut.size(), facit.size());
        for (std::size_t i = 0; i < ut.size(); ++i) {
            EXPECT_EQ(ut[i].nr, facit[i].nr) << fall;
            EXPECT_DOUBLE_EQ(ut[i].poang, facit[i].poang) << fall;
            EXPECT_EQ(ut[i].antalvita, 0);
        }
    }
}

} // namespace
