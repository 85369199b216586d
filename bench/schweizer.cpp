// Swiss pairing benchmark: Swiss and Nordic Swiss tournaments of 50, 200, 900, 1800, 3600 and 7200
// over 13 rounds, each round paired by the engine the driver would choose: the Swiss engine
// until the size rule hands the rounds to Monrad (for 50 players from round 5, for 200 from round
// 12). Per field it prints the time of the round-1 split, and over the later Swiss rounds the
// mean and slowest time of the engine and, beside them, of the standings in pairing form that
// feed it.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <vector>
#include <cstdio>
#include <random>
#include <string>

#include "bench/simulering.h"
#include "lott/pairing/lottning.h"
#include "lott/pairing/monrad.h"
#include "lott/pairing/parningsform.h"
#include "lott/pairing/partiindex.h"
#include "lott/pairing/schweizer.h"
#include "lott/results/stallning.h"
#include "store/tournament.h"

namespace {

// A digest of every pairing list of a field, so that two builds of the engine can be compared.
std::uint64_t digest = 0;

void spela(const parning::Parlista& lista, int rond, std::vector<partistruct>& partier, std::mt19937& slump) {
    for (const auto& s : lista)
        digest = (digest ^ static_cast<std::uint32_t>(s.nr)) * 1099511628211ULL;
    for (std::size_t i = 0; i + 1 < lista.size(); i += 2) {
        const bool bye = store::isBye(lista[i + 1].namn);
        partier.push_back(partistruct{lista[i].nr, lista[i + 1].nr, static_cast<int>(i / 2 + 1),
                                      bye ? resVitVinst : slumpResultat(slump), rond});
    }
}

bool turnering(int n, bool schweizer, unsigned fro) {
    constexpr int kRonder = 13;
    std::mt19937 slump(fro);
    digest = 14695981039346656037ULL;
    std::vector<spelarstructtva> spelare(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        spelare[static_cast<std::size_t>(i)].namn = "Spelare " + std::to_string(i + 1);
        spelare[static_cast<std::size_t>(i)].klubb = "nej";
        spelare[static_cast<std::size_t>(i)].ranking = 1200 + static_cast<int>(slump() % 1000);
    }
    const auto startlista = store::startListWithBye(spelare, store::ByeClub::Nej);
    std::vector<partistruct> partier;

    auto start = Klocka::now();
    auto lista = parning::schweizerRunda1(startlista, schweizer, 1);
    const double forsta = ms(Klocka::now() - start);
    if (!lista) return false;
    spela(*lista, 1, partier, slump);

    double motorSumma = 0, motorMax = 0, stallningSumma = 0, stallningMax = 0;
    int monradEnligtRegeln = 0;
    int schweizerRonder = 0;
    for (int rond = 2; rond <= kRonder; ++rond) {
        if (parning::monradStorlek(static_cast<int>(startlista.size()), rond)) {
            ++monradEnligtRegeln;
            parning::MonradIndata in;
            in.spelare = startlista;
            in.partier = partier;
            in.valdrond = rond;
            in.vilksy = schweizer ? '2' : '1';
            const auto svar = parning::monradb(in);
            if (!svar.klar) return false;
            spela(svar.lista, rond, partier, slump);
            continue;
        }
        start = Klocka::now();
        stallning::Indata in;
        in.spelare = startlista;
        in.partier = partier;
        in.valdrond = rond;
        in.schwanrop = true;
        const parning::PartiIndex index(partier);
        const auto pool = parning::parningsform(stallning::berakna(in).parslistac, index);
        const double stallningTid = ms(Klocka::now() - start);

        start = Klocka::now();
        lista = parning::schweizerSenare(pool, partier, rond, schweizer);
        const double motorTid = ms(Klocka::now() - start);
        if (!lista) {
            std::printf("%5d players: round %d not paired\n", n, rond);
            return false;
        }
        spela(*lista, rond, partier, slump);
        ++schweizerRonder;
        motorSumma += motorTid;
        motorMax = std::max(motorMax, motorTid);
        stallningSumma += stallningTid;
        stallningMax = std::max(stallningMax, stallningTid);
    }
    const double antal = std::max(1, schweizerRonder);
    std::printf(
        "%5d players %-17s round 1 %7.3f ms | %2d later Swiss rounds: engine mean %7.3f max %7.3f ms, "
        "standings mean %7.3f max %7.3f ms | %2d rounds by Monrad | pairings %016llx\n",
        n, schweizer ? "Schweizer" : "Nordisk schweizer", forsta, schweizerRonder, motorSumma / antal,
        motorMax, stallningSumma / antal, stallningMax, monradEnligtRegeln,
        static_cast<unsigned long long>(digest));
    return true;
}

} // namespace

// Without arguments every field size and both systems; otherwise the sizes given and, with
// "schweizer" or "nordisk" among the arguments, that system only: "bench_schweizer 900 7200 nordisk".
int main(int argc, char** argv) {
    std::vector<int> storlekar;
    std::vector<bool> system;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "schweizer" || arg == "nordisk") system.push_back(arg == "schweizer");
        else storlekar.push_back(std::atoi(argv[i]));
    }
    if (storlekar.empty()) storlekar = {50, 200, 900, 1800, 3600, 7200};
    if (system.empty()) system = {true, false};
    bool allt = true;
    for (int n : storlekar)
        for (bool schweizer : system)
            allt = turnering(n, schweizer, static_cast<unsigned>(n) * 7 + (schweizer ? 1 : 0)) && allt;
    return allt ? 0 : 1;
}
