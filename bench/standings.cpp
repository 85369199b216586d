// Standings time for fields of 50, 200, 900 and 1,800 players after 13 rounds: the median of
// repeated runs of the computation on values (no files), under both kvalitet methods.
#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench/median.h"
#include "lott/results/stallning.h"

namespace {

stallning::Indata tournament(int players, int rounds, bool progressiv, std::mt19937& rng) {
    stallning::Indata in;
    for (int i = 1; i <= players; ++i) {
        spelarstructtva s;
        s.nr = i;
        s.namn = "Spelare " + std::to_string(i);
        s.klubb = "SK " + std::to_string(i % 40);
        s.ranking = 1000 + static_cast<int>(rng() % 1400);
        in.spelare.push_back(s);
    }
    std::vector<int> order(players);
    for (int r = 1; r <= rounds; ++r) {
        for (int i = 0; i < players; ++i)
            order[i] = i + 1;
        std::shuffle(order.begin(), order.end(), rng);
        for (int b = 0; b + 1 < players; b += 2) {
            const int code = 1 + static_cast<int>(rng() % 8);
            in.partier.push_back(partistruct{order[b], order[b + 1], b / 2 + 1, code, r});
        }
    }
    in.poangval = 1;
    in.progressiv = progressiv;
    return in;
}

double standingsMillis(const stallning::Indata& in, int runs) {
    std::size_t sink = 0;
    const double ms = medianMillis(runs, [&] { sink += stallning::berakna(in).parslistac.size(); });
    if (sink == 0) std::puts("empty standings");
    return ms;
}

} // namespace

int main() {
    std::mt19937 rng(13);
    std::printf("standings after 13 rounds (median of 51 runs)\n");
    std::printf("%8s %8s %14s %14s\n", "players", "games", "Vanlig [ms]", "Progressiv [ms]");
    for (int players : {50, 200, 900, 1800}) {
        const auto vanlig = tournament(players, 13, false, rng);
        const auto progressiv = tournament(players, 13, true, rng);
        std::printf("%8d %8zu %14.3f %14.3f\n", players, vanlig.partier.size(), standingsMillis(vanlig, 51),
                    standingsMillis(progressiv, 51));
    }
    return 0;
}
