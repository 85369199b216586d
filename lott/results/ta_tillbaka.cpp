#include "lott/results/ta_tillbaka.h"

#include <algorithm>
#include <unordered_set>

#include "lott/pairing/startlista_fil.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"

namespace {

// The player list as before the start: every withdrawn player (by start number: two players may
// share a name) and the bye dropped, the rest renumbered in file order through "BORTEMP", the
// bye appended when the count is odd; the withdrawal file is emptied.
void aterstallStartlistan(const std::string& tfil, const std::string& ufil) {
    std::unordered_set<int> utgadda;
    for (const auto& u : store::touchAndReadAll<spelarstructtva>(ufil))
        utgadda.insert(u.nr);
    auto kvar = startlista::utanFrirond(store::readAll<spelarstructtva>(tfil));
    std::erase_if(kvar, [&](const spelarstructtva& s) { return utgadda.count(s.nr) != 0; });
    startlista::skrivOmnumrerad(tfil, store::fil::BORTEMP, kvar);
    store::writeAll(ufil, std::vector<spelarstructtva>{});
}

std::string medAndelse(std::string namn, char andelse) {
    if (!namn.empty()) namn.back() = andelse;
    return namn;
}

} // namespace

TaTillbaka::TaTillbaka(const std::string& fnamn) {
    auto partier = store::touchAndReadEvery<partistruct>(fnamn);
    for (const auto& p : partier)
        if (p.plausible()) senasterond = std::max(senasterond, p.rond);
    if (senasterond <= 0) return;
    std::erase_if(partier, [&](const partistruct& p) { return p.rond == senasterond; });
    store::rewriteThrough(fnamn, store::fil::TEMPF, partier);
    if (senasterond == 1) aterstallStartlistan(medAndelse(fnamn, 'T'), medAndelse(fnamn, 'U'));
}

int fasenastevalfrirond(int turnnr) {
    int senaste = 0;
    for (const auto& v : store::readValfri(turnnr))
        senaste = std::max(senaste, v.rond);
    return senaste;
}

void tatillbakavalfrirond(int turnnr) {
    const int senaste = fasenastevalfrirond(turnnr);
    if (senaste < 1) return;
    auto alla = store::touchAndReadEvery<valfristruct>(store::fil::VALFRI);
    std::erase_if(alla, [&](const valfristruct& v) { return v.turnnr == turnnr && v.rond == senaste; });
    store::rewriteThrough(store::fil::VALFRI, store::fil::TEMPVFRI, alla);
    if (senaste == 1)
        aterstallStartlistan(store::tournamentFile(turnnr, 'T'), store::tournamentFile(turnnr, 'U'));
}
