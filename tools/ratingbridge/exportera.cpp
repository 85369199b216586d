#include "tools/ratingbridge/exportera.h"

#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"
#include "tools/ratingbridge/rankingexport.h"

namespace ratingbridge {

Ratingfiler Ratingfiler::i(const std::string& katalog) {
    return {katalog + "/" + rank::fil::TALLA, katalog + "/" + rank::fil::TEMPTALLA};
}

Exportutfall exportera(const Ratingfiler& filer, int listposition, int period, int forstaRond) {
    // The tournament directory is read, never written: "TURN" and the game file are not created.
    if (!store::exists(store::fil::TURN)) return Exportutfall::TurneringenFinnsEj;
    const int turnnr = listposition + 1;
    const turneringsstruct* turnering = nullptr;
    const auto turn = store::readAll<turneringsstruct>(store::fil::TURN);
    for (const auto& t : turn)
        if (t.filnamnint == turnnr) {
            turnering = &t;
            break;
        }
    if (!turnering) return Exportutfall::TurneringenFinnsEj;

    const auto spelare = store::readAll<spelarstructtva>(store::tournamentFile(turnnr, 'T'));
    const std::string partifil = store::tournamentFile(turnnr, 'R');
    const auto partier =
        store::exists(partifil) ? store::readAll<partistruct>(partifil) : std::vector<partistruct>{};
    const auto talla = store::touchAndReadAll<rank::tallastruct>(filer.talla);

    const auto nya = turneringsandringar(spelare, partier, turnering->tnamn, period, forstaRond);
    store::rewriteThrough(filer.talla, filer.temptalla, ersattExport(talla, nya));
    return Exportutfall::Klart;
}

} // namespace ratingbridge
