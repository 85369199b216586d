// Properties of the Swiss-type pairing over generated tournaments, each round paired by the
// engine the driver would choose: Swiss-type rounds until the size rule hands them to Monrad.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "lott/pairing/lottning.h"
#include "lott/pairing/monrad.h"
#include "lott/pairing/parningsform.h"
#include "lott/pairing/schweizer.h"
#include "lott/results/stallning.h"
#include "tests/lott/pairing/schweizer_simulering.h"

using namespace parning;
using namespace schweizertest;

namespace {

struct Utfall {
    int schweizerronder = 0;
    int monradronder = 0;
    int schweizerMisslyckade = 0;
    int monradMisslyckade = 0;
    int misslyckadeMenParbara = 0; // failed although a pairing without rematches existed
    int sistaUtvagNodvandig = 0;   // rounds at the edge: no pairing existed at all
    std::string forstaFel;
};

struct Plan {
    int n = 0;
    bool storleksregel = true; // false: the Swiss engine pairs every round, to the field's edge
    int planerade = 0;         // 0: drawn at random
};

// Plays one generated tournament to its planned end; a failed round ends it.
void spelaTurnering(unsigned fro, const Plan& plan, Utfall& utfall) {
    std::mt19937 slump(fro);
    const auto startlista = genereradStartlista(plan.n, slump);
    const int fil = static_cast<int>(startlista.size());
    const bool schweizer = slump() % 2 == 0;
    const int poangval = 1 + static_cast<int>(slump() % 3);
    const int turnnr = 1 + static_cast<int>(slump() % 9);
    const int planerade = plan.planerade ? plan.planerade : 3 + static_cast<int>(slump() % 10);
    std::vector<partistruct> partier;
    std::vector<int> utgadda;
    std::set<int> aktiva;
    for (const auto& s : startlista)
        if (!store::isBye(s.namn)) aktiva.insert(s.nr);

    for (int rond = 1; rond <= planerade && fil > rond; ++rond) {
        if (rond > 2 && aktiva.size() > 4 && slump() % 8 == 0) {
            // A withdrawal before this round.
            auto it = aktiva.begin();
            std::advance(it, static_cast<long>(slump() % aktiva.size()));
            utgadda.push_back(*it);
            aktiva.erase(it);
        }
        const PartiIndex index(partier);
        std::optional<Parlista> lista;
        const bool medMonrad = plan.storleksregel && monradStorlek(fil, rond);
        if (medMonrad) {
            MonradIndata in;
            in.spelare = startlista;
            in.partier = partier;
            in.utgatt = utgadda;
            in.valdrond = rond;
            in.vilksy = schweizer ? '2' : '1';
            auto svar = monradb(in);
            if (svar.klar) lista = svar.lista;
            ++utfall.monradronder;
        } else if (rond == 1) {
            lista = schweizerRunda1(startlista, schweizer, turnnr);
            ++utfall.schweizerronder;
        } else {
            stallning::Indata in;
            in.spelare = startlista;
            in.partier = partier;
            in.utgadda = utgadda;
            in.poangval = poangval;
            in.valdrond = rond;
            in.schwanrop = true;
            lista = schweizerSenare(parningsform(stallning::berakna(in).parslistac, index), partier, rond, schweizer);
            ++utfall.schweizerronder;
        }
        if (!lista) {
            ++(medMonrad ? utfall.monradMisslyckade : utfall.schweizerMisslyckade);
            if (!medMonrad && aktiva.size() <= 14) {
                std::vector<int> spelare(aktiva.begin(), aktiva.end());
                if (spelare.size() % 2) spelare.push_back(-1);
                ++(finnsParning(spelare, index) ? utfall.misslyckadeMenParbara : utfall.sistaUtvagNodvandig);
            }
            return;
        }
        const std::string fel = felILista(*lista, aktiva, index, !medMonrad);
        if (!fel.empty() && utfall.forstaFel.empty())
            utfall.forstaFel = "seed " + std::to_string(fro) + ", " + std::to_string(plan.n) +
                               " players, round " + std::to_string(rond) + ": " + fel;
        if (!fel.empty()) return;
        spelaRond(*lista, rond, partier, slump);
    }
}

TEST(SchweizerEgenskaper, GeneratedTournamentsPairEveryoneOnceUntilTheSizeRuleSwitches) {
    Utfall utfall;
    for (unsigned fro = 1; fro <= 3000; ++fro)
        spelaTurnering(fro, Plan{2 + static_cast<int>(fro % 59)}, utfall);
    for (unsigned fro = 1; fro <= 60; ++fro)
        spelaTurnering(100000 + fro, Plan{60 + static_cast<int>(fro * 7 % 180)}, utfall);
    EXPECT_EQ(utfall.forstaFel, "");
    EXPECT_GT(utfall.schweizerronder, 9000);
    EXPECT_GT(utfall.monradronder, 1000);
    // While the size rule keeps a round Swiss there is always room: the engine never gives up.
    EXPECT_EQ(utfall.schweizerMisslyckade, 0);
}

TEST(SchweizerEgenskaper, PairedToTheEdgeOfTheFieldTheEngineEndsAndNeverRepeatsAGame) {
    // Without the size rule small fields run out of new opponents: every answer must still be a
    // valid list without rematches, or a reported failure, and the search must end.
    Utfall utfall;
    for (unsigned fro = 1; fro <= 1500; ++fro)
        spelaTurnering(500000 + fro, Plan{4 + static_cast<int>(fro % 11), false, 14}, utfall);
    EXPECT_EQ(utfall.forstaFel, "");
    EXPECT_GT(utfall.sistaUtvagNodvandig, 0);
    std::cout << "[ info ] Swiss rounds " << utfall.schweizerronder << ", failed "
              << utfall.schweizerMisslyckade << " (" << utfall.sistaUtvagNodvandig << " without any pairing, "
              << utfall.misslyckadeMenParbara << " with one the search did not find)\n";
}

} // namespace
