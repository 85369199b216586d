#include "tools/lagturnering/rakna_ut.h"

#include <filesystem>
#include <system_error>

#include "store/fatal.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"
#include "tools/lagturnering/lag_webb.h"
#include "tools/lagturnering/lagsida.h"

namespace lagturnering {
namespace {

// Tournament numbers stay below 100000: the per-tournament file names have room for five digits.
constexpr int kStorstaTurnering = 99999;

template <class R> std::vector<R> lasOmFinns(const std::string& fil) {
    return store::exists(fil) ? store::readAll<R>(fil) : std::vector<R>{};
}

void skapaMapp(const std::string& mapp) {
    std::error_code ec;
    std::filesystem::create_directories(mapp, ec);
    if (!std::filesystem::is_directory(mapp)) store::fatalFileError();
}

} // namespace

std::vector<Lagrad> lagstallning(const std::vector<int>& valda, Variant v) {
    const auto turn = lasOmFinns<turneringsstruct>(store::fil::TURN);
    Lagtabell tabell(v);
    for (int position : valda) {
        if (position < 0 || position >= static_cast<int>(turn.size())) continue;
        const int turnnr = turn[static_cast<std::size_t>(position)].filnamnint;
        if (turnnr < 1 || turnnr > kStorstaTurnering) continue;
        const auto spelare = lasOmFinns<spelarstructtva>(store::tournamentFile(turnnr, 'T'));
        const auto partier = lasOmFinns<partistruct>(store::tournamentFile(turnnr, 'R'));
        const auto poang = spelarpoang(spelare, partier, v);
        for (std::size_t i = 0; i < spelare.size(); ++i)
            tabell.lagg(spelare[i].klubb, poang[i]);
    }
    tabell.skala();
    return rangordna(tabell.lag());
}

Lagutfall raknaUt(const std::vector<int>& valda, const std::string& namnfalt, Variant v) {
    const std::string namn = evenemangsnamn(namnfalt);
    const auto rader = lagstallning(valda, v);
    skapaMapp(store::fil::LOTTUTSKRIFTER);
    store::writeReport(lagsidaPath(store::fil::LOTTUTSKRIFTER, namn), lagsida(namn, rader, v));
    skrivLagWebb(namn, rader, v);
    return valda.empty() ? Lagutfall::IngenTurneringVald : Lagutfall::Klart;
}

} // namespace lagturnering
