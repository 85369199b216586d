// The tools on files of the sizes a large club meets: ratingbridge exporting a 900-player,
// 13-round tournament into a "TALLA" of 100,000 records, and lagturnering over five such
// tournaments. Each is timed against reading its input files once (the store's readers), the
// median of repeated runs in a fresh temporary directory; the target is at most 3 times that.
// Written files are replaced atomically and synced to the disk, so the lines with a write include
// the disk's sync time; lagturnering's standings are also timed without the page.
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench/median.h"
#include "bench/simulering.h"
#include "rank/rating/rank_records.h"
#include "store/files.h"
#include "store/tournament.h"
#include "tools/lagturnering/rakna_ut.h"
#include "tools/ratingbridge/exportera.h"

namespace {

constexpr int kSpelare = 900;
constexpr int kRonder = 13;
constexpr int kTallaPoster = 100000;
constexpr int kRundsExport = 21; // each export rewrites 6.9 MB twice
constexpr int kRundsLag = 101;

// Tournament `nr`'s player and game files: 900 players of 60 clubs, 13 rounds of random pairs.
void skrivTurnering(int nr, std::mt19937& rng) {
    std::vector<spelarstructtva> spelare;
    for (int i = 1; i <= kSpelare; ++i)
        spelare.push_back({i, "Spelare " + std::to_string(nr) + "-" + std::to_string(i),
                           "Klubb " + std::to_string(i % 60), 1000 + static_cast<int>(rng() % 1500), 0, 0});
    std::vector<partistruct> partier;
    std::vector<int> ordning(kSpelare);
    for (int r = 1; r <= kRonder; ++r) {
        for (int i = 0; i < kSpelare; ++i)
            ordning[i] = i + 1;
        std::shuffle(ordning.begin(), ordning.end(), rng);
        for (int b = 0; b + 1 < kSpelare; b += 2)
            partier.push_back({ordning[b], ordning[b + 1], b / 2 + 1, slumpResultat(rng), r});
    }
    store::writeAll(store::tournamentFile(nr, 'T'), spelare);
    store::writeAll(store::tournamentFile(nr, 'R'), partier);
}

struct Tider {
    double las, verktyg;
};

double cpuMillis() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Medians of `las` and `verktyg`, run alternately so that both meet the same state of a shared,
// busy machine: wall time, and the process's CPU time, which other processes do not inflate
// (but which leaves out waiting for the disk).
template <class Las, class Verktyg> std::pair<Tider, Tider> parvis(int runs, Las las, Verktyg verktyg) {
    std::vector<double> va, vb, ca, cb;
    for (int i = 0; i < runs; ++i) {
        double c = cpuMillis();
        va.push_back(medianMillis(1, las));
        ca.push_back(cpuMillis() - c);
        c = cpuMillis();
        vb.push_back(medianMillis(1, verktyg));
        cb.push_back(cpuMillis() - c);
    }
    return {{median(va), median(vb)}, {median(ca), median(cb)}};
}

void rapport(const char* vad, std::pair<Tider, Tider> tider) {
    const auto [vagg, cpu] = tider;
    std::printf("%-46s %8.2f %8.2f %6.2f  %8.2f %8.2f %6.2f  %s\n", vad, vagg.las, vagg.verktyg,
                vagg.verktyg / vagg.las, cpu.las, cpu.verktyg, cpu.verktyg / cpu.las,
                vagg.verktyg <= 3 * vagg.las ? "within 3x" : "OVER 3x (wall)");
}

} // namespace

int main() {
    std::string mall = (std::filesystem::temp_directory_path() / "bench-tools-XXXXXX").string();
    if (!::mkdtemp(mall.data())) return 1;
    const std::filesystem::path katalog = mall;
    std::filesystem::current_path(katalog);
    std::mt19937 rng(2003);

    std::vector<turneringsstruct> turn;
    for (int nr = 1; nr <= 5; ++nr) {
        turn.push_back({nr, "Turnering " + std::to_string(nr), kRonder, 0});
        skrivTurnering(nr, rng);
    }
    store::writeAll("TURN", turn);
    std::vector<rank::tallastruct> talla;
    for (int i = 0; i < kTallaPoster; ++i)
        talla.push_back({"Medlem " + std::to_string(i % 5000), "Tidigare " + std::to_string(i / 5000),
                         static_cast<int>(rng() % 61) - 30, static_cast<int>(rng() % 80)});
    store::writeAll("TALLA", talla);

    std::printf("tools on files (medians of %d and %d runs, ms)\n", kRundsExport, kRundsLag);
    std::printf("%-46s %8s %8s %6s  %8s %8s %6s\n", "", "read", "tool", "ratio", "cpu read", "cpu tool",
                "ratio");

    // ratingbridge: "TURN", the tournament's two files and "TALLA"; the export replaces its own
    // earlier records, so "TALLA" keeps 100,900 records from the first run on.
    const auto filer = ratingbridge::Ratingfiler::i(katalog.string());
    ratingbridge::exportera(filer, 0, 17, 1);
    std::size_t sink = 0;
    const auto lasExport = [&] {
        sink += store::readAll<turneringsstruct>("TURN").size() +
                store::readAll<spelarstructtva>("1.T").size() + store::readAll<partistruct>("1.R").size() +
                store::readAll<rank::tallastruct>("TALLA").size();
    };
    rapport("ratingbridge: 900 players into 100,900 TALLA",
            parvis(kRundsExport, lasExport, [&] { ratingbridge::exportera(filer, 0, 17, 1); }));

    // lagturnering: "TURN" and the five tournaments' files; the page goes to "lottutskrifter".
    const std::vector<int> alla{0, 1, 2, 3, 4};
    const auto lasLag = [&] {
        sink += store::readAll<turneringsstruct>("TURN").size();
        for (int nr = 1; nr <= 5; ++nr)
            sink += store::readAll<spelarstructtva>(store::tournamentFile(nr, 'T')).size() +
                    store::readAll<partistruct>(store::tournamentFile(nr, 'R')).size();
    };
    for (auto v : {lagturnering::Variant::Relativ, lagturnering::Variant::Total}) {
        const bool relativ = v == lagturnering::Variant::Relativ;
        rapport(relativ ? "lagturnering relative: standings from files"
                        : "lagturnering total: standings from files",
                parvis(kRundsLag, lasLag, [&] { sink += lagturnering::lagstallning(alla, v).size(); }));
        rapport(relativ ? "lagturnering relative: with the page written"
                        : "lagturnering total: with the page written",
                parvis(kRundsLag, lasLag, [&] { lagturnering::raknaUt(alla, "Lagtavling", v); }));
    }
    if (sink == 0) std::puts("nothing read");

    std::filesystem::current_path(katalog.parent_path());
    std::filesystem::remove_all(katalog);
    return 0;
}
