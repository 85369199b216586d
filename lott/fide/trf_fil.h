// "Exportera FIDE-rapport (TRF)": the report of one tournament written to
// "lottutskrifter/<name>.trf" from the tournament's files.
#pragma once
#include <string>
#include <vector>

namespace fide {

// The round the report covers unless the organiser chooses another: the last complete round.
int standardRond(int turnnr);

struct TrfExport {
    std::vector<std::string> fel; // what to fix; nothing was written
    std::string fil;              // the file written
};

// Reads the tournament's files ("TURN", ".T", ".R", ".U", ".E", "POANGSYS", "VILKV", "N.FIDE",
// "N.FIDET"), builds the report up to round `rond` and writes it in one rename, or writes nothing
// and lists what to fix.
TrfExport exporteraTrf(int turnnr, int rond, bool utanAccenter);

} // namespace fide
