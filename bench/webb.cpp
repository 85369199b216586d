// The tournament web site refreshed after a result commit, for fields of 50, 200 and 900 players
// after 13 rounds with every option: one result of the last round changed in the game file, then
// the site brought up to date (files read, every page made, only changed pages written). Median
// of repeated runs in a temporary directory; the first, full write is shown beside it.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/median.h"
#include "lott/webb/webbplats.h"
#include "tests/support/webb_turnering.h"

int main() {
    namespace fs = std::filesystem;
    const fs::path start = fs::current_path();
    std::printf("web site refresh after one result of round 13 (median of 15 runs)\n");
    std::printf("%8s %8s %14s %14s %10s\n", "players", "pages", "first [ms]", "refresh [ms]", "rewritten");
    for (int players : {50, 200, 900}) {
        std::string mall = (fs::temp_directory_path() / "bench-webb-XXXXXX").string();
        if (!::mkdtemp(mall.data())) return 1;
        fs::current_path(mall);
        webbtest::Val v;
        v.slag = webbtest::Slag::Nordisk;
        v.spelare = players;
        v.ronder = 13;
        v.spelade = 13;
        v.seed = 13;
        const auto t = webbtest::generera(v);
        webbtest::skrivFiler(t);

        webb::Webbplats w;
        const double forsta = medianMillis(1, [&] { w.uppdatera({}); });
        auto partier = t.partier;
        std::size_t vilken = 0;
        while (partier[vilken].rond != 13)
            ++vilken;
        std::vector<double> tider;
        for (int k = 0; k < 15; ++k) {
            auto& g = partier[vilken];
            g.resultat = g.resultat == resRemi ? resVitVinst : resRemi;
            store::writeAll(store::tournamentFile(1, 'R'), partier); // the commit, not timed
            tider.push_back(medianMillis(1, [&] { w.uppdatera({}); }));
        }
        std::sort(tider.begin(), tider.end());
        const double uppdatering = tider[tider.size() / 2];
        std::printf("%8d %8d %14.1f %14.1f %10d\n", players, w.senaste().sidor, forsta, uppdatering,
                    w.senaste().skrivna);
        fs::current_path(start);
        fs::remove_all(mall);
    }
    return 0;
}
