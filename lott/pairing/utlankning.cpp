#include "lott/pairing/utlankning.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_set>

#include "lott/pairing/startlista_fil.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/text.h"
#include "store/tournament.h"

namespace {
constexpr std::size_t kNummerfalt = 10;
} // namespace

std::vector<std::string> utgangsrader(const std::vector<spelarstructtva>& spelare,
                                      const std::vector<spelarstructtva>& utgadda) {
    std::unordered_set<int> borta;
    for (const auto& u : utgadda)
        borta.insert(u.nr);
    std::vector<std::string> rader;
    for (const auto& s : spelare)
        if (!store::isBye(s.namn) && !borta.count(s.nr))
            rader.push_back(std::to_string(s.nr) + ".  " + s.namn);
    return rader;
}

int radensStartnummer(const std::string& rad) {
    const std::string nummer = store::firstChars(rad.substr(0, rad.find('.')), kNummerfalt);
    return std::atoi(nummer.c_str());
}

void spelareut(int turnnr, int nr) {
    const std::string tfil = store::tournamentFile(turnnr, 'T');
    const auto spelare = store::readAll<spelarstructtva>(tfil);
    const auto post = std::find_if(spelare.begin(), spelare.end(), [&](const spelarstructtva& s) {
        return s.nr == nr && !store::isBye(s.namn);
    });
    if (post == spelare.end()) return;

    if (store::tournamentStarted(turnnr)) {
        const std::string ufil = store::tournamentFile(turnnr, 'U');
        auto utgadda = store::touchAndReadAll<spelarstructtva>(ufil);
        const bool redan =
            std::any_of(utgadda.begin(), utgadda.end(), [&](const spelarstructtva& u) { return u.nr == nr; });
        if (redan) return;
        // Rewritten whole rather than appended to, so that the file is never left with a part record.
        utgadda.push_back(*post);
        store::writeAll(ufil, utgadda);
        return;
    }
    auto kvar = startlista::utanFrirond(spelare);
    std::erase_if(kvar, [&](const spelarstructtva& s) { return s.nr == nr; });
    startlista::skrivOmnumrerad(tfil, store::fil::UTTEMP, kvar);
}

void futgadda(LottState& st) {
    st.fnamnglob = st.fnamnglob.substr(0, st.fnamnglob.find('.')) + ".U";
    st.finnsutgadda = store::touchAndReadAll<spelarstructtva>(st.fnamnglob).empty() ? 0 : 1;
}
