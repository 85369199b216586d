#include "lott/pairing/startlista_fil.h"

#include <algorithm>

#include "store/files.h"
#include "store/tournament.h"

namespace startlista {

int hogstaNummer(int turnnr, bool valfri, const std::vector<spelarstructtva>& spelare) {
    int hogsta = 0;
    for (const auto& s : spelare)
        hogsta = std::max(hogsta, s.nr);
    if (valfri) {
        for (const auto& v : store::readValfri(turnnr))
            hogsta = std::max({hogsta, v.vit, v.svart});
    } else {
        for (const auto& p : store::touchAndReadAll<partistruct>(store::tournamentFile(turnnr, 'R')))
            hogsta = std::max({hogsta, p.vit, p.svart});
    }
    return hogsta;
}

std::vector<spelarstructtva> utanFrirond(const std::vector<spelarstructtva>& spelare) {
    std::vector<spelarstructtva> ut;
    ut.reserve(spelare.size());
    for (const auto& s : spelare)
        if (!store::isBye(s.namn)) ut.push_back(s);
    return ut;
}

bool harFrirond(const std::vector<spelarstructtva>& spelare) {
    return std::any_of(spelare.begin(), spelare.end(),
                       [](const spelarstructtva& s) { return store::isBye(s.namn); });
}

std::vector<spelarstructtva> numrerade(std::vector<spelarstructtva> spelare) {
    for (std::size_t i = 0; i < spelare.size(); ++i)
        spelare[i].nr = static_cast<int>(i + 1);
    return spelare;
}

void skrivOmnumrerad(const std::string& tfil, const std::string& scratch,
                     const std::vector<spelarstructtva>& riktiga) {
    store::writeAll(scratch, numrerade(riktiga));
    store::writeAll(tfil, store::startListWithBye(riktiga, store::ByeClub::Nej));
}

} // namespace startlista
