#include "lott/fide/trf_fil.h"

#include <filesystem>

#include "lott/fide/trf.h"
#include "store/fatal.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/safe_name.h"
#include "store/tournament.h"

namespace fide {

int standardRond(int turnnr) {
    return senasteHelaRond(store::readAllIfPresent<partistruct>(store::tournamentFile(turnnr, 'R')));
}

TrfExport exporteraTrf(int turnnr, int rond, bool utanAccenter) {
    TrfExport ut;
    turneringsstruct turn;
    if (!store::findTournament(turnnr, turn)) {
        ut.fel.push_back("Turneringen finns inte.");
        return ut;
    }
    TrfIndata in;
    in.tnamn = turn.tnamn;
    in.rond = rond;
    in.poangval = store::poangvalfunk(turnnr, 1);
    in.progressiv = store::progressivKvalitet(turnnr);
    in.spelare = store::readAllIfPresent<spelarstructtva>(store::tournamentFile(turnnr, 'T'));
    in.partier = store::readAllIfPresent<partistruct>(store::tournamentFile(turnnr, 'R'));
    for (const auto& u : store::readAllIfPresent<spelarstructtva>(store::tournamentFile(turnnr, 'U')))
        in.utgadda.push_back(u.nr);
    in.uppgifter = uppgifterForTurnering(turnnr);
    in.turnering = lasTurneringsuppgift(turnnr);
    in.utanAccenter = utanAccenter;
    if (rond > turn.antalronder && turn.antalronder > 0)
        ut.fel.push_back("Turneringen har bara " + std::to_string(turn.antalronder) + " ronder.");
    if (rond > store::largestRound(in.partier) && rond >= 1)
        ut.fel.push_back("Rond " + std::to_string(rond) + " är inte spelad.");
    TrfUtfall rapport = trfRapport(in);
    ut.fel.insert(ut.fel.end(), rapport.fel.begin(), rapport.fel.end());
    if (!ut.fel.empty()) return ut;

    std::error_code ec;
    std::filesystem::create_directories(store::fil::LOTTUTSKRIFTER, ec);
    if (!std::filesystem::is_directory(store::fil::LOTTUTSKRIFTER)) store::fatalFileError();
    ut.fil = store::safePathIn(store::fil::LOTTUTSKRIFTER, turn.tnamn, ".trf");
    store::writeReport(ut.fil, rapport.text);
    return ut;
}

} // namespace fide
