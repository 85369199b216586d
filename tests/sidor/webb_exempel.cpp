// Writes example tournament directories with their web sites, for the page check (tidy) and the
// guide's screenshots: `webb_exempel DIR` leaves DIR/webb/ with a Monrad tournament with every
// option and a withdrawal, a Nordic Swiss one with a round just paired, a Swiss one and a
// "Valfritt" one.
#include <cstdio>
#include <filesystem>

#include "lott/webb/webbplats.h"
#include "tests/support/webb_turnering.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: webb_exempel DIR\n", stderr);
        return 2;
    }
    namespace fs = std::filesystem;
    fs::create_directories(argv[1]);
    fs::current_path(argv[1]);
    using webbtest::Slag;
    webbtest::Val m{Slag::Monrad, 23, 7, 7, 1, false, true, 1, "Klubbmästerskapet 2024", 1};
    webbtest::Val n{Slag::Nordisk, 30, 7, 3, 1, true, true, 2, "Höstblixten", 2};
    webbtest::Val s{Slag::Schweizer, 12, 5, 5, 3, false, false, 3, "Snabbschack & \"Open\" <B>", 3};
    webbtest::Val v{Slag::Valfritt, 9, 4, 4, 4, false, true, 4, "Lagkampen", 4};
    for (const auto& val : {m, n, s, v})
        webbtest::skrivFiler(webbtest::generera(val));
    webb::Lottad lottad{2, 4, {{1, 2}, {3, 4}, {5, 6}}};
    webb::Webbplats w;
    w.publicera(lottad);
    std::printf("%d pages\n", w.senaste().sidor);
    return 0;
}
