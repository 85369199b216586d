// Pairing benchmark: Monrad tournaments of 50, 200, 900 and 1800 players over 13 rounds. For
// every round it prints the engine's pairing time and peak heap use, and beside them the time to
// read and parse the same tournament's files (player file and games file) from disk.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <random>

#include "bench/simulering.h"
#include "lott/pairing/monrad.h"
#include "store/files.h"
#include "store/tournament.h"

namespace {

// Heap accounting: bytes in use and the peak since the last reset.
std::atomic<std::size_t> iBruk{0};
std::atomic<std::size_t> topp{0};

void noteraAllokering(std::size_t n) {
    const std::size_t nu = iBruk.fetch_add(n) + n;
    std::size_t t = topp.load();
    while (nu > t && !topp.compare_exchange_weak(t, nu)) {
    }
}

} // namespace

void* operator new(std::size_t n) {
    // The size is kept in front of the block so that delete can subtract it.
    auto* p = static_cast<std::size_t*>(std::malloc(n + sizeof(std::max_align_t)));
    if (!p) throw std::bad_alloc();
    *p = n;
    noteraAllokering(n);
    return reinterpret_cast<char*>(p) + sizeof(std::max_align_t);
}
void operator delete(void* p) noexcept {
    if (!p) return;
    auto* b = reinterpret_cast<std::size_t*>(static_cast<char*>(p) - sizeof(std::max_align_t));
    iBruk.fetch_sub(*b);
    std::free(b);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

// Time to read and parse the tournament's files, best of a few reads.
double lasTid() {
    double bast = 1e9;
    for (int i = 0; i < 5; ++i) {
        const auto start = Klocka::now();
        const auto spelare = store::readAll<spelarstructtva>(store::tournamentFile(1, 'T'));
        const auto partier = store::touchAndReadAll<partistruct>(store::tournamentFile(1, 'R'));
        const auto tid = ms(Klocka::now() - start);
        if (spelare.empty() && partier.size() > 1000000) std::puts(""); // keep the reads
        bast = std::min(bast, tid);
    }
    return bast;
}

void kor(int antal, int ronder) {
    std::mt19937 slump(static_cast<unsigned>(antal));
    std::vector<spelarstructtva> spelare;
    for (int nr = 1; nr <= antal; ++nr) {
        spelarstructtva s;
        s.nr = nr;
        s.namn = "Spelare " + std::to_string(nr);
        s.klubb = "Schackklubben";
        s.ranking = 1200 + (nr * 37) % 1200;
        spelare.push_back(s);
    }
    spelare = store::startListWithBye(spelare, store::ByeClub::Tom);
    store::writeAll(store::tournamentFile(1, 'T'), spelare);
    store::writeAll(store::tournamentFile(1, 'R'), std::vector<partistruct>{});

    std::vector<partistruct> partier;
    std::printf("%6s %5s %12s %10s %11s %7s\n", "spelare", "rond", "lottning ms", "topp MB", "läsning ms",
                "kvot");
    for (int rond = 1; rond <= ronder; ++rond) {
        parning::MonradIndata in;
        in.spelare = spelare;
        in.partier = partier;
        in.valdrond = rond;
        // The engine is deterministic, so the round is paired a few times and the best time
        // kept, as for the reading time beside it: a busy machine then shows in neither.
        parning::Lottningsutfall ut;
        double lottning = 1e9;
        double toppMb = 0;
        for (int forsok = 0; forsok < 5; ++forsok) {
            const std::size_t fore = iBruk.load();
            topp.store(fore);
            const auto start = Klocka::now();
            if (rond == 1) {
                ut.lista = parning::monrada(in.spelare);
                ut.klar = true;
            } else {
                ut = parning::monradb(in);
            }
            lottning = std::min(lottning, ms(Klocka::now() - start));
            toppMb = std::max(toppMb, static_cast<double>(topp.load() - fore) / (1024.0 * 1024.0));
        }
        const double lasning = lasTid();
        std::printf("%6d %5d %12.3f %10.3f %11.3f %7.1f%s\n", antal, rond, lottning, toppMb, lasning,
                    lottning / lasning, ut.klar ? "" : "  (ingen lottning)");
        if (!ut.klar) return;

        std::vector<partistruct> rondens;
        for (std::size_t k = 0; k + 1 < ut.lista.size(); k += 2) {
            partistruct p;
            p.vit = ut.lista[k].nr;
            p.svart = ut.lista[k + 1].nr;
            p.bord = static_cast<int>(k / 2 + 1);
            p.rond = rond;
            p.resultat = store::isBye(ut.lista[k + 1].namn) ? resVitVinst : slumpResultat(slump);
            rondens.push_back(p);
        }
        partier.insert(partier.end(), rondens.begin(), rondens.end());
        store::append(store::tournamentFile(1, 'R'), rondens);
    }
}

} // namespace

int main() {
    const auto katalog =
        std::filesystem::temp_directory_path() / ("bench-parning-" + std::to_string(::getpid()));
    std::filesystem::create_directories(katalog);
    std::filesystem::current_path(katalog);
    for (int antal : {50, 200, 900, 1800})
        kor(antal, 13);
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("största residenta minne för hela körningen: %.1f MB\n",
                static_cast<double>(ru.ru_maxrss) / 1024.0);
    std::filesystem::current_path(katalog.parent_path());
    std::filesystem::remove_all(katalog);
    return 0;
}
