#include "lott/results/ta_tillbaka.h"

#include <algorithm>
#include <unordered_set>

#include "lott/pairing/startlista_fil.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/journal.h"
#include "store/tournament.h"

namespace {

// The player list as before the start: every withdrawn player (by start number: two players may
// share a name) and the bye dropped, the rest renumbered in file order (kept in "BORTEMP"), the
// bye appended when the count is odd; the withdrawal file emptied. Added to `andringar`, which
// also holds the games without round 1: the three files change together, since withdrawals
// kept beside renumbered players would name other players, and withdrawals emptied beside the
// old list would bring withdrawn players back.
void aterstallStartlistan(store::Journal& andringar, const std::string& tfil, const std::string& ufil) {
    std::unordered_set<int> utgadda;
    for (const auto& u : store::touchAndReadAll<spelarstructtva>(ufil))
        utgadda.insert(u.nr);
    auto kvar = startlista::utanFrirond(store::readAll<spelarstructtva>(tfil));
    std::erase_if(kvar, [&](const spelarstructtva& s) { return utgadda.count(s.nr) != 0; });
    store::writeWorkFile(store::fil::BORTEMP, startlista::numrerade(kvar));
    andringar.replace(tfil, store::startListWithBye(kvar, store::ByeClub::Nej));
    andringar.replace(ufil, std::vector<spelarstructtva>{});
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
    store::writeWorkFile(store::fil::TEMPF, partier);
    store::Journal andringar;
    andringar.replace(fnamn, partier);
    if (senasterond == 1) aterstallStartlistan(andringar, medAndelse(fnamn, 'T'), medAndelse(fnamn, 'U'));
    andringar.commit();
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
    store::writeWorkFile(store::fil::TEMPVFRI, alla);
    store::Journal andringar;
    andringar.replace(store::fil::VALFRI, alla);
    if (senaste == 1)
        aterstallStartlistan(andringar, store::tournamentFile(turnnr, 'T'), store::tournamentFile(turnnr, 'U'));
    andringar.commit();
}
