// Report time for fields of 50, 200, 900 and 1,800 players after 13 rounds: building the rows
// of every kind, laying out the whole report as the screen shows it before printing, and
// rendering the HTML page and final-report text. Median of repeated runs, on values (no files).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "lott/reports/html_report.h"
#include "lott/reports/report_content.h"

namespace {

reports::ReportInput tournament(int players, int rounds, std::mt19937& rng) {
    reports::ReportInput in;
    in.tnamn = "Klubbmästerskap";
    in.valdrond = rounds;
    for (int i = 1; i <= players; ++i) {
        spelarstructtva s;
        s.nr = i;
        s.namn = "Spelare " + std::to_string(i);
        s.klubb = "SK " + std::to_string(i % 40);
        s.ranking = 1000 + static_cast<int>(rng() % 1400);
        in.spelare.push_back(s);
        spelarstructc c;
        c.nr = i;
        c.namn = s.namn;
        c.klubb = s.klubb;
        c.ranking = s.ranking;
        c.poang = static_cast<double>(rng() % 27) / 2;
        c.kvalitet = static_cast<double>(rng() % 200) / 2;
        in.stallning.push_back(c);
    }
    std::sort(in.stallning.begin(), in.stallning.end(), [](const auto& a, const auto& b) {
        return a.poang != b.poang ? a.poang > b.poang : a.kvalitet > b.kvalitet;
    });
    std::vector<int> order(players);
    for (int r = 1; r <= rounds; ++r) {
        for (int i = 0; i < players; ++i)
            order[i] = i + 1;
        std::shuffle(order.begin(), order.end(), rng);
        for (int b = 0; b + 1 < players; b += 2) {
            partistruct g;
            g.rond = r;
            g.bord = b / 2 + 1;
            g.vit = order[b];
            g.svart = order[b + 1];
            g.resultat = 1 + static_cast<int>(rng() % 3);
            in.partier.push_back(g);
        }
    }
    return in;
}

double millisecondsFor(int players, int kind, std::mt19937& rng) {
    reports::ReportInput in = tournament(players, 13, rng);
    in.vilkpaint = kind;
    std::vector<double> runs;
    std::size_t sink = 0;
    for (int run = 0; run < 7; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const auto content = reports::reportContent(in, reports::Band::Large);
        sink += reports::layoutPage(content, -1, reports::Band::Large).texts.size();
        sink += reports::htmlPage(in).size();
        if (kind == reports::kSlutrapport) sink += reports::finalReportText(in).size();
        runs.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(runs.begin(), runs.end());
    if (sink == 0) std::puts("nothing drawn");
    return runs[runs.size() / 2];
}

} // namespace

int main() {
    std::mt19937 rng(20240601);
    const struct {
        int kind;
        const char* name;
    } kinds[] = {{reports::kDeltagare, "participants"},
                 {reports::kLottning, "pairings"},
                 {reports::kResultat, "results"},
                 {reports::kStallning, "standings"},
                 {reports::kSlutrapport, "final report"}};
    std::printf("%-14s %10s %10s %10s %10s\n", "report (ms)", "50", "200", "900", "1800");
    for (const auto& k : kinds) {
        std::printf("%-14s", k.name);
        for (int players : {50, 200, 900, 1800})
            std::printf(" %10.3f", millisecondsFor(players, k.kind, rng));
        std::printf("\n");
    }
}
