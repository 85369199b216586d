#include "lott/pairing/slumpa.h"

#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"

std::vector<int> slumpaOrdning(int turnnr, int m) {
    std::vector<int> kvar(m);
    for (int i = 0; i < m; ++i)
        kvar[i] = i + 1;
    std::vector<int> dragen;
    dragen.reserve(m);
    for (int r = m; r > 0; --r) {
        // 0-based index of the k-th remaining entry. Worked out wide and kept non-negative, so that
        // a tournament number taken from a damaged "TILLB" can neither overflow nor index outside.
        const long long rest = (static_cast<long long>(turnnr) + 900) % r;
        const int k = static_cast<int>(rest < 0 ? rest + r : rest);
        dragen.push_back(kvar[k]);
        kvar.erase(kvar.begin() + k);
    }
    return dragen;
}

std::vector<spelarstructtva> slumpaStartlista(int turnnr, const std::vector<spelarstructtva>& spelare) {
    // The bye takes no part in the draw wherever it stands in the file.
    std::vector<spelarstructtva> riktiga;
    bool frirond = false;
    for (const auto& s : spelare) {
        if (store::isBye(s.namn))
            frirond = true;
        else
            riktiga.push_back(s);
    }
    const int m = static_cast<int>(riktiga.size());
    std::vector<spelarstructtva> ut;
    ut.reserve(m + 1);
    for (int plats : slumpaOrdning(turnnr, m)) {
        ut.push_back(riktiga[plats - 1]);
        ut.back().nr = static_cast<int>(ut.size());
    }
    if (frirond) ut.push_back(store::byeRecord(m + 1, store::ByeClub::Nej));
    return ut;
}

void SlumpaKlass::slumpa() {
    const auto tillb = store::readAll<tillbehorstruct>(store::fil::TILLB);
    if (tillb.empty()) return;
    const int turnnr = tillb.back().filnamnint;
    chars = store::tournamentFile(turnnr, 'T');
    store::writeAll(chars, slumpaStartlista(turnnr, store::readAll<spelarstructtva>(chars)));
}
