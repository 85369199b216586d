#include "lott/oversikt.h"

#include <algorithm>

#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"

namespace {

int riktigaSpelare(int turnnr) {
    const auto spelare = store::readAllIfPresent<spelarstructtva>(store::tournamentFile(turnnr, 'T'));
    return static_cast<int>(std::count_if(spelare.begin(), spelare.end(),
                                          [](const spelarstructtva& s) { return !store::isBye(s.namn); }));
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
        if (t.system == 0) rad.lottning = "Monrad";
        else rad.lottning = store::vilkenSchweizer(seln, nr) == 1 ? "Schweizer" : "Nordisk schweizer";
        // Read without touching: the overview creates no files.
        if (store::poangval(poangsys, nr) == 4) {
            if (!valfriaLasta) valfria = store::readAllIfPresent<valfristruct>(store::fil::VALFRI);
            valfriaLasta = true;
            std::vector<valfristruct> egna;
            std::copy_if(valfria.begin(), valfria.end(), std::back_inserter(egna),
                         [nr](const valfristruct& v) { return v.turnnr == nr; });
            rad.spelade = store::largestRound(egna);
        } else {
            rad.spelade = store::largestRound(store::readAllIfPresent<partistruct>(store::tournamentFile(nr, 'R')));
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
