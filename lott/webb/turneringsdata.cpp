#include "lott/webb/turneringsdata.h"

#include <algorithm>

#include "lott/results/penningpriser.h"
#include "lott/results/stallning.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"

namespace webb {

bool valfritt(const Turneringsdata& t) {
    return t.poangval == 4;
}

int spelade(const Turneringsdata& t) {
    return valfritt(t) ? store::largestRound(t.valfria) : store::largestRound(t.partier);
}

std::string lottningsText(const Turneringsdata& t) {
    if (t.turnering.system == 0) return "Monrad";
    return t.schweizer == 1 ? "Schweizer" : "Nordisk schweizer";
}

std::string poangText(const Turneringsdata& t) {
    switch (t.poangval) {
    case 2:
        return "3-1-0";
    case 3:
        return "3-2-1";
    case 4:
        return "Valfritt";
    default:
        return "1-½-0";
    }
}

std::vector<std::pair<int, int>> parAvLista(const std::vector<spelarstructtva>& lista, bool omvand) {
    std::vector<spelarstructtva> ordning = lista;
    if (omvand) std::reverse(ordning.begin(), ordning.end());
    std::vector<std::pair<int, int>> par;
    for (std::size_t i = 0; i + 1 < ordning.size(); i += 2)
        par.emplace_back(ordning[i].nr, ordning[i + 1].nr);
    return par;
}

std::vector<Turneringsdata> lasTurneringar(const Lottad& lottad) {
    using store::readAllIfPresent;
    const auto turneringar = readAllIfPresent<turneringsstruct>(store::fil::TURN);
    std::vector<Turneringsdata> ut;
    if (turneringar.empty()) return ut;
    const auto poangsys = readAllIfPresent<poangsystem>(store::fil::POANGSYS);
    const auto seln = readAllIfPresent<vilkenschweizerstruct>(store::fil::SELN);
    const auto vilkv = readAllIfPresent<vilkstruct>(store::fil::VILKV);
    std::vector<valfristruct> allaValfria; // read once, when some tournament scores freely
    bool valfriaLasta = false;

    for (const auto& t : turneringar) {
        const int nr = t.filnamnint;
        Turneringsdata d;
        d.turnering = t;
        d.poangval = store::poangval(poangsys, nr);
        d.schweizer = store::vilkenSchweizer(seln, nr);
        d.progressiv =
            std::any_of(vilkv.begin(), vilkv.end(), [nr](const vilkstruct& v) { return v.intnr == nr; });
        d.spelare = readAllIfPresent<spelarstructtva>(store::tournamentFile(nr, 'T'));
        if (d.poangval == 4) {
            if (!valfriaLasta) allaValfria = readAllIfPresent<valfristruct>(store::fil::VALFRI);
            valfriaLasta = true;
            std::copy_if(allaValfria.begin(), allaValfria.end(), std::back_inserter(d.valfria),
                         [nr](const valfristruct& v) { return v.turnnr == nr; });
        } else {
            d.partier = readAllIfPresent<partistruct>(store::tournamentFile(nr, 'R'));
        }
        for (const auto& u : readAllIfPresent<spelarstructtva>(store::tournamentFile(nr, 'U')))
            d.utgadda.push_back(u.nr);
        d.priser = readAllIfPresent<penningstruct>(store::tournamentFile(nr, 'P'));
        d.elo = penning::eloLista(readAllIfPresent<elostructab>(store::tournamentFile(nr, 'E')));
        const auto grupper = readAllIfPresent<rankingstruct>(store::tournamentFile(nr, 'G'));
        if (!grupper.empty()) d.grupper = grupper.back();
        d.kategorier = readAllIfPresent<egenkategoriastruct>(store::tournamentFile(nr, 'K'));
        // Only the round right after the last one played can still be waiting for its results.
        if (lottad.turnnr == nr && lottad.rond == spelade(d) + 1 && !lottad.par.empty()) {
            d.lottadRond = lottad.rond;
            d.lottadePar = lottad.par;
        }
        ut.push_back(std::move(d));
    }
    return ut;
}

std::vector<spelarstructc> stallningEfter(const Turneringsdata& t, int rond) {
    stallning::Indata in;
    in.spelare = t.spelare;
    in.poangval = t.poangval;
    in.progressiv = t.progressiv;
    for (const auto& g : t.partier)
        if (g.rond <= rond) in.partier.push_back(g);
    for (const auto& g : t.valfria)
        if (g.rond <= rond) in.valfria.push_back(g);
    in.utgadda = t.utgadda;
    in.valdrond = rond;
    return stallning::berakna(in).parslistac;
}

} // namespace webb
