#include "lott/oversikt.h"

#include <algorithm>

#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"

namespace {

// The last record of a tournament in a list file wins, as in the store's lookups; `fallback`
// when it has none.
template <class R, class Value>
int senaste(const std::vector<R>& records, int turnnr, Value value, int fallback) {
    int found = fallback;
    for (const auto& r : records)
        if (value(r).first == turnnr) found = value(r).second;
    return found;
}

int riktigaSpelare(int turnnr) {
    const auto spelare = store::readAllIfPresent<spelarstructtva>(store::tournamentFile(turnnr, 'T'));
    return static_cast<int>(std::count_if(spelare.begin(), spelare.end(),
                                          [](const spelarstructtva& s) { return !store::isBye(s.namn); }));
}

template <class Game> int storstaRond(const std::vector<Game>& partier) {
    int rond = 0;
    for (const auto& p : partier)
        rond = std::max(rond, static_cast<int>(p.rond));
    return rond;
}

std::string nastaSteg(const Oversiktsrad& rad, int spelare, bool lottad) {
    if (spelare == 0) return "Skriv in spelare";
    if (rad.spelade >= rad.planerade) return "Klar (Slutrapport)";
    const std::string rond = std::to_string(rad.spelade + 1);
    if (lottad) return "För in resultaten i rond " + rond + " (Resultat senaste rond)";
    return "Lotta rond " + rond + " (Rondlista)";
}

} // namespace

std::vector<Oversiktsrad> turneringsoversikt(const LottadRond& lottad) {
    const auto turneringar = store::readAllIfPresent<turneringsstruct>(store::fil::TURN);
    if (turneringar.empty()) return {};
    const auto poangsys = store::readAllIfPresent<poangsystem>(store::fil::POANGSYS);
    const auto seln = store::readAllIfPresent<vilkenschweizerstruct>(store::fil::SELN);
    std::vector<valfristruct> valfria; // read once, when some tournament scores freely
    bool valfriaLasta = false;

    std::vector<Oversiktsrad> rader;
    for (const auto& t : turneringar) {
        const int nr = t.filnamnint;
        Oversiktsrad rad;
        rad.namn = t.tnamn;
        rad.planerade = t.antalronder;
        if (t.system == 0) {
            rad.lottning = "Monrad";
        } else {
            const int vilken = senaste(
                seln, nr,
                [](const auto& v) {
                    return std::pair{v.turnnr, v.vilken};
                },
                0);
            rad.lottning = vilken == 1 ? "Schweizer" : "Nordisk schweizer";
        }
        const int poang = senaste(
            poangsys, nr,
            [](const auto& p) {
                return std::pair{p.turn, p.poang};
            },
            1);
        if (poang == 4) {
            if (!valfriaLasta) valfria = store::readAllIfPresent<valfristruct>(store::fil::VALFRI);
            valfriaLasta = true;
            std::vector<valfristruct> egna;
            std::copy_if(valfria.begin(), valfria.end(), std::back_inserter(egna),
                         [nr](const valfristruct& v) { return v.turnnr == nr; });
            rad.spelade = storstaRond(egna);
        } else {
            rad.spelade = storstaRond(store::readAllIfPresent<partistruct>(store::tournamentFile(nr, 'R')));
        }
        const bool paRonden = lottad.turnnr == nr && lottad.rond == rad.spelade + 1;
        rad.nastaSteg = nastaSteg(rad, riktigaSpelare(nr), paRonden);
        rader.push_back(std::move(rad));
    }
    return rader;
}

std::vector<std::string> oversiktsrubriker() {
    return {"Turnering", "Lottning", "Ronder", "Nästa steg"};
}

std::vector<std::string> oversiktsceller(const Oversiktsrad& rad) {
    return {rad.namn, rad.lottning, std::to_string(rad.spelade) + " av " + std::to_string(rad.planerade),
            rad.nastaSteg};
}
