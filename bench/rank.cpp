// The rating program's period work for registers of 500, 2,000 and 10,000 members with 40 games
// and 2 tournament changes each in the period (400,000 games at 10,000): reading "SPEL", "ALLA" and
// "TALLA" once, the recalculation as "&Rankingberäkna" runs it (the three files read, every rating
// recalculated, "STEMP" written) and its computation alone, and the HTML ranking page (built, and
// written with "ELO", "MAIL" and "AKLUBB" read). Files in a temporary directory; median of runs.
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench/median.h"
#include "rank/berakning/rankingberakna.h"
#include "rank/lists/ranking_html.h"
#include "rank/lists/rankingsortera.h"
#include "store/clock.h"
#include "store/files.h"

using namespace rank;

namespace {

constexpr int kPeriod = 17;

std::string namn(int i) {
    return "Medlem " + std::to_string(i) + " Andersson";
}

// A register of `medlemmar` members, each with 40 games against other members and 2 tournament
// changes in the period, and an Elo number and an address for every third member.
void skrivFiler(int medlemmar, std::mt19937& rng) {
    std::vector<spelarstruct> spel;
    std::vector<allastruct> alla;
    std::vector<tallastruct> talla;
    std::vector<elostruct> elo;
    std::vector<mailstruct> mail;
    std::uniform_int_distribution<int> ranking(900, 2500), motstandare(0, medlemmar - 1), resultat(1, 3);
    for (int i = 0; i < medlemmar; ++i) {
        spelarstruct s;
        s.namn = namn(i);
        s.fodelsedata = "1980-01-01";
        s.ranking = ranking(rng);
        s.klass = "A";
        spel.push_back(s);
        if (i % 3 == 0) {
            elo.push_back({s.namn, s.ranking + 100});
            mail.push_back({s.namn, "medlem" + std::to_string(i) + "@klubben.se"});
        }
    }
    for (int i = 0; i < medlemmar; ++i) {
        for (int g = 0; g < 40; ++g)
            alla.push_back({namn(i), namn(motstandare(rng)), ranking(rng), resultat(rng), "Klubben", "Serien",
                            "2003-05-01", kPeriod});
        talla.push_back({namn(i), "Vårcupen", resultat(rng) * 4 - 8, kPeriod});
        talla.push_back({namn(i), "Höstcupen", resultat(rng) * 3 - 6, kPeriod});
    }
    store::writeAll(fil::SPEL, spel);
    store::writeAll(fil::ALLA, alla);
    store::writeAll(fil::TALLA, talla);
    store::writeAll(fil::ELO, elo);
    store::writeAll(fil::MAIL, mail);
    store::writeText(fil::AKLUBB, "Schackklubben");
}

long maxRssMb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}

} // namespace

int main() {
    const auto dir = std::filesystem::temp_directory_path() / ("bench-rank-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    std::mt19937 rng(20030517);

    std::printf("%8s %10s %10s %12s %12s %10s %10s %10s %8s\n", "members", "files MB", "read ms", "recalc ms",
                "compute ms", "ratio", "page ms", "page+io ms", "rss MB");
    for (int medlemmar : {500, 2000, 10000}) {
        skrivFiler(medlemmar, rng);
        const double mb = static_cast<double>(std::filesystem::file_size(fil::SPEL) +
                                              std::filesystem::file_size(fil::ALLA) +
                                              std::filesystem::file_size(fil::TALLA)) /
                          1e6;
        std::size_t sink = 0;
        const double las = medianMillis(5, [&] {
            sink += store::touchAndReadAll<spelarstruct>(fil::SPEL).size();
            sink += store::touchAndReadAll<allastruct>(fil::ALLA).size();
            sink += store::touchAndReadAll<tallastruct>(fil::TALLA).size();
        });
        const double berakna = medianMillis(5, [&] { rankingberaknaFiler(kPeriod); });

        const auto spel = store::readAll<spelarstruct>(fil::SPEL);
        const auto alla = store::readAll<allastruct>(fil::ALLA);
        const auto talla = store::readAll<tallastruct>(fil::TALLA);
        const double rakna =
            medianMillis(5, [&] { sink += rankingberakna(spel, alla, talla, kPeriod).size(); });

        const auto sorterade = rankingsortera(spel);
        const auto elo = store::readAll<elostruct>(fil::ELO);
        const auto mail = store::readAll<mailstruct>(fil::MAIL);
        const std::tm idag = store::localNow();
        const double sida = medianMillis(
            9, [&] { sink += rankingHtml(sorterade, elo, mail, "Schackklubben", false, idag).size(); });
        const double sidaFil = medianMillis(9, [&] { sink += gorhtml(sorterade, false).size(); });

        std::printf("%8d %10.1f %10.2f %12.2f %12.2f %10.2f %10.2f %10.2f %8ld\n", medlemmar, mb, las,
                    berakna, rakna, berakna / las, sida, sidaFil, maxRssMb());
        if (sink == 0) std::puts("nothing read");
    }
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(dir);
}
