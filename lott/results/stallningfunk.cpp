#include "lott/results/stallningfunk.h"

#include "store/files.h"
#include "store/tournament.h"

namespace stallning {

Indata lasIndata(int turnnr, const std::vector<spelarstructtva>& spelare, int valdrond, bool schwanrop) {
    Indata in;
    in.spelare = spelare;
    in.poangval = store::poangvalfunk(turnnr, 1);
    in.progressiv = store::progressivKvalitet(turnnr);
    in.partier = store::touchAndReadAll<partistruct>(store::tournamentFile(turnnr, 'R'));
    if (in.poangval == 4) in.valfria = store::readValfri(turnnr);
    for (const auto& u : store::touchAndReadAll<spelarstructtva>(store::tournamentFile(turnnr, 'U')))
        in.utgadda.push_back(u.nr);
    in.valdrond = valdrond;
    in.schwanrop = schwanrop;
    return in;
}

} // namespace stallning

int stallningfunk(LottState& st) {
    auto ut = stallning::berakna(stallning::lasIndata(st.turnnr, st.slistab, st.valdrond, st.schwanrop != 0));
    st.parslistac = std::move(ut.parslistac);
    st.valdrond = ut.valdrond;
    st.klubbfinns = ut.klubbfinns;
    st.rankingfinns = ut.rankingfinns;
    return 1;
}

int stallningForLottning(LottState& st) {
    st.schwanrop = 1;
    const int svar = stallningfunk(st);
    st.schwanrop = 0;
    return svar;
}
