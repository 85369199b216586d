// Generated tournaments under Monrad, Nordic Swiss and Swiss, paired round by round as the driver
// would, checked in their late rounds against a separate answer to "can this round be paired at
// all without a rematch": the program pairs every round that can be, refuses only the rounds
// that cannot, and wherever the documented search finds a pairing it is the one given.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "lott/pairing/farger.h"
#include "lott/pairing/lottning.h"
#include "lott/pairing/monrad.h"
#include "lott/pairing/parningsform.h"
#include "lott/pairing/partiindex.h"
#include "lott/pairing/reservparning.h"
#include "lott/pairing/schweizer.h"
#include "lott/pairing/schweizer_senare.h"
#include "lott/results/stallning.h"
#include "tests/lott/pairing/parning_hjalp.h"

namespace {

using namespace parning;
using Motts = std::set<std::pair<int, int>>;

std::pair<int, int> nyckel(int a, int b) {
    return {std::min(a, b), std::max(a, b)};
}

// Whether the players can be paired without a rematch, worked out by brute force: the first
// player left takes each partner he has not met in turn, over every subset once (memo by mask).
bool kanParas(const std::vector<int>& nr, const Motts& mott) {
    const int n = static_cast<int>(nr.size());
    if (n % 2 != 0) return false;
    std::vector<signed char> memo(std::size_t{1} << n, -1);
    auto rek = [&](auto&& self, unsigned kvar) -> bool {
        if (kvar == 0) return true;
        auto& m = memo[kvar];
        if (m >= 0) return m != 0;
        const int i = __builtin_ctz(kvar);
        bool ok = false;
        for (int j = i + 1; j < n && !ok; ++j)
            if ((kvar >> j & 1u) && !mott.count(nyckel(nr[i], nr[j])))
                ok = self(self, kvar & ~(1u << i) & ~(1u << j));
        m = ok ? 1 : 0;
        return ok;
    };
    return rek(rek, (1u << n) - 1);
}

enum class System { Monrad, Nordisk, Schweizer };

// The Swiss engine on the standings in pairing form.
std::optional<Parlista> schweizerRunda(bool riktig, const std::vector<spelarstructtva>& startlista,
                                       const std::vector<partistruct>& partier, int rond, bool reserv) {
    stallning::Indata in;
    in.spelare = startlista;
    in.partier = partier;
    in.valdrond = rond;
    in.schwanrop = true;
    const auto pool = parningsform(stallning::berakna(in).parslistac, PartiIndex(partier));
    auto lista = schweizerb(pool, partier, rond, kSchweizerArbetsgrans, reserv);
    if (!lista) return lista;
    if (riktig) schweizerfargerb(*lista, PartiIndex(partier));
    frirondsvart(*lista);
    return lista;
}

struct Runda {
    std::optional<Parlista> lista;        // with the fallback
    std::optional<Parlista> dokumenterad; // the documented search alone
};

// One later round as the driver pairs it: Monrad for Monrad tournaments and for the Swiss-type
// rounds the size rule hands over, the Swiss engine on the standings in pairing form otherwise.
Runda lotta(System system, const std::vector<spelarstructtva>& startlista,
            const std::vector<partistruct>& partier, int rond) {
    Runda ut;
    const int n = static_cast<int>(startlista.size());
    if (system == System::Monrad || monradStorlek(n, rond)) {
        MonradIndata in;
        in.spelare = startlista;
        in.partier = partier;
        in.valdrond = rond;
        in.vilksy = system == System::Monrad ? '0' : system == System::Nordisk ? '1' : '2';
        const auto med = monradb(in);
        in.reserv = false;
        const auto utan = monradb(in);
        if (med.klar) ut.lista = med.lista;
        if (utan.klar) ut.dokumenterad = utan.lista;
        return ut;
    }
    const bool riktig = system == System::Schweizer;
    ut.lista = schweizerRunda(riktig, startlista, partier, rond, true);
    ut.dokumenterad = schweizerRunda(riktig, startlista, partier, rond, false);
    return ut;
}

void spela(const Parlista& lista, int rond, std::vector<partistruct>& partier, std::mt19937& slump) {
    for (std::size_t i = 0; i + 1 < lista.size(); i += 2) {
        const bool bye = store::isBye(lista[i + 1].namn);
        const int r = std::uniform_int_distribution<int>(0, 9)(slump);
        partier.push_back(partistruct{lista[i].nr, lista[i + 1].nr, static_cast<int>(i / 2 + 1),
                                      bye ? resVitVinst
                                          : (r < 4   ? resVitVinst
                                             : r < 8 ? resSvartVinst
                                                     : resRemi),
                                      rond});
    }
}

// Every entry of the start list on exactly one board, and no pair that has met before.
::testing::AssertionResult giltig(const Parlista& lista, const std::vector<spelarstructtva>& startlista,
                                  const Motts& mott) {
    std::multiset<int> parade;
    for (const auto& s : lista)
        parade.insert(s.nr);
    std::multiset<int> alla;
    for (const auto& s : startlista)
        alla.insert(s.nr);
    if (parade != alla) return ::testing::AssertionFailure() << "not every player on exactly one board";
    for (std::size_t i = 0; i + 1 < lista.size(); i += 2)
        if (mott.count(nyckel(lista[i].nr, lista[i + 1].nr)))
            return ::testing::AssertionFailure() << lista[i].nr << " and " << lista[i + 1].nr << " have met";
    return ::testing::AssertionSuccess();
}

struct Tally {
    int prov = 0, reserv = 0, omojliga = 0;
};

// Plays `antal` generated tournaments of 2..maxSpelare players round by round until a round
// cannot be paired or the field has played everybody, checking every round from round 2 on.
// For fields of more than 16 entries the rounds stop while everybody has met fewer than half the
// field: a pairing then always exists (every player can meet more than half of the others).
Tally kontrollera(System system, int antal, int maxSpelare, unsigned fro) {
    Tally t;
    std::mt19937 slump(fro);
    for (int k = 0; k < antal; ++k) {
        const int real = std::uniform_int_distribution<int>(2, maxSpelare)(slump);
        std::vector<spelarstructtva> spelare;
        for (int nr = 1; nr <= real; ++nr)
            spelare.push_back(test::spelare(nr));
        const auto startlista = store::startListWithBye(spelare, store::ByeClub::Nej);
        const int n = static_cast<int>(startlista.size());
        std::vector<int> nr;
        for (const auto& s : startlista)
            nr.push_back(s.nr);

        std::vector<partistruct> partier;
        const Parlista forsta = system == System::Monrad
                                    ? monrada(startlista)
                                    : *schweizerRunda1(startlista, system == System::Schweizer, 1);
        spela(forsta, 1, partier, slump);
        Motts mott;
        for (const auto& p : partier)
            mott.insert(nyckel(p.vit, p.svart));

        const int sista = n <= 16 ? n - 1 : n / 2 - 1;
        for (int rond = 2; rond <= sista; ++rond) {
            SCOPED_TRACE(::testing::Message()
                         << "tournament " << k << ", " << n << " entries, round " << rond);
            const bool mojlig = n > 16 || kanParas(nr, mott);
            const Runda r = lotta(system, startlista, partier, rond);
            ++t.prov;
            if (!mojlig) {
                ++t.omojliga;
                EXPECT_FALSE(r.lista) << "paired a round that has no pairing without a rematch";
                break;
            }
            if (!r.lista) {
                ADD_FAILURE() << "refused a round that can be paired";
                break;
            }
            EXPECT_TRUE(giltig(*r.lista, startlista, mott));
            if (r.dokumenterad)
                EXPECT_EQ(test::nummer(*r.lista), test::nummer(*r.dokumenterad))
                    << "the documented pairing changed";
            else
                ++t.reserv;
            spela(*r.lista, rond, partier, slump);
            for (const auto& p : partier)
                mott.insert(nyckel(p.vit, p.svart));
        }
    }
    return t;
}

TEST(ReservparningEgenskaper, EveryPairableRoundIsPairedAndOnlyThose) {
    for (System system : {System::Monrad, System::Nordisk, System::Schweizer}) {
        SCOPED_TRACE(static_cast<int>(system));
        const Tally sma = kontrollera(system, 150, 15, 11 + static_cast<unsigned>(system));
        const Tally stora = kontrollera(system, 12, 60, 101 + static_cast<unsigned>(system));
        // The generated rounds must reach both outcomes, or the check above proves little.
        EXPECT_GT(sma.reserv, 0) << "no round needed the fallback";
        EXPECT_GT(sma.omojliga, 0) << "no round was unpairable";
        EXPECT_GT(sma.prov + stora.prov, 1000);
    }
}

// A round robin by the circle method: round r pairs the n players so that after n - 1 rounds
// everybody has met everybody once.
std::vector<std::pair<int, int>> cirkelrond(int n, int r) {
    std::vector<int> plats(static_cast<std::size_t>(n));
    plats[0] = 1;
    for (int i = 1; i < n; ++i)
        plats[static_cast<std::size_t>(i)] = 2 + (i - 1 + r) % (n - 1);
    std::vector<std::pair<int, int>> par;
    for (int i = 0; i < n / 2; ++i)
        par.emplace_back(plats[static_cast<std::size_t>(i)], plats[static_cast<std::size_t>(n - 1 - i)]);
    return par;
}

TEST(ReservparningEgenskaper, TheOnlyUnplayedRoundOfARoundRobinIsFound) {
    // Every round of a round robin but the last has been played: the last round's pairs are the
    // only pairing left without a rematch, and both engines must find exactly it (the Swiss
    // engine asked directly, whatever the size rule would choose).
    for (int n : {6, 40, 100, 200}) {
        for (System system : {System::Monrad, System::Nordisk, System::Schweizer}) {
            SCOPED_TRACE(::testing::Message() << n << " players, system " << static_cast<int>(system));
            std::mt19937 slump(static_cast<unsigned>(n));
            const auto startlista = test::startlista(n);
            std::vector<partistruct> partier;
            for (int r = 0; r < n - 2; ++r)
                for (const auto& [a, b] : cirkelrond(n, r)) {
                    const int res = std::uniform_int_distribution<int>(1, 3)(slump);
                    partier.push_back(partistruct{a, b, 1, res, r + 1});
                }
            std::set<std::pair<int, int>> vantat;
            for (const auto& [a, b] : cirkelrond(n, n - 2))
                vantat.insert(nyckel(a, b));
            std::optional<Parlista> lista;
            if (system == System::Monrad) {
                MonradIndata in;
                in.spelare = startlista;
                in.partier = partier;
                in.valdrond = n - 1;
                if (const auto u = monradb(in); u.klar) lista = u.lista;
            } else {
                lista = schweizerRunda(system == System::Schweizer, startlista, partier, n - 1, true);
            }
            ASSERT_TRUE(lista);
            std::set<std::pair<int, int>> fatt;
            for (std::size_t i = 0; i + 1 < lista->size(); i += 2)
                fatt.insert(nyckel((*lista)[i].nr, (*lista)[i + 1].nr));
            EXPECT_EQ(fatt, vantat);
        }
    }
}

TEST(Reservparning, PrefersNeighboursAndRefusesWhatCannotBePaired) {
    const auto inga = [](int, int) { return false; };
    EXPECT_EQ(reservparning(6, inga), (std::vector<std::pair<int, int>>{{0, 1}, {2, 3}, {4, 5}}));
    // 0 has met 1: 0-2 and 1-3 cost 4 + 4 = 8, while 0-3 and 1-2 cost 9 + 1 = 10.
    const auto nollEtt = [](int i, int j) { return i == 0 && j == 1; };
    EXPECT_EQ(reservparning(4, nollEtt), (std::vector<std::pair<int, int>>{{0, 2}, {1, 3}}));
    // 0 has met everybody: no pairing.
    EXPECT_FALSE(reservparning(4, [](int i, int) { return i == 0; }));
    EXPECT_FALSE(reservparning(3, inga));
    EXPECT_FALSE(reservparning(0, inga));
}

} // namespace
