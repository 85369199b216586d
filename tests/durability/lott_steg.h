// The steps of lott's commands as the dialogs commit them, for the durability tests.
#pragma once
#include <cstdlib>
#include <string>
#include <vector>

#include "lott/pairing/lottning.h"
#include "lott/results/resultatinmatning.h"
#include "lott/setup/ny_turnering.h"
#include "lott/setup/registrering.h"
#include "store/filenames.h"
#include "store/files.h"
#include "store/tournament.h"

namespace lottsteg {

inline std::vector<spelarstruct> inskrivna(int antal) {
    std::vector<spelarstruct> lista;
    for (int nr = 1; nr <= antal; ++nr) {
        spelarstruct s;
        s.nr = nr;
        s.namn = "Spelare " + std::to_string(nr);
        s.klubb = "SK";
        s.ranking = 1200 + (nr * 37) % 1000;
        lista.push_back(s);
    }
    return lista;
}

// "&Ny turnering" and the registration of `antal` players, as the dialogs commit them.
inline void nyTurnering(int antal, int poang = 1) {
    NyTurneringVal val;
    val.namn = "Klubbmästerskap";
    val.ronder = "7";
    val.poang = poang;
    val.klubb = true;
    val.ranking = true;
    nyTurneringCommit(val);
    registreraSpelare(inskrivna(antal), store::readAll<lottcstruct>(store::fil::SKICKA).front(), false);
}

// Pairs the next round of tournament `turnnr` and enters a result on every board, as the result
// command does; a step that fails ends the process.
inline void spelaRond(int turnnr) {
    const auto turn = store::readAll<turneringsstruct>(store::fil::TURN);
    const auto& t = turn.at(static_cast<std::size_t>(turnnr - 1));
    const bool valfri = store::poangvalfunk(turnnr) == 4;
    LottState st;
    st.turnnr = turnnr;
    st.fnamnglob = std::to_string(turnnr);
    st.slistab = store::readAll<spelarstructtva>(store::tournamentFile(turnnr, 'T'));
    st.antalronder = t.antalronder;
    st.systemc = t.system;
    st.vilkpaint = 3;
    parning::lottning(st);
    if (st.ejronditurn != 0 || st.grans >= kGransLast) std::exit(3);
    auto r = Resultatinmatning::franLskicka(valfri);
    for (int forsta = 1; forsta <= r.antalBord(); forsta += Resultatinmatning::kRaderPerSida) {
        Resultatinmatning::Sidtexter texter;
        for (int i = 0; i < Resultatinmatning::kRaderPerSida && forsta + i <= r.antalBord(); ++i)
            texter[static_cast<std::size_t>(i)] = r.foradla(forsta + i, (forsta + i) % 3 ? "1-0" : "0-1");
        r.gorlista(forsta, texter);
    }
    if (!r.spara(turnnr)) std::exit(4);
}

} // namespace lottsteg
